<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The programs' texts: each message is named by its id (the name the code
     uses, MessageId::...), its Swedish text is the source and its English
     text the translation. Arguments are written %1 .. %9 in both. Every
     message needs its English: the build fails without it. One Swedish
     text has one English wherever it stands, unless a <comment> names the
     sense it has in one place (Qt's disambiguation: "register"). -->
<TS version="2.1" language="en_GB" sourcelanguage="sv_SE">
<context>
    <name>kuvo</name>
    <!-- Choosing the language (always Swedish: the choice is not made yet). -->
    <message id="LanguageValueMissing">
        <source>--sprak behöver ett värde: sv (svenska) eller en (engelska)</source>
        <translation>--sprak needs a value: sv (Swedish) or en (English)</translation>
    </message>
    <message id="LanguageValueWrong">
        <source>--sprak ska vara sv (svenska) eller en (engelska), inte &quot;%1&quot;</source>
        <translation>--sprak must be sv (Swedish) or en (English), not &quot;%1&quot;</translation>
    </message>
    <!-- Searching (the session, kuvo-sok). -->
    <message id="SearchLokalIdMissing">
        <source>Lokal-ID %1 finns inte!</source>
        <translation>Local ID %1 does not exist!</translation>
    </message>
    <!-- kuvo-sok: usage and help. The command words, options and prefixes stay as they are in both languages. -->
    <message id="SokUsage">
        <source>Användning:
  kuvo-sok [--ini FIL] fodda|vigda|doda [--PREFIX TEXT]... [--PREFIX-rader ORD;ORD]
           [--lokalid TEXT] [--ordning namn|datum] [--format tsv|json|csv|gedcom]
           [--visa]
  kuvo-sok [--ini FIL] fodda|vigda|doda [sökfält] --pdf FIL [--tabell]
           [--ordning namn|datum|kalla] [--fran N] [--till N]
  kuvo-sok [--ini FIL] alla TEXT [--format tsv|json]
  kuvo-sok [--ini FIL] samband fodda|vigda|doda --lokalid TEXT [--format tsv|json]
  kuvo-sok --help | --version
PREFIX är ett fälts prefix i sökformuläret, till exempel fn (förnamn), en (efternamn),
fod (födelsedatum), kae (källa). Texten skrivs som i formulärets fält;
kuvo-sok --help visar alla fält.
</source>
        <translation>Usage:
  kuvo-sok [--ini FILE] fodda|vigda|doda [--PREFIX TEXT]... [--PREFIX-rader WORD;WORD]
           [--lokalid TEXT] [--ordning namn|datum] [--format tsv|json|csv|gedcom]
           [--visa] [--sprak sv|en]
  kuvo-sok [--ini FILE] fodda|vigda|doda [search fields] --pdf FILE [--tabell]
           [--ordning namn|datum|kalla] [--fran N] [--till N]
  kuvo-sok [--ini FILE] alla TEXT [--format tsv|json]
  kuvo-sok [--ini FILE] samband fodda|vigda|doda --lokalid TEXT [--format tsv|json]
  kuvo-sok --help | --version
fodda, vigda and doda are the births, marriages and deaths; alla searches all three.
PREFIX is a field&apos;s prefix in the search form, for example fn (first name), en (surname),
fod (date of birth), kae (source). The text is written as in the form&apos;s field;
kuvo-sok --help shows every field. --sprak sv|en chooses Swedish or English.
</translation>
    </message>
    <message id="SokHelpFields">
        <source>
Fält per register (--PREFIX-rader finns för fält med ordlista):
</source>
        <translation>
Fields by register (--PREFIX-rader exists for fields with a word list):
</translation>
    </message>
    <message id="SokHelpCriteria">
        <source>
Sökvillkor, som i formulärets fält:
  and          börjar med and
  A*son        börjar med A och slutar med son
  *son         slutar med son
  *ers*        innehåller ers (*ers*2: och slutar med 2)
  &quot;Anders&quot;     exakt Anders
  Berg;Ek      något av alternativen, skilda med ;
  Anna Maria   i förnamnsfält: båda namnen
  Datum: 1780 (ett år), 1780-1789 (intervall), 17800312 (en dag), -1789 och 1780-
  (öppna ändar).
  Fritextfält (fritt) söker texten var som helst i raden: Olsson innehåller
  Olsson, Olsson* börjar med Olsson, &quot;Per Olsson&quot; är exakt raden. En * först
  tas bort: *Olsson* och *Olsson söker som Olsson.
  --PREFIX-rader ORD;ORD bockar för orden i fältets ordlista, som i ordlistan.
</source>
        <translation>
Search criteria, as in the form&apos;s fields:
  and          begins with and
  A*son        begins with A and ends with son
  *son         ends with son
  *ers*        contains ers (*ers*2: and ends with 2)
  &quot;Anders&quot;     exactly Anders
  Berg;Ek      any of the alternatives, separated by ;
  Anna Maria   in first-name fields: both names
  Dates: 1780 (a year), 1780-1789 (a range), 17800312 (a day), -1789 and 1780-
  (open ends).
  Free-text fields (fritt) find the text anywhere in the entry: Olsson contains
  Olsson, Olsson* begins with Olsson, &quot;Per Olsson&quot; is exactly the entry. A leading
  * is dropped: *Olsson* and *Olsson search as Olsson.
  --PREFIX-rader WORD;WORD ticks the words in the field&apos;s word list, as the list does.
</translation>
    </message>
    <message id="SokHelpOutput">
        <source>
Utdata: en träff per rad, register TAB postnummer TAB namn TAB datum;
--visa lägger till postens text och en tom rad; --format json ger en JSON-lista;
--format csv ger träffarnas poster som en källtabell (UTF-8, ;) som kuvo-data bygg
läser igen; --format gedcom ger dem som en GEDCOM-fil (5.5.1, UTF-8) för
släktforskningsprogram.
Antalet träffar skrivs på standard fel.
</source>
        <translation>
Output: one hit a line, register TAB record number TAB name TAB date;
--visa adds the record&apos;s text and an empty line; --format json gives a JSON list;
--format csv gives the hits&apos; records as a source table (UTF-8, ;) that kuvo-data bygg
reads again; --format gedcom gives them as a GEDCOM file (5.5.1, UTF-8) for
family-tree programs.
The number of hits is written to standard error.
</translation>
    </message>
    <message id="SokHelpPrinting">
        <source>
Utskrift: --pdf FIL skriver träffarna till en PDF-fil (A4) som programmets
utskrift gör: alla uppgifter post för post, eller med --tabell en rad per post.
--ordning namn|datum|kalla ordnar (kalla grupperar efter källa), --fran N och
--till N skriver bara ut post N till M i den ordningen. Högst 10 000 poster.
</source>
        <translation>
Printing: --pdf FILE prints the hits to a PDF file (A4) as the program&apos;s
printing does: every detail record by record, or with --tabell one line a record.
--ordning namn|datum|kalla orders them (kalla groups them by source), --fran N and
--till N print only records N to M in that order. At most 10 000 records.
</translation>
    </message>
    <message id="SokHelpExitCodes">
        <source>
Slutkoder: 0 klart (även utan träffar), 1 ett fel som användaren kan rätta,
2 felaktig användning.
</source>
        <translation>
Exit codes: 0 done (also without hits), 1 an error the user can put right,
2 wrong usage.
</translation>
    </message>
    <!-- kuvo-sok: wrong usage. -->
    <message id="SokPrintOptionsWithoutPdf">
        <source>--tabell, --fran, --till och --ordning kalla gäller bara med --pdf</source>
        <translation>--tabell, --fran, --till and --ordning kalla apply only with --pdf</translation>
    </message>
    <message id="SokPdfOneRegister">
        <source>--pdf skriver ut ett register (fodda, vigda eller doda) och tar inte --format eller --visa</source>
        <translation>--pdf prints one register (fodda, vigda or doda) and takes neither --format nor --visa</translation>
    </message>
    <message id="SokLinksOptions">
        <source>samband tar ett register (fodda, vigda eller doda), --lokalid och --format tsv|json</source>
        <translation>samband takes one register (fodda, vigda or doda), --lokalid and --format tsv|json</translation>
    </message>
    <message id="SokAllNeedsText">
        <source>alla behöver en söktext</source>
        <translation>alla needs a search text</translation>
    </message>
    <message id="SokUnknownRegister">
        <source>okänt register %1 (fodda, vigda, doda eller alla)</source>
        <translation>unknown register %1 (fodda, vigda, doda or alla)</translation>
    </message>
    <message id="SokUnexpectedArgument">
        <source>oväntat argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message id="SokOptionNeedsValue">
        <source>%1 behöver ett värde</source>
        <translation>%1 needs a value</translation>
    </message>
    <message id="SokOrderValue">
        <source>--ordning ska vara namn, datum eller kalla</source>
        <translation>--ordning must be namn, datum or kalla</translation>
    </message>
    <message id="SokWholeNumber">
        <source>%1 ska vara ett heltal</source>
        <translation>%1 must be a whole number</translation>
    </message>
    <message id="SokFormatValue">
        <source>--format ska vara tsv, json, csv eller gedcom</source>
        <translation>--format must be tsv, json, csv or gedcom</translation>
    </message>
    <message id="SokNoRegister">
        <source>ange fodda, vigda, doda eller alla</source>
        <translation>give fodda, vigda, doda or alla</translation>
    </message>
    <message id="SokAllOptions">
        <source>alla tar bara en söktext och --format</source>
        <translation>alla takes only a search text and --format</translation>
    </message>
    <message id="SokFileFormatOneRegister">
        <source>--format csv och gedcom gäller ett register (fodda, vigda eller doda)</source>
        <translation>--format csv and gedcom apply to one register (fodda, vigda or doda)</translation>
    </message>
    <message id="SokShowWithFileFormat">
        <source>--visa kan inte kombineras med --format csv eller gedcom</source>
        <translation>--visa cannot be combined with --format csv or gedcom</translation>
    </message>
    <message id="SokLokalIdWithFields">
        <source>--lokalid kan inte kombineras med sökfält</source>
        <translation>--lokalid cannot be combined with search fields</translation>
    </message>
    <message id="SokFormLacksField">
        <source>kuvo-sok: formuläret för %1 har inget fält --%2</source>
        <translation>kuvo-sok: the form of %1 has no field --%2</translation>
    </message>
    <message id="SokFieldWithoutList">
        <source>kuvo-sok: fältet --%1 har ingen ordlista</source>
        <translation>kuvo-sok: the field --%1 has no word list</translation>
    </message>
    <!-- kuvo-sok: messages and counts on standard error. -->
    <message id="SokNotWindows1252">
        <source>texten &quot;%1&quot; har tecken som inte finns i Windows-1252</source>
        <translation>the text &quot;%1&quot; has characters that Windows-1252 does not have</translation>
    </message>
    <message id="SokUnknownWord">
        <source>Ordet %1 finns inte i listan för --%2</source>
        <translation>The word %1 is not in the list of --%2</translation>
    </message>
    <message id="SokLinkCount">
        <source>%1 samband</source>
        <translation>Links: %1</translation>
    </message>
    <message id="SokOnePage">
        <source>%1 sida</source>
        <translation>%1 page</translation>
    </message>
    <message id="SokPages">
        <source>%1 sidor</source>
        <translation>%1 pages</translation>
    </message>
    <message id="SokHits">
        <source>%1 träffar</source>
        <translation>Hits: %1</translation>
    </message>
    <!-- kuvo-data: usage. The commands and options stay as they are in both languages. -->
    <message id="DataUsageHeading">
        <source>Användning:
</source>
        <translation>Usage:
</translation>
    </message>
    <message id="DataUsagePack">
        <source>  kuvo-data pack [--metod NON|RLE|LZH|LH5] &lt; indata &gt; ström
      komprimerar standard in till en komprimerad ström (standard LH5)
</source>
        <translation>  kuvo-data pack [--metod NON|RLE|LZH|LH5] &lt; input &gt; stream
      compresses standard input into one compressed stream (LH5 unless given)
</translation>
    </message>
    <message id="DataUsageUnpack">
        <source>  kuvo-data unpack &lt; ström &gt; utdata
      packar upp en komprimerad ström
</source>
        <translation>  kuvo-data unpack &lt; stream &gt; output
      expands a compressed stream
</translation>
    </message>
    <message id="DataUsageBygg">
        <source>  kuvo-data bygg KÄLLMAPP DATAMAPP [--registernr N] [--minne MB] [--tradar 1|2]
      bygger registerfilerna ur källmappens fodda.csv, vigda.csv, doda.csv,
      register.txt, hjalp/ och bilder/ (registernummer 1 om inget anges);
      bilder/logovaxor.png blir registrets logotyp. Det som inte ryms i
      minnet (standard 2048 MB) sorteras i tillfälliga filer bredvid datamappen;
      med --tradar 1 görs allt i en tråd (standard 2), filerna blir desamma
</source>
        <translation>  kuvo-data bygg SOURCE_FOLDER DATA_FOLDER [--registernr N] [--minne MB] [--tradar 1|2]
      builds the register files from the source folder&apos;s fodda.csv, vigda.csv,
      doda.csv, register.txt, hjalp/ and bilder/ (register set number 1 unless
      given); bilder/logovaxor.png becomes the set&apos;s logo. What does not fit in
      memory (2048 MB unless given) is sorted in temporary files beside the data
      folder; with --tradar 1 everything runs on one thread (2 unless given), the
      files come out the same
</translation>
    </message>
    <message id="DataUsageBilder">
        <source>  kuvo-data bilder DATAMAPP UTMAPP
      skriver varje bild i datamappens bildbaser som en fil i utmappen
</source>
        <translation>  kuvo-data bilder DATA_FOLDER OUT_FOLDER
      writes every picture of the data folder&apos;s picture bases as a file in the out folder
</translation>
    </message>
    <message id="DataUsageInfo">
        <source>  kuvo-data info FIL
      beskriver vad filen innehåller
</source>
        <translation>  kuvo-data info FILE
      describes what the file holds
</translation>
    </message>
    <message id="DataUsageExempel">
        <source>  kuvo-data exempel KÄLLMAPP [--fodda N] [--vigda N] [--doda N] [--fro S]
      skriver en påhittad exempelkälla (standard 3000 födda, 1200 vigda,
      2400 döda, frö 1); samma val ger alltid samma filer
</source>
        <translation>  kuvo-data exempel SOURCE_FOLDER [--fodda N] [--vigda N] [--doda N] [--fro S]
      writes an invented sample source (3000 births, 1200 marriages, 2400 deaths
      and seed 1 unless given); the same choices always give the same files
</translation>
    </message>
    <message id="DataUsageFooter">
        <source>  kuvo-data --help | --version
Varje kommando visar sin egen hjälp med --help.
</source>
        <translation>  kuvo-data --help | --version
Every command shows its own help with --help. --sprak sv|en chooses Swedish or English.
</translation>
    </message>
    <!-- kuvo-data: messages on standard error. -->
    <message id="DataRegisterNumber">
        <source>--registernr ska vara ett heltal från 0 till 99999999</source>
        <translation>--registernr must be a whole number from 0 to 99999999</translation>
    </message>
    <message id="DataMemory">
        <source>--minne ska vara ett heltal megabyte, minst 1</source>
        <translation>--minne must be a whole number of megabytes, at least 1</translation>
    </message>
    <message id="DataThreads">
        <source>--tradar ska vara 1 eller 2</source>
        <translation>--tradar must be 1 or 2</translation>
    </message>
    <message id="DataBuilt">
        <source>Klart: %1 födda, %2 vigda, %3 döda; %4 filer i %5</source>
        <translation>Done: %1 births, %2 marriages, %3 deaths; %4 files in %5</translation>
    </message>
    <message id="DataUnknownMethod">
        <source>Okänd metod: %1 (välj NON, RLE, LZH eller LH5)</source>
        <translation>Unknown method: %1 (choose NON, RLE, LZH or LH5)</translation>
    </message>
    <message id="DataCannotReadInput">
        <source>Kunde inte läsa standard in</source>
        <translation>Could not read standard input</translation>
    </message>
    <message id="DataCannotWriteOutput">
        <source>Kunde inte skriva till standard ut</source>
        <translation>Could not write to standard output</translation>
    </message>
    <message id="DataOneFolder">
        <source>Bara en mapp kan anges: %1</source>
        <translation>Only one folder can be given: %1</translation>
    </message>
    <message id="DataUnknownOption">
        <source>Okänt val: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message id="DataValueMissing">
        <source>Värde saknas efter %1</source>
        <translation>Value missing after %1</translation>
    </message>
    <message id="DataBadSeed">
        <source>Ogiltigt frö: %1</source>
        <translation>Invalid seed: %1</translation>
    </message>
    <message id="DataBadCount">
        <source>Ogiltigt antal poster: %1</source>
        <translation>Invalid number of records: %1</translation>
    </message>
    <message id="DataNoSampleFolder">
        <source>Ange mappen som exempelkällan ska skrivas till</source>
        <translation>Give the folder to write the sample source to</translation>
    </message>
    <message id="DataCannotWrite">
        <source>Kan inte skriva %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message id="DataPictureBaseUnopenable">
        <source>Bildbasen %1 kan inte öppnas</source>
        <translation>The picture base %1 cannot be opened</translation>
    </message>
    <message id="DataNoPictureBase">
        <source>Mappen %1 har ingen bildbas (…grfk.b)</source>
        <translation>The folder %1 has no picture base (…grfk.b)</translation>
    </message>
    <message id="DataCannotCreateFolder">
        <source>Kan inte skapa mappen %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message id="DataPicturesWritten">
        <source>%1 bilder skrivna till %2</source>
        <translation>%1 pictures written to %2</translation>
    </message>
    <!-- Record texts: the words the program puts around what a record holds (which is shown as stored). -->
    <message id="RecordNoName">
        <source>(Ingen namnuppgift)</source>
        <translation>(No name given)</translation>
    </message>
    <message id="RecordManWithoutName">
        <source>(Man utan namn)</source>
        <translation>(Man without a name)</translation>
    </message>
    <message id="RecordWomanWithoutName">
        <source>(Kvinna utan namn)</source>
        <translation>(Woman without a name)</translation>
    </message>
    <message id="RecordIn">
        <source>i</source>
        <translation>in</translation>
    </message>
    <message id="RecordBorn">
        <source>Född</source>
        <translation>Born</translation>
    </message>
    <message id="RecordStillborn">
        <source>Dödfödd</source>
        <translation>Stillborn</translation>
    </message>
    <message id="RecordBaptised">
        <source>Döpt</source>
        <translation>Baptised</translation>
    </message>
    <message id="RecordLegitimacy">
        <source>Börd</source>
        <translation>Legitimacy</translation>
    </message>
    <message id="RecordFather">
        <source>Far</source>
        <translation>Father</translation>
    </message>
    <message id="RecordMother">
        <source>Mor</source>
        <translation>Mother</translation>
    </message>
    <message id="RecordYears">
        <source>%1 år</source>
        <translation>%1 years</translation>
    </message>
    <message id="RecordBornTogether">
        <source>Antal samtidigt födda: %1</source>
        <translation>Born at the same time: %1</translation>
    </message>
    <message id="RecordChildNumberAfter">
        <source> (barn nr %1 i familjen)</source>
        <translation> (child no. %1 in the family)</translation>
    </message>
    <message id="RecordChildNumber">
        <source>Barn nr %1 i familjen</source>
        <translation>Child no. %1 in the family</translation>
    </message>
    <message id="RecordGodparents">
        <source>Dopvittnen</source>
        <translation>Godparents</translation>
    </message>
    <message id="RecordOtherInformation">
        <source>Övriga uppgifter</source>
        <translation>Other information</translation>
    </message>
    <message id="RecordParishCode">
        <source>Församlingskod: %1</source>
        <translation>Parish code: %1</translation>
    </message>
    <message id="RecordSource">
        <source>Källa: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message id="RecordSourcePage">
        <source>%1, s. %2</source>
        <translation>%1, p. %2</translation>
    </message>
    <message id="RecordNormalisedTerms">
        <source>Normerade begrepp</source>
        <translation>Normalised terms</translation>
    </message>
    <message id="RecordRegisterRemark">
        <source>Registeranmärkning</source>
        <translation>Register remark</translation>
    </message>
    <message id="RecordSurname">
        <source>Efternamn</source>
        <translation>Surname</translation>
    </message>
    <message id="RecordFirstName">
        <source>Förnamn</source>
        <translation>First name</translation>
    </message>
    <message id="RecordPlace">
        <source>Ort</source>
        <translation>Place</translation>
    </message>
    <message id="RecordMothersSurname">
        <source>Moderns efternamn</source>
        <translation>Mother&apos;s surname</translation>
    </message>
    <message id="RecordMothersFirstName">
        <source>Moderns förnamn</source>
        <translation>Mother&apos;s first name</translation>
    </message>
    <message id="RecordMothersPlace">
        <source>Moderns ort</source>
        <translation>Mother&apos;s place</translation>
    </message>
    <message id="RecordFathersSurname">
        <source>Faderns efternamn</source>
        <translation>Father&apos;s surname</translation>
    </message>
    <message id="RecordFathersFirstName">
        <source>Faderns förnamn</source>
        <translation>Father&apos;s first name</translation>
    </message>
    <message id="RecordFathersPlace">
        <source>Faderns ort</source>
        <translation>Father&apos;s place</translation>
    </message>
    <message id="RecordMarried">
        <source>Vigda</source>
        <translation>Married</translation>
    </message>
    <message id="RecordBanns">
        <source>Lysning</source>
        <translation>Banns</translation>
    </message>
    <message id="RecordWomansSurname">
        <source>Kvinnans efternamn</source>
        <translation>The woman&apos;s surname</translation>
    </message>
    <message id="RecordWomansFirstName">
        <source>Kvinnans förnamn</source>
        <translation>The woman&apos;s first name</translation>
    </message>
    <message id="RecordWomansHome">
        <source>Kvinnans hemort</source>
        <translation>The woman&apos;s home</translation>
    </message>
    <message id="RecordMansSurname">
        <source>Mannens efternamn</source>
        <translation>The man&apos;s surname</translation>
    </message>
    <message id="RecordMansFirstName">
        <source>Mannens förnamn</source>
        <translation>The man&apos;s first name</translation>
    </message>
    <message id="RecordMansHome">
        <source>Mannens hemort</source>
        <translation>The man&apos;s home</translation>
    </message>
    <message id="RecordDied">
        <source>Död</source>
        <translation>Died</translation>
    </message>
    <message id="RecordBuried">
        <source>Begravd</source>
        <translation>Buried</translation>
    </message>
    <message id="RecordCauseOfDeath">
        <source>Dödsorsak</source>
        <translation>Cause of death</translation>
    </message>
    <message id="RecordTitleAndAge">
        <source>%1 (ålder: %2)</source>
        <translation>%1 (age: %2)</translation>
    </message>
    <message id="RecordAge">
        <source>Ålder: %1</source>
        <translation>Age: %1</translation>
    </message>
    <message id="RecordRelatives">
        <source>Anförvanter</source>
        <translation>Relatives</translation>
    </message>
    <message id="RecordRelativesSurname">
        <source>Anförvants efternamn</source>
        <translation>Relative&apos;s surname</translation>
    </message>
    <message id="PrintColumnName">
        <source>Namn</source>
        <translation>Name</translation>
    </message>
    <message id="PrintColumnSource">
        <source>Källa</source>
        <translation>Source</translation>
    </message>
    <message id="PrintColumnMarried">
        <source>Vigd</source>
        <translation>Married</translation>
    </message>
    <message id="PrintColumnMansName">
        <source>M, namn</source>
        <translation>M, name</translation>
    </message>
    <message id="PrintColumnMansTitleAge">
        <source>M, titel/ålder</source>
        <translation>M, title/age</translation>
    </message>
    <message id="PrintColumnMansPlace">
        <source>M, ort</source>
        <translation>M, place</translation>
    </message>
    <message id="PrintColumnWomansName">
        <source>K, namn</source>
        <translation>W, name</translation>
    </message>
    <message id="PrintColumnWomansTitleAge">
        <source>K, titel/ålder</source>
        <translation>W, title/age</translation>
    </message>
    <message id="PrintColumnWomansPlace">
        <source>K, ort</source>
        <translation>W, place</translation>
    </message>
    <message id="PrintColumnTitleAge">
        <source>Titel/ålder</source>
        <translation>Title/age</translation>
    </message>
    <message id="PrintColumnBuried">
        <source>Begr.</source>
        <translation>Buried</translation>
    </message>
    <message id="PrintPage">
        <source>Sida %1</source>
        <translation>Page %1</translation>
    </message>
    <message id="PrintRecordLabel">
        <source>Post: %1</source>
        <translation>Record: %1</translation>
    </message>
    <message id="PrintHeaderBirths">
        <source>Födda, %1</source>
        <translation>Births, %1</translation>
    </message>
    <message id="PrintHeaderMarriages">
        <source>Vigda, %1</source>
        <translation>Marriages, %1</translation>
    </message>
    <message id="PrintHeaderDeaths">
        <source>Döda, %1</source>
        <translation>Deaths, %1</translation>
    </message>
    <message id="PrintInDateOrder">
        <source>i datumordning, %1</source>
        <translation>in date order, %1</translation>
    </message>
    <message id="PrintInNameOrder">
        <source>i namnordning, %1</source>
        <translation>in name order, %1</translation>
    </message>
    <message id="PrintInSourceOrder">
        <source>i källans ordning, %1</source>
        <translation>in source order, %1</translation>
    </message>
    <message id="PrintSingleRecord">
        <source>%1, enstaka post, %2</source>
        <translation>%1, single record, %2</translation>
    </message>
    <message id="PrintStatusRecord">
        <source>Skriver ut post:</source>
        <translation>Printing record:</translation>
    </message>
    <message id="PrintStatusPage">
        <source>Skriver sida: %1</source>
        <translation>Printing page: %1</translation>
    </message>
    <message id="PrintStatusReading">
        <source>Läser poster ...</source>
        <translation>Reading records ...</translation>
    </message>
    <message id="PrintStatusSorting">
        <source>Sorterar ...</source>
        <translation>Sorting ...</translation>
    </message>
    <message id="PrintNothingSelected">
        <source>Det finns inga valda poster att skriva ut.</source>
        <translation>There are no selected records to print.</translation>
    </message>
    <message id="PrintDocumentName">
        <source>%1, utskrift</source>
        <translation>%1, print</translation>
    </message>
    <message id="PrintCannotStart">
        <source>Skrivaren kunde inte starta utskriften.</source>
        <translation>The printer could not start printing.</translation>
    </message>
    <message id="PrintCannotWriteFile">
        <source>Kunde inte skriva utskriften till %1.</source>
        <translation>Could not write the print to %1.</translation>
    </message>
    <message id="PrintColumnStillborn">
        <source> (df)</source>
        <translation> (stillborn)</translation>
    </message>
    <!-- The main window, its buttons and panels, the About text and the window "Möjliga samband". -->
    <!-- The program kuvo: its usage and what it says before a window opens. -->
    <message id="MainUsage">
        <source>Användning: kuvo [--ini FIL]</source>
        <translation>Usage: kuvo [--ini FILE]</translation>
    </message>
    <message id="MainNoDisplay">
        <source>ingen bildskärm hittades (varken DISPLAY eller WAYLAND_DISPLAY är satt)</source>
        <translation>no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)</translation>
    </message>
    <message id="MainProgramEnds">
        <source>Programmet avslutas.</source>
        <translation>The program will close.</translation>
    </message>
    <!-- The main window's heading, register toggles, table and record panel. -->
    <message id="MainAboutTovik">
        <source>Om Tovik och registren</source>
        <translation>About Tovik and the registers</translation>
    </message>
    <message id="MainLogo">
        <source>Registrets logotyp</source>
        <translation>The register&apos;s logo</translation>
    </message>
    <message id="MainHelp">
        <source>Hjälp</source>
        <translation>Help</translation>
    </message>
    <message id="MainShowBirths">
        <source>Visa träffarna bland födda</source>
        <translation>Show the hits among births</translation>
    </message>
    <message id="MainShowMarriages">
        <source>Visa träffarna bland vigda</source>
        <translation>Show the hits among marriages</translation>
    </message>
    <message id="MainShowDeaths">
        <source>Visa träffarna bland döda</source>
        <translation>Show the hits among deaths</translation>
    </message>
    <message id="MainBirthsPersons">
        <source>Födda, %1</source>
        <translation>Births, %1</translation>
    </message>
    <message id="MainMarriagesPersons">
        <source>Vigda, %1</source>
        <translation>Marriages, %1</translation>
    </message>
    <message id="MainDeathsPersons">
        <source>Döda, %1</source>
        <translation>Deaths, %1</translation>
    </message>
    <message id="MainNoPersons">
        <source>inga personer</source>
        <translation>no persons</translation>
    </message>
    <message id="MainOnePerson">
        <source>1 person</source>
        <translation>1 person</translation>
    </message>
    <message id="MainPersonCount">
        <source>%1 personer</source>
        <translation>%1 persons</translation>
    </message>
    <message id="MainSelected">
        <source>%1 valda</source>
        <translation>%1 selected</translation>
    </message>
    <message id="MainName">
        <source>Namn</source>
        <translation>Name</translation>
    </message>
    <message id="MainDate">
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message id="MainByName">
        <source>Ordna efter namn</source>
        <translation>Sort by name</translation>
    </message>
    <message id="MainByDate">
        <source>Ordna efter datum</source>
        <translation>Sort by date</translation>
    </message>
    <message id="MainPersons">
        <source>Personer</source>
        <translation>Persons</translation>
    </message>
    <message id="MainScrollPersons">
        <source>Rulla personerna</source>
        <translation>Scroll the persons</translation>
    </message>
    <message id="MainRecordId">
        <source>Postens id</source>
        <translation>The record&apos;s ID</translation>
    </message>
    <message id="MainRecord">
        <source>Posten</source>
        <translation>The record</translation>
    </message>
    <message id="MainScrollRecord">
        <source>Rulla posten</source>
        <translation>Scroll the record</translation>
    </message>
    <!-- The main window's command buttons: captions, then hints (the hints also name the buttons for a screen reader). -->
    <message id="MainBirths">
        <source>Födda</source>
        <translation>Births</translation>
    </message>
    <message id="MainMarriages">
        <source>Vigda</source>
        <comment>register</comment>
        <translation>Marriages</translation>
    </message>
    <message id="MainDeaths">
        <source>Döda</source>
        <translation>Deaths</translation>
    </message>
    <message id="MainFreeText">
        <source>Fritext</source>
        <translation>Free text</translation>
    </message>
    <message id="MainPrintList">
        <source>Skriv lista</source>
        <translation>Print list</translation>
    </message>
    <message id="MainAbout">
        <source>Om</source>
        <translation>About</translation>
    </message>
    <message id="MainExit">
        <source>Avsluta</source>
        <translation>Exit</translation>
    </message>
    <message id="MainClearHint">
        <source>Rensa alla sökningar</source>
        <translation>Clear all searches</translation>
    </message>
    <message id="MainCopyListHint">
        <source>Kopiera listan till urklipp</source>
        <translation>Copy the list to the clipboard</translation>
    </message>
    <message id="MainExportHint">
        <source>Spara träffarna som fil</source>
        <translation>Save the hits as a file</translation>
    </message>
    <message id="MainRemoveHint">
        <source>Välj bort personen</source>
        <translation>Remove the person from the hits</translation>
    </message>
    <message id="MainCopyRecordHint">
        <source>Kopiera till urklipp</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message id="MainPrintRecordHint">
        <source>Skriv ut personen</source>
        <translation>Print the person</translation>
    </message>
    <message id="MainPossibleLinks">
        <source>Möjliga samband</source>
        <translation>Possible links</translation>
    </message>
    <message id="MainSearchBirthsHint">
        <source>Sök bland födda</source>
        <translation>Search the births</translation>
    </message>
    <message id="MainSearchMarriagesHint">
        <source>Sök bland vigda</source>
        <translation>Search the marriages</translation>
    </message>
    <message id="MainSearchDeathsHint">
        <source>Sök bland döda</source>
        <translation>Search the deaths</translation>
    </message>
    <message id="MainFreeTextHint">
        <source>Sök i all text i alla register</source>
        <translation>Search all the text of every register</translation>
    </message>
    <message id="MainPrintListHint">
        <source>Skriv ut listan</source>
        <translation>Print the list</translation>
    </message>
    <message id="MainAboutHint">
        <source>Om registret</source>
        <translation>About the register</translation>
    </message>
    <message id="MainExitHint">
        <source>Avsluta programmet</source>
        <translation>Exit the program</translation>
    </message>
    <!-- Saving the hits as a file (Ctrl+E). -->
    <message id="MainSaveHits">
        <source>Spara träffarna</source>
        <translation>Save the hits</translation>
    </message>
    <message id="MainSourceTableFiles">
        <source>Källtabell (*.csv)</source>
        <translation>Source table (*.csv)</translation>
    </message>
    <message id="MainGedcomFiles">
        <source>GEDCOM för släktforskningsprogram (*.ged)</source>
        <translation>GEDCOM for genealogy programs (*.ged)</translation>
    </message>
    <message id="MainCannotWrite">
        <source>Kan inte skriva %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <!-- The About text's line of the program (the set's own text is shown as stored). -->
    <message id="MainAboutVersion">
        <source>Tovik, Valdrisen, ver. %1</source>
        <translation>Tovik, Valdrisen, version %1</translation>
    </message>
    <!-- The window "Möjliga samband". -->
    <message id="LinkTitle">
        <source>%1, möjliga samband</source>
        <translation>%1, possible links</translation>
    </message>
    <message id="LinkScrollList">
        <source>Rulla listan</source>
        <translation>Scroll the list</translation>
    </message>
    <message id="LinkCloseHint">
        <source>Stäng utan att visa någon post (Esc)</source>
        <translation>Close without showing a record (Esc)</translation>
    </message>
    <message id="LinkShowHint">
        <source>Visa posten i huvudfönstret (Enter)</source>
        <translation>Show the record in the main window (Enter)</translation>
    </message>
    <message id="LinkFor">
        <source>För %1</source>
        <translation>For %1</translation>
    </message>
    <message id="LinkNoneFound">
        <source>Inga möjliga samband hittades</source>
        <translation>No possible links found</translation>
    </message>
    <message id="LinkOne">
        <source>1 möjligt samband</source>
        <translation>1 possible link</translation>
    </message>
    <message id="LinkCount">
        <source>%1 möjliga samband</source>
        <translation>%1 possible links</translation>
    </message>
    <message id="LinkOneRecord">
        <source>1 post</source>
        <translation>1 record</translation>
    </message>
    <message id="LinkRecordCount">
        <source>%1 poster</source>
        <translation>%1 records</translation>
    </message>
    <message id="LinkKindDetail">
        <source>%1: %2, den mest sannolika först.</source>
        <translation>%1: %2, the most likely first.</translation>
    </message>
    <message id="LinkScoreDetail">
        <source>%1 poäng: %2.</source>
        <translation>%1 points: %2.</translation>
    </message>
    <message id="LinkPoints">
        <source>%1 poäng</source>
        <translation>%1 points</translation>
    </message>
    <message id="LinkParish">
        <source>Församling</source>
        <translation>Parish</translation>
    </message>
    <message id="LinkScore">
        <source>Poäng</source>
        <translation>Score</translation>
    </message>
    <message id="LinkReasons">
        <source>Skäl</source>
        <translation>Reasons</translation>
    </message>
    <!-- The kinds of link, as the list's group headings name them. -->
    <message id="LinkKindDeath">
        <source>Död</source>
        <comment>kind of link</comment>
        <translation>Death</translation>
    </message>
    <message id="LinkKindBirth">
        <source>Född</source>
        <comment>kind of link</comment>
        <translation>Birth</translation>
    </message>
    <message id="LinkKindMarriage">
        <source>Vigsel</source>
        <translation>Marriage</translation>
    </message>
    <message id="LinkKindChild">
        <source>Barn</source>
        <translation>Children</translation>
    </message>
    <message id="LinkKindHusbandBirth">
        <source>Mannens födelse</source>
        <translation>Husband&apos;s birth</translation>
    </message>
    <message id="LinkKindWifeBirth">
        <source>Hustruns födelse</source>
        <translation>Wife&apos;s birth</translation>
    </message>
    <message id="LinkKindHusbandDeath">
        <source>Mannens död</source>
        <translation>Husband&apos;s death</translation>
    </message>
    <message id="LinkKindWifeDeath">
        <source>Hustruns död</source>
        <translation>Wife&apos;s death</translation>
    </message>
    <message id="LinkKindSibling">
        <source>Syskon</source>
        <translation>Siblings</translation>
    </message>
    <!-- The reasons of a link, as the rules of linking/link_table.h word them; a reason counting one year has its own English. -->
    <message id="LinkSameGivenNames">
        <source>samma förnamn</source>
        <translation>same first names</translation>
    </message>
    <message id="LinkSharedGivenName">
        <source>förnamnet %1 i båda</source>
        <translation>the first name %1 in both</translation>
    </message>
    <message id="LinkSameSurname">
        <source>samma efternamn</source>
        <translation>same surname</translation>
    </message>
    <message id="LinkPatronymicSurname">
        <source>%1 efter fadern %2</source>
        <translation>%1 after the father %2</translation>
    </message>
    <message id="LinkFathersSurname">
        <source>faderns efternamn %1</source>
        <translation>the father&apos;s surname %1</translation>
    </message>
    <message id="LinkOtherSurname">
        <source>annat efternamn</source>
        <translation>another surname</translation>
    </message>
    <message id="LinkSameBirthDate">
        <source>samma födelsedatum</source>
        <translation>same date of birth</translation>
    </message>
    <message id="LinkSameBirthYear">
        <source>samma födelseår</source>
        <translation>same year of birth</translation>
    </message>
    <message id="LinkNearBirthYear">
        <source>född %1 och %2</source>
        <translation>born %1 and %2</translation>
    </message>
    <message id="LinkOtherBirthDate">
        <source>annat födelsedatum</source>
        <translation>another date of birth</translation>
    </message>
    <message id="LinkAgeMatchesBirth">
        <source>ålder %1 år stämmer med född %2</source>
        <translation>age %1 fits birth in %2</translation>
    </message>
    <message id="LinkAgeNearBirth">
        <source>ålder %1 år, född %2</source>
        <translation>age %1, born %2</translation>
    </message>
    <message id="LinkAgesAgree">
        <source>åldrarna stämmer, född %1</source>
        <translation>the ages agree, born %1</translation>
    </message>
    <message id="LinkUsualMarriageAge">
        <source>%1 år vid vigseln</source>
        <translation>aged %1 at the wedding</translation>
    </message>
    <message id="LinkSameFather">
        <source>fadern %1 i båda</source>
        <translation>the father %1 in both</translation>
    </message>
    <message id="LinkOtherFather">
        <source>annan fader</source>
        <translation>another father</translation>
    </message>
    <message id="LinkSameMother">
        <source>modern %1 i båda</source>
        <translation>the mother %1 in both</translation>
    </message>
    <message id="LinkOtherMother">
        <source>annan moder</source>
        <translation>another mother</translation>
    </message>
    <message id="LinkSameHusband">
        <source>maken %1 i båda</source>
        <translation>the husband %1 in both</translation>
    </message>
    <message id="LinkSameWife">
        <source>makan %1 i båda</source>
        <translation>the wife %1 in both</translation>
    </message>
    <message id="LinkMarriedSpouse">
        <source>gift med %1 enligt vigseln</source>
        <translation>married to %1 according to the marriage</translation>
    </message>
    <message id="LinkSamePlace">
        <source>samma ort</source>
        <translation>same place</translation>
    </message>
    <message id="LinkSameParish">
        <source>samma församling</source>
        <translation>same parish</translation>
    </message>
    <message id="LinkSameCounty">
        <source>samma län</source>
        <translation>same county</translation>
    </message>
    <message id="LinkBornInMarriage">
        <source>född %1 år %2 vigseln</source>
        <translation>born %1 years %2 the wedding</translation>
    </message>
    <message id="LinkBornInMarriageOneYear">
        <source>född 1 år %2 vigseln</source>
        <translation>born 1 year %2 the wedding</translation>
    </message>
    <message id="LinkSiblingYears">
        <source>född %1 år %2</source>
        <translation>born %1 years %2</translation>
    </message>
    <message id="LinkSiblingOneYear">
        <source>född 1 år %2</source>
        <translation>born 1 year %2</translation>
    </message>
    <message id="LinkBefore">
        <source>före</source>
        <translation>before</translation>
    </message>
    <message id="LinkAfter">
        <source>efter</source>
        <translation>after</translation>
    </message>
    <!-- A key's name in the buttons' hints, as the keyboard labels it. -->
    <message id="KeyShift">
        <source>Skift</source>
        <translation>Shift</translation>
    </message>
    <!-- (the main window's texts end here) -->

    <!-- The search forms, the picker, the normalisation view and the free-text window. -->
    <message id="FormHeadingBirths">
        <source>Sök bland födda</source>
        <translation>Search the births</translation>
    </message>
    <message id="FormHeadingMarriages">
        <source>Sök bland vigda</source>
        <translation>Search the marriages</translation>
    </message>
    <message id="FormHeadingDeaths">
        <source>Sök bland döda</source>
        <translation>Search the deaths</translation>
    </message>
    <message id="FormTitleBirths">
        <source>, sök födda</source>
        <translation>, search births</translation>
    </message>
    <message id="FormTitleMarriages">
        <source>, sök vigda</source>
        <translation>, search marriages</translation>
    </message>
    <message id="FormTitleDeaths">
        <source>, sök döda</source>
        <translation>, search deaths</translation>
    </message>
    <message id="FormLokalId">
        <source>Lokal-ID</source>
        <translation>Local ID</translation>
    </message>
    <message id="FormJumpToLokalId">
        <source>Sök lokal-ID &gt;&gt;</source>
        <translation>Find Local ID &gt;&gt;</translation>
    </message>
    <message id="FormJumpToLokalIdName">
        <source>Sök lokal-ID</source>
        <translation>Find Local ID</translation>
    </message>
    <message id="FormTypeHint">
        <source>Skriv in sökord</source>
        <translation>Type search words</translation>
    </message>
    <message id="FormTypeTip">
        <source>Skriv in sökord (Skift+F4)</source>
        <translation>Type search words (Shift+F4)</translation>
    </message>
    <message id="FormListHint">
        <source>Välj sökord från lista</source>
        <translation>Choose search words from a list</translation>
    </message>
    <message id="FormListTip">
        <source>Välj sökord från lista (F4)</source>
        <translation>Choose search words from a list (F4)</translation>
    </message>
    <message id="FormTypeButtonName">
        <source>%1: skriv in sökord</source>
        <translation>%1: type search words</translation>
    </message>
    <message id="FormListButtonName">
        <source>%1: välj sökord från lista</source>
        <translation>%1: choose search words from a list</translation>
    </message>
    <message id="FormSearch">
        <source>Sök</source>
        <translation>Search</translation>
    </message>
    <message id="FormSearchHint">
        <source>Sök (Enter)</source>
        <translation>Search (Enter)</translation>
    </message>
    <message id="FormClear">
        <source>Rensa</source>
        <translation>Clear</translation>
    </message>
    <message id="FormClearHint">
        <source>Rensa formuläret</source>
        <translation>Clear the form</translation>
    </message>
    <message id="FormNormalisationList">
        <source>Normeringslista</source>
        <translation>Normalisation list</translation>
    </message>
    <message id="FormNormalisationHint">
        <source>Visa normerade namn och orter</source>
        <translation>Show the normalised names and places</translation>
    </message>
    <message id="FormCloseHint">
        <source>Stäng utan att söka (Esc)</source>
        <translation>Close without searching (Esc)</translation>
    </message>
    <message id="FormTermTooLong">
        <source>Sökordet är för långt (högst %1 tecken): %2</source>
        <translation>The search word is too long (at most %1 characters): %2</translation>
    </message>
    <message id="FormNotGiven">
        <source>%1 (inga uppg.)</source>
        <translation>%1 (not given)</translation>
    </message>
    <message id="FormBirthOrBaptismDate">
        <source>Födelse- eller dopdatum</source>
        <translation>Date of birth or baptism</translation>
    </message>
    <message id="FormBirthPlace">
        <source>Födelseort</source>
        <translation>Place of birth</translation>
    </message>
    <message id="FormBirthParish">
        <source>Födelseförsamling</source>
        <translation>Parish of birth</translation>
    </message>
    <message id="FormMothersTitle">
        <source>Moderns titel</source>
        <translation>Mother&apos;s title</translation>
    </message>
    <message id="FormMothersResidence">
        <source>Moderns hemort</source>
        <translation>Mother&apos;s residence</translation>
    </message>
    <message id="FormFathersTitle">
        <source>Faderns titel</source>
        <translation>Father&apos;s title</translation>
    </message>
    <message id="FormFathersResidence">
        <source>Faderns hemort</source>
        <translation>Father&apos;s residence</translation>
    </message>
    <message id="FormGodparentsFree">
        <source>Dopvittnen (fritt)</source>
        <translation>Godparents (free text)</translation>
    </message>
    <message id="FormOtherFree">
        <source>Övriga uppgifter (fritt)</source>
        <translation>Other information (free text)</translation>
    </message>
    <message id="FormMarriageOrBannsDate">
        <source>Vigsel- eller lysningsdatum</source>
        <translation>Date of marriage or banns</translation>
    </message>
    <message id="FormMarriageParish">
        <source>Vigselförsamling</source>
        <translation>Parish of marriage</translation>
    </message>
    <message id="FormWomansTitle">
        <source>Kvinnans titel</source>
        <translation>The woman&apos;s title</translation>
    </message>
    <message id="FormMansTitle">
        <source>Mannens titel</source>
        <translation>The man&apos;s title</translation>
    </message>
    <message id="FormBirthDate">
        <source>Födelsedatum</source>
        <translation>Date of birth</translation>
    </message>
    <message id="FormDeathOrBurialDate">
        <source>Döds- eller begravningsdatum</source>
        <translation>Date of death or burial</translation>
    </message>
    <message id="FormDeathPlace">
        <source>Dödsort</source>
        <translation>Place of death</translation>
    </message>
    <message id="FormDeathParish">
        <source>Dödsförsamling</source>
        <translation>Parish of death</translation>
    </message>
    <message id="FormTitle">
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message id="FormRelativesFree">
        <source>Anförvanter (fritt)</source>
        <translation>Relatives (free text)</translation>
    </message>
    <message id="FormRelativesFirstName">
        <source>Anförvants förnamn</source>
        <translation>Relative&apos;s first name</translation>
    </message>
    <message id="FormRelativesFirstNameUnnorm">
        <source>Anförvants förnamn (onorm.)</source>
        <translation>Relative&apos;s first name (unnorm.)</translation>
    </message>
    <message id="FormRelativesFirstNameUnnormalised">
        <source>Anförvants förnamn (onormerat)</source>
        <translation>Relative&apos;s first name (not normalised)</translation>
    </message>
    <message id="FormRelativesSurnameUnnormalised">
        <source>Anförvants efternamn (onormerat)</source>
        <translation>Relative&apos;s surname (not normalised)</translation>
    </message>
    <message id="PickerTitle">
        <source>, välj sökord</source>
        <translation>, choose search words</translation>
    </message>
    <message id="PickerSearchWords">
        <source>Sökord</source>
        <translation>Search words</translation>
    </message>
    <message id="PickerScrollList">
        <source>Rulla listan</source>
        <translation>Scroll the list</translation>
    </message>
    <message id="PickerClearTicks">
        <source>Ta bort alla bockar</source>
        <translation>Remove all ticks</translation>
    </message>
    <message id="PickerUseChosen">
        <source>Använd de valda orden</source>
        <translation>Use the chosen words</translation>
    </message>
    <message id="PickerCount">
        <source>Valda: %1 av %2</source>
        <translation>Chosen: %1 of %2</translation>
    </message>
    <message id="PickerQuickSearch">
        <source>Snabbsök i listan</source>
        <translation>Quick search in the list</translation>
    </message>
    <message id="PickerClose">
        <source>Stäng</source>
        <translation>Close</translation>
    </message>
    <message id="NormHeading">
        <source>Normerade ord</source>
        <translation>Normalised words</translation>
    </message>
    <message id="NormTitle">
        <source>, visa normeringar</source>
        <translation>, show normalisations</translation>
    </message>
    <message id="NormMensNames">
        <source>Förnamn, M</source>
        <translation>Men</translation>
    </message>
    <message id="NormWomensNames">
        <source>Förnamn, K</source>
        <translation>Women</translation>
    </message>
    <message id="NormCount">
        <source>%1 normerade ord</source>
        <translation>%1 words</translation>
    </message>
    <message id="FreeTextTitle">
        <source>, sök alla</source>
        <translation>, search all</translation>
    </message>
    <message id="FreeTextLabel">
        <source>Fri sökning i alla fält</source>
        <translation>Free search in all fields</translation>
    </message>
    <message id="FreeTextSearchHint">
        <source>Sök i alla register (Enter)</source>
        <translation>Search all registers (Enter)</translation>
    </message>
    <message id="FreeTextClearHint">
        <source>Töm fältet</source>
        <translation>Empty the field</translation>
    </message>
    <!-- (the search windows' texts end here) -->

    <!-- The print dialog, the text window and the printed pages' headings. -->
    <message id="PrintHeadingBirths">
        <source>Skriv ut födda</source>
        <translation>Print births</translation>
    </message>
    <message id="PrintHeadingMarriages">
        <source>Skriv ut vigda</source>
        <translation>Print marriages</translation>
    </message>
    <message id="PrintHeadingDeaths">
        <source>Skriv ut döda</source>
        <translation>Print deaths</translation>
    </message>
    <message id="PrintWhatLabel">
        <source>Skriv ut:</source>
        <translation>Print:</translation>
    </message>
    <message id="PrintAllDetails">
        <source>Alla uppgifter</source>
        <translation>All details</translation>
    </message>
    <message id="PrintTableChoice">
        <source>Tabell</source>
        <translation>Table</translation>
    </message>
    <message id="PrintOrderLabel">
        <source>Ordna och gruppera efter:</source>
        <translation>Order and group by:</translation>
    </message>
    <message id="PrintOrderName">
        <source>Namn</source>
        <translation>Name</translation>
    </message>
    <message id="PrintOrderDate">
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message id="PrintOrderSource">
        <source>Källa</source>
        <translation>Source</translation>
    </message>
    <message id="PrintCountLine">
        <source>%1 personer kommer att skrivas ut. Ange ett intervall till höger om du inte vill skriva ut alla.</source>
        <translation>%1 persons will be printed. Give a range on the right if you do not want to print them all.</translation>
    </message>
    <message id="PrintFromRecord">
        <source>Från post</source>
        <translation>From record</translation>
    </message>
    <message id="PrintToRecord">
        <source>Till post</source>
        <translation>To record</translation>
    </message>
    <message id="PrintEscCancels">
        <source>(Esc avbryter)</source>
        <translation>(Esc cancels)</translation>
    </message>
    <message id="PrintStartHint">
        <source>Skriv ut (Enter)</source>
        <translation>Print (Enter)</translation>
    </message>
    <message id="PrintStart">
        <source>Skriv ut</source>
        <translation>Print</translation>
    </message>
    <message id="PrintPrinterButton">
        <source>Skrivare…</source>
        <translation>Printer…</translation>
    </message>
    <message id="PrintPrinterHint">
        <source>Välj skrivare, papper eller PDF-fil</source>
        <translation>Choose the printer, the paper or a PDF file</translation>
    </message>
    <message id="PrintPrinter">
        <source>Skrivare</source>
        <translation>Printer</translation>
    </message>
    <message id="PrintCloseHint">
        <source>Stäng utan att skriva ut (Esc)</source>
        <translation>Close without printing (Esc)</translation>
    </message>
    <message id="TextWinTitle">
        <source>%1, hjälptext</source>
        <translation>%1, help text</translation>
    </message>
    <message id="TextWinName">
        <source>Hjälptext</source>
        <translation>Help text</translation>
    </message>
    <message id="TextWinHeading">
        <source>Rubrik</source>
        <translation>Heading</translation>
    </message>
    <message id="TextWinVersion">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="TextWinText">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="TextWinScroll">
        <source>Rulla texten</source>
        <translation>Scroll the text</translation>
    </message>
    <message id="TextWinClose">
        <source>Stäng</source>
        <translation>Close</translation>
    </message>
    <message id="TextWinCopy">
        <source>Kopiera till urklipp</source>
        <translation>Copy to clipboard</translation>
    </message>
    <!-- kuvo-data info: its descriptions of a file; what the file holds is shown as stored. -->
    <message id="DataInfoFile">
        <source>Fil: %1</source>
        <translation>File: %1</translation>
    </message>
    <message id="DataInfoCannotOpen">
        <source>Kan inte öppna filen %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message id="DataInfoStoredPlain">
        <source>Typ: lagrad data utan huvud (packas upp till sig själv)</source>
        <translation>Type: stored data without a header (unpacks to itself)</translation>
    </message>
    <message id="DataInfoSize">
        <source>Storlek: %1 byte</source>
        <translation>Size: %1 bytes</translation>
    </message>
    <message id="DataInfoStream">
        <source>Typ: komprimerad ström</source>
        <translation>Type: compressed stream</translation>
    </message>
    <message id="DataInfoMethod">
        <source>Metod: %1</source>
        <translation>Method: %1</translation>
    </message>
    <message id="DataInfoPackedSize">
        <source>Packad storlek: %1 byte (huvud 21, kodad data %2)</source>
        <translation>Packed size: %1 bytes (header 21, coded data %2)</translation>
    </message>
    <message id="DataInfoUnpackedSize">
        <source>Uppackad storlek: %1 byte</source>
        <translation>Unpacked size: %1 bytes</translation>
    </message>
    <message id="DataInfoShare">
        <source>Andel: %1 %</source>
        <translation>Share: %1 %</translation>
    </message>
    <message id="DataInfoArchiveType">
        <source>Arkivtyp: %1</source>
        <translation>Archive type: %1</translation>
    </message>
    <message id="DataInfoChecksum">
        <source>Kontrollsumma: %1</source>
        <translation>Checksum: %1</translation>
    </message>
    <message id="DataInfoLock">
        <source>Lås: %1</source>
        <translation>Lock: %1</translation>
    </message>
    <message id="DataInfoStreamSound">
        <source>Kontroll: strömmen packas upp utan fel (%1 byte)</source>
        <translation>Check: the stream unpacks without errors (%1 bytes)</translation>
    </message>
    <message id="DataInfoStreamFault">
        <source>Kontroll: FEL: %1</source>
        <translation>Check: ERROR: %1</translation>
    </message>
    <message id="DataInfoPointersShort">
        <source>Typ: pekarlista, men filen är kortare än sitt huvud (%1 byte)</source>
        <translation>Type: pointer list, but the file is shorter than its header (%1 bytes)</translation>
    </message>
    <message id="DataInfoSortOrder">
        <source>Typ: pekarlista (sorteringsordning)</source>
        <translation>Type: pointer list (sort order)</translation>
    </message>
    <message id="DataInfoRecordPointers">
        <source>Typ: pekarlista (postpekare)</source>
        <translation>Type: pointer list (record pointers)</translation>
    </message>
    <message id="DataInfoBlockPointers">
        <source>Typ: pekarlista (blockpekare)</source>
        <translation>Type: pointer list (block pointers)</translation>
    </message>
    <message id="DataInfoListType">
        <source>Listtyp enligt huvudet: %1</source>
        <translation>List type in the header: %1</translation>
    </message>
    <message id="DataInfoCount">
        <source>Antal: %1</source>
        <translation>Count: %1</translation>
    </message>
    <message id="DataInfoCapacity">
        <source>Kapacitet: %1</source>
        <translation>Capacity: %1</translation>
    </message>
    <message id="DataInfoOnlyRecords">
        <source>VARNING: filen rymmer bara %1 poster</source>
        <translation>WARNING: the file holds only %1 records</translation>
    </message>
    <message id="DataInfoStoreInBlocks">
        <source>Typ: postregister (poster i komprimerade block)</source>
        <translation>Type: record store (records in compressed blocks)</translation>
    </message>
    <message id="DataInfoStorePlain">
        <source>Typ: postregister (okomprimerat)</source>
        <translation>Type: record store (uncompressed)</translation>
    </message>
    <message id="DataInfoStoreUnopenable">
        <source>Registret kan inte öppnas (saknas .p eller är filen skadad?)</source>
        <translation>The store cannot be opened (is the .p missing or the file damaged?)</translation>
    </message>
    <message id="DataInfoRecordCount">
        <source>Antal poster: %1</source>
        <translation>Records: %1</translation>
    </message>
    <message id="DataInfoFields">
        <source>Fält: %1</source>
        <translation>Fields: %1</translation>
    </message>
    <message id="DataInfoRecordUnreadable">
        <source>Post %1 kan inte läsas</source>
        <translation>Record %1 cannot be read</translation>
    </message>
    <message id="DataInfoRecord">
        <source>Post %1:</source>
        <translation>Record %1:</translation>
    </message>
    <message id="DataInfoExpandFault">
        <source>FEL vid uppackning: %1</source>
        <translation>ERROR while unpacking: %1</translation>
    </message>
    <message id="DataInfoList">
        <source>Typ: lista (%1%2)</source>
        <translation>Type: list (%1%2)</translation>
    </message>
    <message id="DataInfoRowsInBlocks">
        <source>rader i komprimerade block</source>
        <translation>rows in compressed blocks</translation>
    </message>
    <message id="DataInfoListPlain">
        <source>okomprimerad</source>
        <translation>uncompressed</translation>
    </message>
    <message id="DataInfoWithPostings">
        <source>, med postningar</source>
        <translation>, with postings</translation>
    </message>
    <message id="DataInfoListUnopenable">
        <source>Listan kan inte öppnas</source>
        <translation>The list cannot be opened</translation>
    </message>
    <message id="DataInfoRows">
        <source>Antal rader: %1</source>
        <translation>Rows: %1</translation>
    </message>
    <message id="DataInfoRowLength">
        <source>Radlängd: %1 byte (textyta %2)</source>
        <translation>Row length: %1 bytes (text area %2)</translation>
    </message>
    <message id="DataInfoValue">
        <source>värde %1</source>
        <translation>value %1</translation>
    </message>
    <message id="DataInfoOneRecord">
        <source>post %1</source>
        <translation>record %1</translation>
    </message>
    <message id="DataInfoRecords">
        <source>%1 poster</source>
        <translation>%1 records</translation>
    </message>
    <message id="DataInfoRecordsListed">
        <source>poster: %1</source>
        <translation>records: %1</translation>
    </message>
    <message id="DataInfoBlobShort">
        <source>Typ: blobfil, men filen är kortare än sitt huvud</source>
        <translation>Type: blob file, but the file is shorter than its header</translation>
    </message>
    <message id="DataInfoListPostings">
        <source>Typ: blobfil (postningar för en lista)</source>
        <translation>Type: blob file (postings of a list)</translation>
    </message>
    <message id="DataInfoFreeTextPostings">
        <source>Typ: blobfil (postningar för en fritextlista)</source>
        <translation>Type: blob file (postings of a free-text list)</translation>
    </message>
    <message id="DataInfoFirstRecordAt">
        <source>Första posten på: %1</source>
        <translation>First record at: %1</translation>
    </message>
    <message id="DataInfoFreeTextShort">
        <source>Typ: fritextlista, men filen är kortare än sitt huvud</source>
        <translation>Type: free-text list, but the file is shorter than its header</translation>
    </message>
    <message id="DataInfoFreeText">
        <source>Typ: fritextlista</source>
        <translation>Type: free-text list</translation>
    </message>
    <message id="DataInfoBlocks">
        <source>Antal block: %1</source>
        <translation>Blocks: %1</translation>
    </message>
    <message id="DataInfoBlockOutside">
        <source>VARNING: ett block går utanför filen</source>
        <translation>WARNING: a block runs past the end of the file</translation>
    </message>
    <message id="DataInfoTrigramIn">
        <source>%1 i %2 av %3 block</source>
        <translation>%1 in %2 of %3 blocks</translation>
    </message>
    <message id="DataInfoFilterSound">
        <source>Kontroll: tabellerna och listorna stämmer med sina kontrollsummor</source>
        <translation>Check: the tables and lists match their checksums</translation>
    </message>
    <message id="DataInfoFilterDamaged">
        <source>VARNING: filen är skadad (en kontrollsumma eller lista stämmer inte)</source>
        <translation>WARNING: the file is damaged (a checksum or a list does not match)</translation>
    </message>
    <message id="DataInfoFilterBadHeader">
        <source>Typ: trigramfilter, men huvudet är skadat eller av en annan version</source>
        <translation>Type: trigram filter, but its header is damaged or of another version</translation>
    </message>
    <message id="DataInfoFilter">
        <source>Typ: trigramfilter för en fritextlista (version %1)</source>
        <translation>Type: trigram filter of a free-text list (version %1)</translation>
    </message>
    <message id="DataInfoFilterMadeFor">
        <source>Gjort för en postfil (.f1) på %1 byte, %2 block, %3 rader</source>
        <translation>Made for an entry file (.f1) of %1 bytes, %2 blocks, %3 rows</translation>
    </message>
    <message id="DataInfoFilterBlocks">
        <source>Filterblock: %1</source>
        <translation>Filter blocks: %1</translation>
    </message>
    <message id="DataInfoTrigrams">
        <source>Trigram: %1 (listor på %2 byte)</source>
        <translation>Trigrams: %1 (lists of %2 bytes)</translation>
    </message>
    <message id="DataInfoFilterSize">
        <source>VARNING: filen har %1 byte, huvudet anger %2</source>
        <translation>WARNING: the file has %1 bytes, its header says %2</translation>
    </message>
    <message id="DataInfoPictureBase">
        <source>Typ: bildbas</source>
        <translation>Type: picture base</translation>
    </message>
    <message id="DataInfoPictureIndex">
        <source>Typ: bildbas (namnindexet)</source>
        <translation>Type: picture base (its name index)</translation>
    </message>
    <message id="DataInfoPictureBaseUnopenable">
        <source>Bildbasen kan inte öppnas (saknas .b eller .p, eller är filen skadad?)</source>
        <translation>The picture base cannot be opened (is the .b or .p missing, or the file damaged?)</translation>
    </message>
    <message id="DataInfoNameIndexYes">
        <source>Namnindex: ja</source>
        <translation>Name index: yes</translation>
    </message>
    <message id="DataInfoNameIndexNo">
        <source>Namnindex: nej</source>
        <translation>Name index: no</translation>
    </message>
    <message id="DataInfoPictures">
        <source>Antal bilder: %1</source>
        <translation>Pictures: %1</translation>
    </message>
    <message id="DataInfoPicture">
        <source>%1: typ %2, placering &quot;%3&quot;, %4 %5 × %6 bildpunkter, %7 byte</source>
        <translation>%1: type %2, placement &quot;%3&quot;, %4 %5 × %6 pixels, %7 bytes</translation>
    </message>
    <message id="DataInfoPictureUnknown">
        <source>%1: typ %2, placering &quot;%3&quot;, okänt bildformat, %4 byte</source>
        <translation>%1: type %2, placement &quot;%3&quot;, unknown picture format, %4 bytes</translation>
    </message>
    <message id="DataInfoFault">
        <source>FEL: %1</source>
        <translation>ERROR: %1</translation>
    </message>
    <message id="DataInfoShape">
        <source>form: %1 rektanglar inom (%2,%3)-(%4,%5)</source>
        <translation>shape: %1 rectangles within (%2,%3)-(%4,%5)</translation>
    </message>
    <message id="DataInfoShapeFault">
        <source>form: FEL: %1</source>
        <translation>shape: ERROR: %1</translation>
    </message>
    <!-- (the output windows' texts end here) -->

    <!-- What the engine, the session and the builder report (files, lines, values as arguments). -->
    <message id="EngineMoreMessages">
        <source>%2 (Ytterligare %1 meddelanden under samma åtgärd visas inte.)</source>
        <translation>%2 (%1 more messages during the same operation are not shown.)</translation>
    </message>
    <message id="EngineMoreSearchMessages">
        <source>Ytterligare %1 meddelanden under samma sökning visas inte.</source>
        <translation>%1 more messages during the same search are not shown.</translation>
    </message>
    <message id="EnginePostingsListEnds">
        <source>listan tar slut</source>
        <translation>the list ends</translation>
    </message>
    <message id="EnginePostingsBadBlockLength">
        <source>ogiltig blocklängd %1</source>
        <translation>invalid block length %1</translation>
    </message>
    <message id="EnginePostingsCodeSplit">
        <source>en kod delas av blockgränsen</source>
        <translation>a code is split by the block boundary</translation>
    </message>
    <message id="EnginePostingsDamaged">
        <source>Skadad postningslista: %3 efter %1 av %2 nummer.</source>
        <translation>Damaged postings list: %3 after %1 of %2 numbers.</translation>
    </message>
    <message id="EnginePostingsDamagedIn">
        <source>Skadad postningslista i %1: %4 efter %2 av %3 nummer.</source>
        <translation>Damaged postings list in %1: %4 after %2 of %3 numbers.</translation>
    </message>
    <message id="EngineRecordOutsideSelection">
        <source>Postnummer %1 ligger utanför urvalet (1-%2).</source>
        <translation>Record number %1 lies outside the selection (1-%2).</translation>
    </message>
    <message id="EngineRecordOutsideSelectionIn">
        <source>Postnummer %1 i %2 ligger utanför urvalet (1-%3).</source>
        <translation>Record number %1 in %2 lies outside the selection (1-%3).</translation>
    </message>
    <message id="EngineRowOutsideList">
        <source>Rad %1 (plats %2) i %3 finns inte i listan (%4 rader).</source>
        <translation>Row %1 (position %2) in %3 is not in the list (%4 rows).</translation>
    </message>
    <message id="EngineSortOrderCutShort">
        <source>Sorteringsordningen %1 är skadad: filen har färre rader än den anger. Den används inte.</source>
        <translation>The sort order %1 is damaged: the file has fewer rows than it states. It is not used.</translation>
    </message>
    <message id="EngineListCannotOpen">
        <source>4: Listan %1 kan inte öppnas.</source>
        <translation>4: The list %1 cannot be opened.</translation>
    </message>
    <message id="EngineListNotOpen">
        <source>Listan %1 är inte öppen.</source>
        <translation>The list %1 is not open.</translation>
    </message>
    <message id="EngineRowMissing">
        <source>Rad %1 finns inte i %2.</source>
        <translation>Row %1 is not in %2.</translation>
    </message>
    <message id="EnginePostingsCannotOpen">
        <source>Postningsfilen %1 kunde inte öppnas; träffar kan saknas.</source>
        <translation>The postings file %1 could not be opened; hits may be missing.</translation>
    </message>
    <message id="EngineFilterNotUsed">
        <source>Filterfilen %1 är skadad eller hör inte till %2 och används inte.</source>
        <translation>The filter file %1 is damaged or does not belong to %2 and is not used.</translation>
    </message>
    <message id="EngineRecordFileNotOpen">
        <source>Registerfilen %1 är inte öppen.</source>
        <translation>The register file %1 is not open.</translation>
    </message>
    <message id="EngineRecordTooLong">
        <source>Post %1 i %2 är längre än %3 tecken.</source>
        <translation>Record %1 in %2 is longer than %3 characters.</translation>
    </message>
    <message id="EngineRecordMissing">
        <source>Post %1 i %2 finns inte.</source>
        <translation>Record %1 in %2 does not exist.</translation>
    </message>
    <message id="CatalogueNoRegisters">
        <source>Inga register hittades: %1 finns inte.</source>
        <translation>No registers were found: %1 does not exist.</translation>
    </message>
    <message id="CatalogueNoRegistersFolder">
        <source>Inga register hittades: %1 finns inte. Inställningen hdbasen &quot;%2&quot; är en mapp men slutar inte med &quot;%3&quot; – menade du &quot;%2%3&quot;?</source>
        <translation>No registers were found: %1 does not exist. The setting hdbasen &quot;%2&quot; is a folder but does not end with &quot;%3&quot; – did you mean &quot;%2%3&quot;?</translation>
    </message>
    <message id="SessionCannotRead">
        <source>Kan inte läsa %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message id="SessionNothingOpen">
        <source>Ingen registeruppsättning är öppen.</source>
        <translation>No register set is open.</translation>
    </message>
    <message id="SessionNoSuchRegister">
        <source>Register %1 finns inte.</source>
        <translation>Register %1 does not exist.</translation>
    </message>
    <message id="SessionBirthsMissing">
        <source>Registret födda finns inte i registeruppsättningen i %1.</source>
        <translation>The births register is not in the register set in %1.</translation>
    </message>
    <message id="SessionMarriagesMissing">
        <source>Registret vigda finns inte i registeruppsättningen i %1.</source>
        <translation>The marriages register is not in the register set in %1.</translation>
    </message>
    <message id="SessionDeathsMissing">
        <source>Registret döda finns inte i registeruppsättningen i %1.</source>
        <translation>The deaths register is not in the register set in %1.</translation>
    </message>
    <message id="SessionDamagedFile">
        <source>Skadad registerfil %1: %2</source>
        <translation>Damaged register file %1: %2</translation>
    </message>
    <message id="SessionDamagedFileIn">
        <source>Skadad registerfil i %1: %2</source>
        <translation>Damaged register file in %1: %2</translation>
    </message>
    <message id="SessionOutOfMemory">
        <source>Minnet räcker inte till.</source>
        <translation>There is not enough memory.</translation>
    </message>
    <message id="SessionUnexpectedError">
        <source>Oväntat fel: %1</source>
        <translation>Unexpected error: %1</translation>
    </message>
    <message id="SessionFormHasNoField">
        <source>Sökformuläret har inget fält %1.</source>
        <translation>The search form has no field %1.</translation>
    </message>
    <message id="SessionFieldEmpty">
        <source>Fältet &quot;%1&quot; kan inte sökas: registret har inga uppgifter i det.</source>
        <translation>The field &quot;%1&quot; cannot be searched: the register holds no information in it.</translation>
    </message>
    <message id="SessionFieldHasNoWordList">
        <source>Fältet %1 har ingen ordlista.</source>
        <translation>The field %1 has no word list.</translation>
    </message>
    <message id="SessionHelpTextMissing">
        <source>Hjälptexten %1 finns inte.</source>
        <translation>The help text %1 does not exist.</translation>
    </message>
    <message id="BuilderSortFileUnwritable">
        <source>den tillfälliga sorteringsfilen kan inte skrivas</source>
        <translation>the temporary sort file cannot be written</translation>
    </message>
    <message id="BuilderSortFileUnreadable">
        <source>den tillfälliga sorteringsfilen kan inte läsas tillbaka</source>
        <translation>the temporary sort file cannot be read back</translation>
    </message>
    <message id="BuilderSortFileUnreadableForList">
        <source>kan inte skrivas: den tillfälliga sorteringsfilen kan inte läsas</source>
        <translation>cannot be written: the temporary sort file cannot be read</translation>
    </message>
    <message id="BuilderCannotCreate">
        <source>kan inte skapas</source>
        <translation>cannot be created</translation>
    </message>
    <message id="BuilderCannotWrite">
        <source>kan inte skrivas</source>
        <translation>cannot be written</translation>
    </message>
    <message id="BuilderCannotCreateFolder">
        <source>kan inte skapas som mapp</source>
        <translation>cannot be created as a folder</translation>
    </message>
    <message id="BuilderCannotMove">
        <source>kan inte flyttas på plats: %1</source>
        <translation>cannot be moved into place: %1</translation>
    </message>
    <message id="BuilderRecordRowUnwritable">
        <source>raden för post %1 kan inte skrivas</source>
        <translation>the row for record %1 cannot be written</translation>
    </message>
    <message id="BuilderWordRowUnwritable">
        <source>raden för ordet %1 kan inte skrivas</source>
        <translation>the row for the word %1 cannot be written</translation>
    </message>
    <message id="BuilderRowUnwritable">
        <source>raden %1 kan inte skrivas</source>
        <translation>the row %1 cannot be written</translation>
    </message>
    <message id="BuilderRecordUnreadableBack">
        <source>posten kan inte läsas tillbaka</source>
        <translation>the record cannot be read back</translation>
    </message>
    <message id="BuilderRecordUnwritable">
        <source>posten kan inte skrivas till registret</source>
        <translation>the record cannot be written to the register</translation>
    </message>
    <message id="BuilderTextTooLong">
        <source>texten är för lång eller innehåller en nollbyte</source>
        <translation>the text is too long or contains a null byte</translation>
    </message>
    <message id="BuilderNoSourceFiles">
        <source>mappen har varken fodda.csv, vigda.csv eller doda.csv</source>
        <translation>the folder has none of fodda.csv, vigda.csv and doda.csv</translation>
    </message>
    <message id="BuilderNoWorkFolder">
        <source>ingen arbetsmapp kan skapas bredvid den</source>
        <translation>no working folder can be created beside it</translation>
    </message>
    <message id="BuilderFileEmpty">
        <source>filen är tom; den första raden ska ange fältnamnen</source>
        <translation>the file is empty; its first line must give the field names</translation>
    </message>
    <message id="BuilderFieldCount">
        <source>posten har %1 fält, men rubrikraden har %2</source>
        <translation>the record has %1 fields, but the header line has %2</translation>
    </message>
    <message id="BuilderQuoteNeverEnds">
        <source>citattecknet som börjar här avslutas aldrig (fält %1)</source>
        <translation>the quotation mark that starts here is never closed (field %1)</translation>
    </message>
    <message id="BuilderAfterQuotedValue">
        <source>efter ett citerat värde ska avgränsaren eller radslut följa (fält %1)</source>
        <translation>a quoted value must be followed by the separator or the end of the line (field %1)</translation>
    </message>
    <message id="BuilderNormFieldsTooLong">
        <source>fälten %1 och %2 är för långa för normeringslistan</source>
        <translation>the fields %1 and %2 are too long for the normalisation list</translation>
    </message>
    <message id="BuilderPictureUnreadable">
        <source>filen kan inte läsas eller är större än 16 MB</source>
        <translation>the file cannot be read or is larger than 16 MB</translation>
    </message>
    <message id="BuilderFileUnreadable">
        <source>filen kan inte läsas</source>
        <translation>the file cannot be read</translation>
    </message>
    <message id="BuilderPictureNotPng">
        <source>filen är ingen PNG-bild; registrets bilder ska vara PNG</source>
        <translation>the file is not a PNG image; the register&apos;s pictures must be PNG</translation>
    </message>
    <message id="BuilderNameNotCp1252">
        <source>namnet har tecken som Windows-1252 saknar</source>
        <translation>the name has characters that Windows-1252 lacks</translation>
    </message>
    <message id="BuilderPictureNameLength">
        <source>bildens namn ska ha 1 till 20 tecken</source>
        <translation>the picture&apos;s name must have 1 to 20 characters</translation>
    </message>
    <message id="BuilderCharacterNotCp1252">
        <source>tecknet %1 finns inte i Windows-1252</source>
        <translation>the character %1 is not in Windows-1252</translation>
    </message>
    <message id="BuilderBadTextCode">
        <source>filnamnet duger inte som textkod</source>
        <translation>the file name will not do as a text code</translation>
    </message>
    <message id="BuilderColumnUnnamed">
        <source>kolumn %1 saknar fältnamn</source>
        <translation>column %1 has no field name</translation>
    </message>
    <message id="BuilderUnknownField">
        <source>okänt fält %1</source>
        <translation>unknown field %1</translation>
    </message>
    <message id="BuilderFieldTwice">
        <source>fältet %1 står två gånger</source>
        <translation>the field %1 appears twice</translation>
    </message>
    <message id="BuilderFieldMissing">
        <source>fältet %1 saknas i rubrikraden</source>
        <translation>the field %1 is missing from the header line</translation>
    </message>
    <message id="BuilderFieldNullByte">
        <source>fältet %1 innehåller en nollbyte: %2</source>
        <translation>the field %1 contains a null byte: %2</translation>
    </message>
    <message id="BuilderFieldLineBreaks">
        <source>fältet %1 får inte innehålla radbrytningar: %2</source>
        <translation>the field %1 must not contain line breaks: %2</translation>
    </message>
    <message id="BuilderFieldTooLong">
        <source>fältet %1 är för långt (%2 tecken, högst %3)</source>
        <translation>the field %1 is too long (%2 characters, at most %3)</translation>
    </message>
    <message id="BuilderRecordTooLong">
        <source>posten är för lång (%1 byte, högst %2)</source>
        <translation>the record is too long (%1 bytes, at most %2)</translation>
    </message>
    <message id="BuilderDateForm">
        <source>datumet %1 i fältet %2 ska skrivas ÅÅÅÅMMDD (okända delar med 00, 99 eller X)</source>
        <translation>the date %1 in the field %2 must be written YYYYMMDD (unknown parts as 00, 99 or X)</translation>
    </message>
    <message id="BuilderValueTooLong">
        <source>värdet %1 är för långt för sökordslistan (%2 tecken, högst %3)</source>
        <translation>the value %1 is too long for the search word list (%2 characters, at most %3)</translation>
    </message>
    <message id="BuilderReading">
        <source>Läser %1</source>
        <translation>Reading %1</translation>
    </message>
    <message id="BuilderRecordsRead">
        <source>  %1 poster</source>
        <translation>  %1 records</translation>
    </message>
    <message id="BuilderWritingRegister">
        <source>Skriver %1</source>
        <translation>Writing %1</translation>
    </message>
    <message id="BuilderRecordsAndPersons">
        <source>  poster och personlista</source>
        <translation>  records and person list</translation>
    </message>
    <message id="BuilderRecordsWritten">
        <source>    %1 poster</source>
        <translation>    %1 records</translation>
    </message>
    <message id="BuilderWritingLists">
        <source>Skriver sökordslistor och fritextlistor för %1</source>
        <translation>Writing search word lists and free-text lists for %1</translation>
    </message>
    <message id="BuilderWritingAllFields">
        <source>Skriver fritextlistan över alla fält</source>
        <translation>Writing the free-text list of all fields</translation>
    </message>
    <message id="BuilderWritingNormList">
        <source>Skriver normeringslistan och texterna</source>
        <translation>Writing the normalisation list and the texts</translation>
    </message>
    <message id="BuilderWritingPictures">
        <source>Skriver bilderna</source>
        <translation>Writing the pictures</translation>
    </message>
    <message id="BuilderMovingFiles">
        <source>Flyttar filerna till %1</source>
        <translation>Moving the files to %1</translation>
    </message>
    <message id="PictureNameLength">
        <source>Bildnamnet &quot;%1&quot; ska ha 1 till %2 tecken.</source>
        <translation>The picture name &quot;%1&quot; must have 1 to %2 characters.</translation>
    </message>
    <message id="PictureDescriptionTooLong">
        <source>Bilden %1 har en för lång beskrivning.</source>
        <translation>The picture %1 has too long a description.</translation>
    </message>
    <message id="PictureTwice">
        <source>Bilden %1 finns två gånger.</source>
        <translation>The picture %1 appears twice.</translation>
    </message>
    <message id="PictureCannotWrite">
        <source>Kan inte skriva %1.</source>
        <translation>Cannot write %1.</translation>
    </message>
    <message id="PictureDamaged">
        <source>Skadad bild %1 i %2: %3</source>
        <translation>Damaged picture %1 in %2: %3</translation>
    </message>
    <message id="PictureDataTooLong">
        <source>Skadad bild %1 i %2: postens data är längre än %3 byte.</source>
        <translation>Damaged picture %1 in %2: the record&apos;s data is longer than %3 bytes.</translation>
    </message>
    <message id="PictureBaseNotOpen">
        <source>Bildbasen %1 är inte öppen.</source>
        <translation>The picture base %1 is not open.</translation>
    </message>
    <message id="PictureNoRecord">
        <source>Det finns ingen bild %1 i %2.</source>
        <translation>There is no picture %1 in %2.</translation>
    </message>
    <message id="PictureMissing">
        <source>Bilden %1 saknas.</source>
        <translation>The picture %1 is missing.</translation>
    </message>
    <message id="PictureRecordDamaged">
        <source>Bildposten är skadad: %1.</source>
        <translation>The picture record is damaged: %1.</translation>
    </message>
    <message id="PictureFieldCut">
        <source>ett fält är avklippt</source>
        <translation>a field is cut off</translation>
    </message>
    <message id="PictureImagePastEnd">
        <source>bildens längd går förbi nästa post eller filens slut</source>
        <translation>the picture&apos;s length runs past the next record or the end of the file</translation>
    </message>
    <message id="PictureShapePastEnd">
        <source>formens längd går förbi nästa post eller filens slut</source>
        <translation>the shape&apos;s length runs past the next record or the end of the file</translation>
    </message>
    <message id="PictureShapeDamaged">
        <source>Bildens form är skadad: %1.</source>
        <translation>The picture&apos;s shape is damaged: %1.</translation>
    </message>
    <message id="PictureBlockShort">
        <source>blocket är kortare än sitt huvud</source>
        <translation>the block is shorter than its header</translation>
    </message>
    <message id="PictureBlockNotRectangles">
        <source>blocket är inte en lista av rektanglar</source>
        <translation>the block is not a list of rectangles</translation>
    </message>
    <message id="PictureRectangleCount">
        <source>%1 rektanglar stämmer inte med blockets %2 byte</source>
        <translation>%1 rectangles do not match the block&apos;s %2 bytes</translation>
    </message>
    <message id="PictureRectangleUnsound">
        <source>rektangel %1 är orimlig</source>
        <translation>rectangle %1 is implausible</translation>
    </message>
    <message id="PictureBoundsUnsound">
        <source>formens yttre gränser är orimliga</source>
        <translation>the shape&apos;s outer bounds are implausible</translation>
    </message>
    <message id="ExportRecordUnreadable">
        <source>Post %1 i %2 kan inte läsas.</source>
        <translation>Record %1 in %2 cannot be read.</translation>
    </message>
    <!-- (the reports' texts end here) -->
</context>
</TS>
