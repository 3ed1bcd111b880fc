<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Swedish for the texts of Qt 6's own dialogs that Debian's Swedish
     catalogue of Qt (qt_sv.qm, written for older dialogs) does not hold:
     the standard buttons of every dialog and message box, and the printer
     set-up dialog. Loaded after Qt's own catalogue, so that a newer Qt
     catalogue that has these texts is still used for everything else. -->
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>Save</source><translation>Spara</translation></message>
    <message><source>Save All</source><translation>Spara alla</translation></message>
    <message><source>Open</source><translation>Öppna</translation></message>
    <message><source>&amp;Yes</source><translation>&amp;Ja</translation></message>
    <message><source>Yes to &amp;All</source><translation>Ja till &amp;alla</translation></message>
    <message><source>&amp;No</source><translation>&amp;Nej</translation></message>
    <message><source>N&amp;o to All</source><translation>N&amp;ej till alla</translation></message>
    <message><source>Abort</source><translation>Avbryt</translation></message>
    <message><source>Retry</source><translation>Försök igen</translation></message>
    <message><source>Ignore</source><translation>Ignorera</translation></message>
    <message><source>Close</source><translation>Stäng</translation></message>
    <message><source>Cancel</source><translation>Avbryt</translation></message>
    <message><source>Discard</source><translation>Förkasta</translation></message>
    <message><source>Help</source><translation>Hjälp</translation></message>
    <message><source>Apply</source><translation>Verkställ</translation></message>
    <message><source>Reset</source><translation>Återställ</translation></message>
    <message><source>Restore Defaults</source><translation>Återställ standardvärden</translation></message>
    <message><source>Don&apos;t Save</source><translation>Spara inte</translation></message>
    <message><source>Close without Saving</source><translation>Stäng utan att spara</translation></message>
</context>
<context>
    <name>QFileDialog</name>
    <message><source>Look in:</source><translation>Leta i:</translation></message>
</context>
<context>
    <name>QPrintDialog</name>
    <message><source>&amp;Print</source><translation>Skriv &amp;ut</translation></message>
    <message><source>&amp;Options &gt;&gt;</source><translation>&amp;Alternativ &gt;&gt;</translation></message>
    <message><source>&amp;Options &lt;&lt;</source><translation>&amp;Alternativ &lt;&lt;</translation></message>
    <message><source>Print to File (PDF)</source><translation>Skriv ut till fil (PDF)</translation></message>
    <message><source>Local file</source><translation>Lokal fil</translation></message>
    <message><source>Write PDF file</source><translation>Skriv PDF-fil</translation></message>
    <message><source>Print</source><translation>Skriv ut</translation></message>
</context>
<context>
    <name>QPrintWidget</name>
    <message><source>Printer</source><translation>Skrivare</translation></message>
    <message><source>&amp;Name:</source><translation>&amp;Namn:</translation></message>
    <message><source>P&amp;roperties</source><translation>&amp;Egenskaper</translation></message>
    <message><source>Location:</source><translation>Plats:</translation></message>
    <message><source>Type:</source><translation>Typ:</translation></message>
    <message><source>Output &amp;file:</source><translation>Utdata&amp;fil:</translation></message>
</context>
</TS>
