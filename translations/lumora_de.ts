<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Lumora Write Utility</source>
        <translation>Über Lumora Write Utility</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddrLogDlg</name>
    <message>
        <source>Address conversion log</source>
        <translation>Protokoll der Adressumsetzung</translation>
    </message>
    <message>
        <source>Old address</source>
        <translation>Alte Adresse</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Neue Adresse</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>&amp;Save log...</source>
        <translation>Protokoll &amp;speichern...</translation>
    </message>
</context>
<context>
    <name>AnnunciatorDlg</name>
    <message>
        <source>Annunciator Setup</source>
        <translation>Meldeanzeige einrichten</translation>
    </message>
    <message>
        <source>Annunciator lamps</source>
        <translation>Lampen der Meldeanzeige</translation>
    </message>
    <message>
        <source>LAMP 1</source>
        <translation>LAMPE 1</translation>
    </message>
    <message>
        <source>LAMP 2</source>
        <translation>LAMPE 2</translation>
    </message>
    <message>
        <source>LAMP 3</source>
        <translation>LAMPE 3</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Bits 6 and up of the word are not used by the annunciator.</source>
        <translation>Die Bits ab Bit 6 des Worts werden von der Meldeanzeige nicht verwendet.</translation>
    </message>
    <message>
        <source>&amp;PLC Read Word (Bits) :</source>
        <translation>&amp;SPS-Lesewort (Bits):</translation>
    </message>
</context>
<context>
    <name>BitmapDlg</name>
    <message>
        <source>Select Panel</source>
        <translation>Panel auswählen</translation>
    </message>
    <message>
        <source>&amp;Panel models</source>
        <translation>&amp;Panel-Modelle</translation>
    </message>
    <message>
        <source>Panel models</source>
        <translation>Panel-Modelle</translation>
    </message>
</context>
<context>
    <name>CAnnunciatorDlg</name>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>amber</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
</context>
<context>
    <name>CEditorLauncher</name>
    <message>
        <source>Edit Messages</source>
        <translation>Meldungen bearbeiten</translation>
    </message>
    <message>
        <source>Edit Set Points</source>
        <translation>Sollwerte bearbeiten</translation>
    </message>
    <message>
        <source>Edit Buttons / LEDs</source>
        <translation>Tasten / LEDs bearbeiten</translation>
    </message>
    <message>
        <source>Edit Annunciator</source>
        <translation>Meldeanzeige bearbeiten</translation>
    </message>
    <message>
        <source>Edit Panel System PLC Addresses</source>
        <translation>SPS-Systemadressen des Panels bearbeiten</translation>
    </message>
</context>
<context>
    <name>CommProgDlg</name>
    <message>
        <source>Download</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Panel 1</source>
        <translation>Panel 1</translation>
    </message>
    <message>
        <source>Panel 2</source>
        <translation>Panel 2</translation>
    </message>
    <message>
        <source>Panel 3</source>
        <translation>Panel 3</translation>
    </message>
    <message>
        <source>Panel 4</source>
        <translation>Panel 4</translation>
    </message>
    <message>
        <source>Panel 5</source>
        <translation>Panel 5</translation>
    </message>
    <message>
        <source>Multiplexer</source>
        <translation>Multiplexer</translation>
    </message>
    <message>
        <source>Write Project</source>
        <translation>Projekt schreiben</translation>
    </message>
    <message>
        <source>Check this box if connecting directly to a panel.</source>
        <translation>Ankreuzen, wenn das Panel direkt angeschlossen ist.</translation>
    </message>
    <message>
        <source>&amp;Read the unit's project before writing</source>
        <translation>Projekt des Geräts vor dem Schreiben &amp;lesen</translation>
    </message>
    <message>
        <source>Keeps what the unit holds in the panel history as "before write", then writes</source>
        <translation>Legt den Inhalt des Geräts als „vor dem Schreiben“ im Panel-Verlauf ab und schreibt dann</translation>
    </message>
    <message>
        <source>Port selected:</source>
        <translation>Gewählte Schnittstelle:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Error M002:  Invalid message number or this message number has already been configured</source>
        <translation>Fehler M002: Ungültige Meldungsnummer, oder diese Meldungsnummer ist bereits vergeben</translation>
    </message>
    <message>
        <source>Error M003: Cannot add a message with message number greater than 256.</source>
        <translation>Fehler M003: Eine Meldung mit einer Meldungsnummer über 256 kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Error M005: Message number is out of range</source>
        <translation>Fehler M005: Meldungsnummer außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Error T001: PLC Address count exceeds maximum limit</source>
        <translation>Fehler T001: Die Anzahl der SPS-Adressen überschreitet das Maximum</translation>
    </message>
    <message>
        <source>Error T003: The value entered is invalid</source>
        <translation>Fehler T003: Der eingegebene Wert ist ungültig</translation>
    </message>
    <message>
        <source>Error Z005:  The Maximum message length has exceeded.</source>
        <translation>Fehler Z005: Die maximale Meldungslänge ist überschritten.</translation>
    </message>
</context>
<context>
    <name>DataItems</name>
    <message>
        <source>Data 1 Options</source>
        <translation>Optionen für Daten 1</translation>
    </message>
    <message>
        <source>DATA 1 (CTL + 1)</source>
        <translation>DATEN 1 (STRG + 1)</translation>
    </message>
    <message>
        <source>color: rgb(255,0,0);</source>
        <translation>color: rgb(255,0,0);</translation>
    </message>
    <message>
        <source>(READ /  WRITE)</source>
        <translation>(LESEN / SCHREIBEN)</translation>
    </message>
    <message>
        <source>PLC Address:</source>
        <translation>SPS-Adresse:</translation>
    </message>
    <message>
        <source>Data T&amp;ype:</source>
        <translation>Daten&amp;typ:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max.:</translation>
    </message>
    <message>
        <source>Access:</source>
        <translation>Zugriff:</translation>
    </message>
    <message>
        <source>Read/Write</source>
        <translation>Lesen/Schreiben</translation>
    </message>
    <message>
        <source>Read Only</source>
        <translation>Nur lesen</translation>
    </message>
    <message>
        <source>Pass&amp;word Protection</source>
        <translation>Pass&amp;wortschutz</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>PLC</source>
        <translation>SPS</translation>
    </message>
    <message>
        <source>PLC controlled Deci&amp;mal Point:</source>
        <translation>SPS-gesteuerter Dezi&amp;malpunkt:</translation>
    </message>
    <message>
        <source>Decimal Point Address:</source>
        <translation>Adresse des Dezimalpunkts:</translation>
    </message>
    <message>
        <source>Leading Zeroes</source>
        <translation>Führende Nullen</translation>
    </message>
    <message>
        <source>Data 2 Options</source>
        <translation>Optionen für Daten 2</translation>
    </message>
    <message>
        <source>DATA 2 (CTL + 2)</source>
        <translation>DATEN 2 (STRG + 2)</translation>
    </message>
    <message>
        <source>color: rgb(0,0,255);</source>
        <translation>color: rgb(0,0,255);</translation>
    </message>
    <message>
        <source>(READ ONLY)</source>
        <translation>(NUR LESEN)</translation>
    </message>
    <message>
        <source>Read Write</source>
        <translation>Lesen/Schreiben</translation>
    </message>
    <message>
        <source>Data 3 Options</source>
        <translation>Optionen für Daten 3</translation>
    </message>
    <message>
        <source>DATA 3 (CTL + 3)</source>
        <translation>DATEN 3 (STRG + 3)</translation>
    </message>
    <message>
        <source>color: rgb(0,128,0);</source>
        <translation>color: rgb(0,128,0);</translation>
    </message>
</context>
<context>
    <name>InsMsgDlg</name>
    <message>
        <source>Insert Message</source>
        <translation>Meldung einfügen</translation>
    </message>
    <message>
        <source>&amp;Enter a message number between %d and %d:</source>
        <translation>Meldungsnummer zwischen %d und %d &amp;eingeben:</translation>
    </message>
</context>
<context>
    <name>LedDlg</name>
    <message>
        <source>Buttons / LEDs</source>
        <translation>Tasten / LEDs</translation>
    </message>
    <message>
        <source>LED Control</source>
        <translation>LED-Steuerung</translation>
    </message>
    <message>
        <source>BIT 0</source>
        <translation>BIT 0</translation>
    </message>
    <message>
        <source>LED 1</source>
        <translation>LED 1</translation>
    </message>
    <message>
        <source>BIT 1</source>
        <translation>BIT 1</translation>
    </message>
    <message>
        <source>LED 2</source>
        <translation>LED 2</translation>
    </message>
    <message>
        <source>BIT 2</source>
        <translation>BIT 2</translation>
    </message>
    <message>
        <source>LED 3</source>
        <translation>LED 3</translation>
    </message>
    <message>
        <source>BIT 3</source>
        <translation>BIT 3</translation>
    </message>
    <message>
        <source>LED 4</source>
        <translation>LED 4</translation>
    </message>
    <message>
        <source>BIT 4</source>
        <translation>BIT 4</translation>
    </message>
    <message>
        <source>LED 5</source>
        <translation>LED 5</translation>
    </message>
    <message>
        <source>LED (Bit &amp;Read) PLC Word:</source>
        <translation>SPS-Wort der LEDs (Bits &amp;lesen):</translation>
    </message>
    <message>
        <source>Button Action</source>
        <translation>Tastenfunktion</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Buttons (Bit &amp;Write) PLC Word:</source>
        <translation>SPS-Wort der Tasten (Bits &amp;schreiben):</translation>
    </message>
    <message>
        <source>Release bits of Alternate buttons</source>
        <translation>Rücksetzbits der rastenden Tasten</translation>
    </message>
    <message>
        <source>Alternate with
PLC or button release:</source>
        <translation>Rastend, Rücksetzen
durch SPS oder Taste:</translation>
    </message>
    <message>
        <source>PLC Button Release Bits:</source>
        <translation>Rücksetzbits der SPS für die Tasten:</translation>
    </message>
    <message>
        <source>Panel acknowledge of PLC release bits</source>
        <translation>Quittierung der SPS-Rücksetzbits durch das Panel</translation>
    </message>
    <message>
        <source>BIT 10</source>
        <translation>BIT 10</translation>
    </message>
    <message>
        <source>REL 1</source>
        <translation>REL 1</translation>
    </message>
    <message>
        <source>ACK 1</source>
        <translation>ACK 1</translation>
    </message>
    <message>
        <source>BIT 11</source>
        <translation>BIT 11</translation>
    </message>
    <message>
        <source>REL 2</source>
        <translation>REL 2</translation>
    </message>
    <message>
        <source>ACK 2</source>
        <translation>ACK 2</translation>
    </message>
    <message>
        <source>BIT 12</source>
        <translation>BIT 12</translation>
    </message>
    <message>
        <source>REL 3</source>
        <translation>REL 3</translation>
    </message>
    <message>
        <source>ACK 3</source>
        <translation>ACK 3</translation>
    </message>
    <message>
        <source>BIT 13</source>
        <translation>BIT 13</translation>
    </message>
    <message>
        <source>REL 4</source>
        <translation>REL 4</translation>
    </message>
    <message>
        <source>ACK 4</source>
        <translation>ACK 4</translation>
    </message>
    <message>
        <source>BIT 14</source>
        <translation>BIT 14</translation>
    </message>
    <message>
        <source>REL 5</source>
        <translation>REL 5</translation>
    </message>
    <message>
        <source>ACK 5</source>
        <translation>ACK 5</translation>
    </message>
    <message>
        <source>An Alternate button is turned off in one of two ways: the operator presses it again, or the PLC sets the button's release bit (REL 1 to REL 5) in the LED word.</source>
        <translation>Eine rastende Taste wird auf eine von zwei Arten ausgeschaltet: Der Bediener drückt sie erneut, oder die SPS setzt das Rücksetzbit der Taste (REL 1 bis REL 5) im LED-Wort.</translation>
    </message>
    <message>
        <source>The panel acknowledges each PLC release bit by setting the matching ACK bit in the button word.</source>
        <translation>Das Panel quittiert jedes Rücksetzbit der SPS, indem es das zugehörige ACK-Bit im Tastenwort setzt.</translation>
    </message>
    <message>
        <source>*Note: All bit designations are in octal (used by Tarvo PLCs). Use Bit 8-12 for PLCs using decimal bit numbering system.</source>
        <translation>*Hinweis: Alle Bitangaben sind oktal (wie bei SPS von Tarvo). Bei SPS mit dezimaler Bitnummerierung die Bits 8-12 verwenden.</translation>
    </message>
</context>
<context>
    <name>ListKeys</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>LogDlg</name>
    <message>
        <source>Unable to download</source>
        <translation>Übertragung nicht möglich</translation>
    </message>
    <message>
        <source>&amp;Save log...</source>
        <translation>Protokoll &amp;speichern...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LumoraView</name>
    <message>
        <source>Main configuration view</source>
        <translation>Hauptansicht der Konfiguration</translation>
    </message>
    <message>
        <source>Lumora Write Utility</source>
        <translation>Lumora Write Utility</translation>
    </message>
    <message>
        <source>Configuration steps</source>
        <translation>Konfigurationsschritte</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>    &amp;Single  Panel  System    </source>
        <translation>E&amp;inzelpanel-System</translation>
    </message>
    <message>
        <source>     M&amp;ulti-Panel  System </source>
        <translation>Meh&amp;rpanel-System</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>                    Select Pa&amp;nel Type</source>
        <translation>Panel-T&amp;yp auswählen</translation>
    </message>
    <message>
        <source>QM210</source>
        <translation>QM210</translation>
    </message>
    <message>
        <source>Select P&amp;LC:</source>
        <translation>SPS aus&amp;wählen:</translation>
    </message>
    <message>
        <source>Pr&amp;ess for communication configuration for Selected PLC</source>
        <translation>&amp;Kommunikation der gewählten SPS einrichten</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Schritt 3</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Meldungen</translation>
    </message>
    <message>
        <source>&amp;Buttons / LEDs</source>
        <translation>&amp;Tasten / LEDs</translation>
    </message>
    <message>
        <source>&amp;Annunciator</source>
        <translation>Melde&amp;anzeige</translation>
    </message>
    <message>
        <source>&amp;Configure Panel System PLC Addresses</source>
        <translation>SPS-Systemadressen des Panels &amp;einrichten</translation>
    </message>
    <message>
        <source>Configure Panel</source>
        <translation>Panel konfigurieren</translation>
    </message>
    <message>
        <source>Panel picture</source>
        <translation>Panel-Abbildung</translation>
    </message>
    <message>
        <source>Multi-Panel System</source>
        <translation>Mehrpanel-System</translation>
    </message>
    <message>
        <source>      Panel PLC 
A&amp;ddress Database </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wri&amp;te to 
Panel</source>
        <translation>In Panel
&amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read from
 Panel</source>
        <translation>Aus Panel
&amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Tag map: </source>
        <translation>Tag-Map:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Message edit</source>
        <translation>Meldung bearbeiten</translation>
    </message>
    <message>
        <source>PLC Messages</source>
        <translation>SPS-Meldungen</translation>
    </message>
    <message>
        <source>Add &amp;next  PLC Message</source>
        <translation>&amp;Nächste SPS-Meldung hinzufügen</translation>
    </message>
    <message>
        <source>Insert a PLC Messa&amp;ge</source>
        <translation>SPS-Meldung ein&amp;fügen</translation>
    </message>
    <message>
        <source>Delete PLC Message</source>
        <translation>SPS-Meldung löschen</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Local Messages</source>
        <translation>Lokale Meldungen</translation>
    </message>
    <message>
        <source>  Add &amp;Local Message</source>
        <translation>Lokale &amp;Meldung hinzufügen</translation>
    </message>
    <message>
        <source>Add L&amp;ocal Folder</source>
        <translation>Lokalen &amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>   Inse&amp;rt Message</source>
        <translation>Meldung &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Insert Folder</source>
        <translation>O&amp;rdner einfügen</translation>
    </message>
    <message>
        <source>Delete Local Item</source>
        <translation>Lokales Element löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Total Number of messages (Of 256)</source>
        <translation>Anzahl der Meldungen (von 256)</translation>
    </message>
    <message>
        <source>NOTE:
Right click in the PLC Message/Local  Message 
window will popup a menu with  options to add &amp; 
remove messages. Arrow keys or Mouse can be
used to select a message to edit.  Properties of
the selected  message will be  displayed in  the
right hand side of the  window.

Update button  (Alt+U) or  Enter key in  the edit
box associated with message text will apply the
changes in message and its properties.

Embedded data items can be edited using the
Function keys F5, F6, F7.</source>
        <translation>HINWEIS:
Ein Rechtsklick in das Fenster SPS-Meldungen bzw.
Lokale Meldungen öffnet ein Menü zum Hinzufügen
und Entfernen von Meldungen. Die zu bearbeitende
Meldung wird mit den Pfeiltasten oder der Maus
gewählt. Die Eigenschaften der gewählten Meldung
erscheinen rechts im Fenster.

Die Schaltfläche „Meldung aktualisieren“ (Alt+A)
oder die Eingabetaste im Feld des Meldungstexts
übernimmt die Änderungen an der Meldung und
ihren Eigenschaften.

Eingebettete Datenfelder lassen sich mit den
Funktionstasten F5, F6, F7 bearbeiten.</translation>
    </message>
    <message>
        <source>Message Te&amp;xt:</source>
        <translation>Meldungs&amp;text:</translation>
    </message>
    <message>
        <source>Message Text</source>
        <translation>Meldungstext</translation>
    </message>
    <message>
        <source>Message length: 0</source>
        <translation>Meldungslänge: 0</translation>
    </message>
    <message>
        <source>Message N&amp;umber:</source>
        <translation>Meldungsn&amp;ummer:</translation>
    </message>
    <message>
        <source>Data Item 1 :  F5 or  Ctrl+1</source>
        <translation>Datenfeld 1: F5 oder Strg+1</translation>
    </message>
    <message>
        <source>color: rgb(255,0,0);</source>
        <translation>color: rgb(255,0,0);</translation>
    </message>
    <message>
        <source>Data Item 2 :  F6 or  Ctrl+2</source>
        <translation>Datenfeld 2: F6 oder Strg+2</translation>
    </message>
    <message>
        <source>color: rgb(0,0,255);</source>
        <translation>color: rgb(0,0,255);</translation>
    </message>
    <message>
        <source>Data Item 3 :  F7 or  Ctrl+3</source>
        <translation>Datenfeld 3: F7 oder Strg+3</translation>
    </message>
    <message>
        <source>color: rgb(0,128,0);</source>
        <translation>color: rgb(0,128,0);</translation>
    </message>
    <message>
        <source>&amp;Press to accept Message edit</source>
        <translation>Meldung &amp;aktualisieren</translation>
    </message>
    <message>
        <source>     Panel
PLC Address
  Data&amp;base</source>
        <translation>Panel
SPS-Adress-
&amp;datenbank</translation>
    </message>
    <message>
        <source>  Help  for          PLC          Address        Format</source>
        <translation>Hilfe zum SPS-Adressformat</translation>
    </message>
    <message>
        <source>Export to CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>Import from CSV...</source>
        <translation>Aus CSV importieren...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>MsgGeneralDlg</name>
    <message>
        <source>Panel System PLC Address Setup</source>
        <translation>SPS-Systemadressen des Panels einrichten</translation>
    </message>
    <message>
        <source>PLC:</source>
        <translation>SPS:</translation>
    </message>
    <message>
        <source>color: rgb(0, 0, 255);</source>
        <translation>color: rgb(0, 0, 255);</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>PLC Messages (Line Address) Setup:</source>
        <translation>SPS-Meldungen (Zeilenadressen) einrichten:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>Line &amp;One:</source>
        <translation>Zeile &amp;eins:</translation>
    </message>
    <message>
        <source>Line One data type</source>
        <translation>Datentyp Zeile eins</translation>
    </message>
    <message>
        <source>Line &amp;Two:</source>
        <translation>Zeile &amp;zwei:</translation>
    </message>
    <message>
        <source>Line Two data type</source>
        <translation>Datentyp Zeile zwei</translation>
    </message>
    <message>
        <source>Line Th&amp;ree:</source>
        <translation>Zeile d&amp;rei:</translation>
    </message>
    <message>
        <source>Line Three data type</source>
        <translation>Datentyp Zeile drei</translation>
    </message>
    <message>
        <source>Line &amp;Four:</source>
        <translation>Zeile &amp;vier:</translation>
    </message>
    <message>
        <source>Line Four data type</source>
        <translation>Datentyp Zeile vier</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Password Setup (for QM-210K only)</source>
        <translation>Passwort einrichten (nur für QM-210K)</translation>
    </message>
    <message>
        <source>&amp;PLC Password
Register: </source>
        <translation>&amp;SPS-Passwort-
register:</translation>
    </message>
    <message>
        <source>&amp;DATA Type</source>
        <translation>&amp;Datentyp</translation>
    </message>
    <message>
        <source>&amp;Local Password:</source>
        <translation>&amp;Lokales Passwort:</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Panel options</source>
        <translation>Panel-Optionen</translation>
    </message>
    <message>
        <source>Enable Beeper</source>
        <translation>Summer aktivieren</translation>
    </message>
    <message>
        <source>PLC Message Delay</source>
        <translation>Verzögerung der SPS-Meldungen</translation>
    </message>
    <message>
        <source>Display cursor when a PLC
message is displayed</source>
        <translation>Cursor anzeigen, wenn eine
SPS-Meldung angezeigt wird</translation>
    </message>
    <message>
        <source>here's how they work...</source>
        <translation>So funktioniert es ...</translation>
    </message>
    <message>
        <source>A value of 4 to Line 1 PLC address</source>
        <translation>Der Wert 4 in der SPS-Adresse von Zeile 1</translation>
    </message>
    <message>
        <source>PLC Messages are as</source>
        <translation>SPS-Meldungen wie programmiert</translation>
    </message>
    <message>
        <source>PLC Message Light</source>
        <translation>LED SPS-Meldung</translation>
    </message>
    <message>
        <source>  Help  for          PLC          &amp;Address        Format</source>
        <translation>Hilfe zum SPS-&amp;Adressformat</translation>
    </message>
</context>
<context>
    <name>MultipanelImportDlg</name>
    <message>
        <source>Import From Multipanel Project</source>
        <translation>Aus Mehrpanel-Projekt importieren</translation>
    </message>
    <message>
        <source>Panel to import</source>
        <translation>Zu importierendes Panel</translation>
    </message>
    <message>
        <source>Port 1 : </source>
        <translation>Port 1:</translation>
    </message>
    <message>
        <source>Not Configured</source>
        <translation>Nicht konfiguriert</translation>
    </message>
    <message>
        <source>Port 2 : </source>
        <translation>Port 2:</translation>
    </message>
    <message>
        <source>Port 3 : </source>
        <translation>Port 3:</translation>
    </message>
    <message>
        <source>Port 4 : </source>
        <translation>Port 4:</translation>
    </message>
    <message>
        <source>Port 5 : </source>
        <translation>Port 5:</translation>
    </message>
</context>
<context>
    <name>MultiplexerGroup</name>
    <message>
        <source>Multi-Panel System</source>
        <translation>Mehrpanel-System</translation>
    </message>
    <message>
        <source>Select a Panel</source>
        <translation>Panel auswählen</translation>
    </message>
    <message>
        <source>                        QM-Multi-Drop Serial Multiplexer</source>
        <translation>Serieller Multiplexer QM-Multi-Drop</translation>
    </message>
    <message>
        <source>Multiplexer picture</source>
        <translation>Multiplexer-Abbildung</translation>
    </message>
    <message>
        <source>
Port 1</source>
        <translation>
Port 1</translation>
    </message>
    <message>
        <source>
Port 2</source>
        <translation>
Port 2</translation>
    </message>
    <message>
        <source>
Port 3</source>
        <translation>
Port 3</translation>
    </message>
    <message>
        <source>
Port 4</source>
        <translation>
Port 4</translation>
    </message>
    <message>
        <source>
Port 5</source>
        <translation>
Port 5</translation>
    </message>
    <message>
        <source>PLC picture</source>
        <translation>SPS-Abbildung</translation>
    </message>
</context>
<context>
    <name>PanelHistoryDlg</name>
    <message>
        <source>Panel History</source>
        <translation>Panel-Verlauf</translation>
    </message>
    <message>
        <source>&amp;Filter by project or model:</source>
        <translation>Nach Projekt oder Modell &amp;filtern:</translation>
    </message>
    <message>
        <source>Transfers kept in the panel history</source>
        <translation>Im Panel-Verlauf gespeicherte Übertragungen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Öff&amp;nen...</translation>
    </message>
    <message>
        <source>&amp;Compare with Current Project</source>
        <translation>Mit aktuellem Projekt &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Write Again...</source>
        <translation>Erneut &amp;schreiben...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PanelNotConfDlg</name>
    <message>
        <source>Incomplete data</source>
        <translation>Unvollständige Daten</translation>
    </message>
    <message>
        <source>Panel program can not be uploaded as it has incomplete data. </source>
        <translation>Das Panel-Programm kann nicht übertragen werden, da seine Daten unvollständig sind.</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PanelStatusDlg</name>
    <message>
        <source>Panel Information</source>
        <translation>Panel-Information</translation>
    </message>
    <message>
        <source>Panel Preview:</source>
        <translation>Panel-Vorschau:</translation>
    </message>
    <message>
        <source>Panel Attributes: </source>
        <translation>Panel-Eigenschaften:</translation>
    </message>
    <message>
        <source>Text Panel Model:</source>
        <translation>Modell des Text-Panels:</translation>
    </message>
    <message>
        <source>Firmware Revision:</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>Memory Size:</source>
        <translation>Speichergröße:</translation>
    </message>
    <message>
        <source>Plc Driver:</source>
        <translation>SPS-Treiber:</translation>
    </message>
    <message>
        <source>Plc Driver Revision:</source>
        <translation>Version des SPS-Treibers:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PnrConvDlg</name>
    <message>
        <source>Incomplete tag map</source>
        <translation>Unvollständige Tag-Map</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>RecoveryDlg</name>
    <message>
        <source>Recover Projects</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The program ended without saving these projects. Their last changes were kept:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recoverable projects</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Last change</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Later keeps a copy for the next start. Recover opens it under its own name; the file stays as it is until you save.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Discard...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SPConfigDlg</name>
    <message>
        <source>Set Point Panel Configuration</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Set Point Message</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Se&amp;lect Message
Number</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Select Message Number</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Type Text &amp;Message 
( 16 characters max.)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Message length: 0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Displa&amp;y Method</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Read/Write</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Read only</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DataType/
&amp;Word Size</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Mi&amp;n:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ma&amp;x:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Decimal Point 
&amp;Fixed / Variable</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Set Point Value
PLC Addr&amp;ess</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Variable Dec Point
PLC Address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>   &amp;Accept Current Edit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Delete
Message</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Programmed (of 256)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Message Selection</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>O&amp;ptional PLC Message selection</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Message Selec&amp;tion
PLC Address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Selection Data Type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>BCD/Int 16</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Binary/Int 16</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enable Beeper</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>  Help  fo&amp;r          PLC          Address        Format</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Set Point Messages</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Export to CSV...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Import from CSV...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UpgradeFirmwareDlg</name>
    <message>
        <source>Upgrade firmware</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Select firmware file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The firmware upgrade file usually named as QMxxxYd.hex (Yd being the firmware revision and  xxx being the panel type  i.e. QM210A1.hex). Please select QMxxxYd.hex (or the file  under which you have saved the firmware upgrade file).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>(Firmware will be generally stored under \Lumora\firmware directory)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CAUTION</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Loading the firmware will replace the current firmware in the panel and the user program in the panel will be lost when the firmware is updated. Press OK to continue.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ViewAddressDlg</name>
    <message>
        <source>View PLC addresses</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>color: white; background-color: blue; padding: 3px;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>System PLC addresses</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;EDIT PANEL
   SYSTEM
       PLC
ADDRESSES</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Total Number of messages (OUT OF 256)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PLC addresses used by the messages</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>lumora::gui::CAnnunciatorDlg</name>
    <message>
        <source>LAMP %1 %2</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>lumora::gui::CInsMsgDlg</name>
    <message>
        <source>&amp;Enter a message number between %1 and %2:</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>lumora::gui::CLineIllustration</name>
    <message>
        <source>Writing 4 into line 1's address shows programmed message 4 on line 1 and lights the PLC message LED</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Line 1 = 4</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>lumora::gui::CPLCAnnunciatorDlg</name>
    <message>
        <source>&amp;PLC Read Word (Bits) :</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>lumora::gui::CPNRAnnunciatorDlg</name>
    <message>
        <source>&amp;Annunciator (Bit Read) Tag Name :</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>lumora::gui::CParsedRichEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>
