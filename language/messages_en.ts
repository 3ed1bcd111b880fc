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
</context>
</TS>
