<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The programs' texts: each message is named by its id (the name the code
     uses, MessageId::...), its Swedish text is the source and its English
     text the translation. Arguments are written %1 .. %9 in both. Every
     message needs its English: the build fails without it. One Swedish
     text has one English wherever it stands. -->
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
    <!-- (the main window's texts end here) -->

    <!-- The search forms, the picker, the normalisation view and the free-text window. -->
    <!-- (the search windows' texts end here) -->

    <!-- The print dialog, the text window and the printed pages' headings. -->
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
