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
    <name>AddressListLayout</name>
    <message>
        <source>Project Name : </source>
        <translation>Projektname: </translation>
    </message>
    <message>
        <source>Project PLC(s)/Controller(s) : </source>
        <translation>SPS/Steuerung(en) des Projekts: </translation>
    </message>
    <message>
        <source>Line %1 :</source>
        <translation>Zeile %1:</translation>
    </message>
    <message>
        <source>Bit Write(Button&apos;s) :</source>
        <translation>Bit schreiben (Tasten):</translation>
    </message>
    <message>
        <source>Bit Read(LED&apos;s) :</source>
        <translation>Bit lesen (LEDs):</translation>
    </message>
    <message>
        <source>Bit Read (Annunciator Lights) :</source>
        <translation>Bit lesen (Leuchten der Meldeanzeige):</translation>
    </message>
    <message>
        <source>PLC Register :</source>
        <translation>SPS-Register:</translation>
    </message>
    <message>
        <source>Local Password :</source>
        <translation>Lokales Passwort:</translation>
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
    <name>Cli</name>
    <message>
        <source>lumora: --log %1 is the same file as %2; choose another file for the log</source>
        <translation>lumora: --log %1 ist dieselbe Datei wie %2; wählen Sie eine andere Datei für das Protokoll</translation>
    </message>
    <message>
        <source>lumora: %1 %2 is the same file as %3 %4; choose another output file</source>
        <translation>lumora: %1 %2 ist dieselbe Datei wie %3 %4; wählen Sie eine andere Ausgabedatei</translation>
    </message>
    <message>
        <source>lumora: unknown command &apos;%1&apos;</source>
        <translation>lumora: unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>lumora: %1</source>
        <translation>lumora: %1</translation>
    </message>
    <message>
        <source>Run &apos;lumora %1--help&apos; for usage.</source>
        <translation>Aufruf: &apos;lumora %1--help&apos; zeigt die Verwendung.</translation>
    </message>
    <message>
        <source>lumora: --port needs a serial port name</source>
        <translation>lumora: --port benötigt den Namen einer seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>lumora: a command is required</source>
        <translation>lumora: ein Befehl ist erforderlich</translation>
    </message>
    <message>
        <source>lumora: %1 takes a port number 1 to 5</source>
        <translation>lumora: %1 erwartet eine Portnummer von 1 bis 5</translation>
    </message>
    <message>
        <source>lumora: a single-panel project has its panel on port 1</source>
        <translation>lumora: ein Projekt mit einem Panel hat sein Panel an Port 1</translation>
    </message>
    <message>
        <source>lumora: neither project has a panel on port %1</source>
        <translation>lumora: keines der beiden Projekte hat ein Panel an Port %1</translation>
    </message>
    <message>
        <source>The panel history holds no entry.</source>
        <translation>Der Panel-Verlauf enthält keinen Eintrag.</translation>
    </message>
    <message>
        <source>lumora: the panel history has no entry %1</source>
        <translation>lumora: der Panel-Verlauf hat keinen Eintrag %1</translation>
    </message>
    <message>
        <source>lumora: %1 is the panel history&apos;s own file %2; choose another output file</source>
        <translation>lumora: %1 ist die eigene Datei %2 des Panel-Verlaufs; wählen Sie eine andere Ausgabedatei</translation>
    </message>
    <message>
        <source>Port %1 has no panel</source>
        <translation>Port %1 hat kein Panel</translation>
    </message>
    <message>
        <source>lumora: messages export writes to -o OUT.csv or the standard output</source>
        <translation>lumora: messages export schreibt nach -o OUT.csv oder in die Standardausgabe</translation>
    </message>
    <message>
        <source>lumora: messages import needs the table to read: FILE.lmx IN.csv</source>
        <translation>lumora: messages import benötigt die zu lesende Tabelle: FILE.lmx IN.csv</translation>
    </message>
    <message>
        <source>%1: %2 more problems not shown</source>
        <translation>%1: %2 weitere Probleme nicht angezeigt</translation>
    </message>
    <message>
        <source>Port %1 (%2): %3 messages from %4, saved to %5</source>
        <translation>Port %1 (%2): %3 Meldungen aus %4, gespeichert in %5</translation>
    </message>
    <message>
        <source>lumora: messages takes export or import, not &apos;%1&apos;</source>
        <translation>lumora: messages erwartet export oder import, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Port %1 has no panel (configured ports: %2)</source>
        <translation>Port %1 hat kein Panel (konfigurierte Ports: %2)</translation>
    </message>
    <message>
        <source>Port %1 (%2) exported to %3</source>
        <translation>Port %1 (%2) exportiert nach %3</translation>
    </message>
    <message>
        <source>%1: its PLC addresses do not all fit %2, the PLC of %3</source>
        <translation>%1: seine SPS-Adressen passen nicht alle zu %2, der SPS von %3</translation>
    </message>
    <message>
        <source>lumora: %1 is a multi-panel project: --from-port names one of its ports (%2)</source>
        <translation>lumora: %1 ist ein Projekt mit mehreren Panels: --from-port nennt einen seiner Ports (%2)</translation>
    </message>
    <message>
        <source>lumora: %1 holds one panel: --from-port does not apply</source>
        <translation>lumora: %1 enthält ein Panel: --from-port ist hier nicht anwendbar</translation>
    </message>
    <message>
        <source>The panel on port %1 is the same as the imported one: nothing changed</source>
        <translation>Das Panel an Port %1 ist dasselbe wie das importierte: nichts geändert</translation>
    </message>
    <message>
        <source>Port %1 is now a %2, saved to %3</source>
        <translation>Port %1 ist jetzt ein %2, gespeichert in %3</translation>
    </message>
    <message>
        <source>lumora: --paper goes with --pdf</source>
        <translation>lumora: --paper gehört zu --pdf</translation>
    </message>
    <message>
        <source>lumora: %1 works with the tag names of a Plan &amp; Run tag map: name it with --map FILE.map</source>
        <translation>lumora: %1 arbeitet mit den Tag-Namen einer Plan &amp; Run-Tag-Map: geben Sie sie mit --map FILE.map an</translation>
    </message>
    <message>
        <source>lumora: convert-plc needs --plc NAME (installed: %1)</source>
        <translation>lumora: convert-plc benötigt --plc NAME (installiert: %1)</translation>
    </message>
    <message>
        <source>lumora: unknown PLC &quot;%1&quot; (installed: %2)</source>
        <translation>lumora: unbekannte SPS &quot;%1&quot; (installiert: %2)</translation>
    </message>
    <message>
        <source>The project already uses %1: nothing changed</source>
        <translation>Das Projekt verwendet bereits %1: nichts geändert</translation>
    </message>
    <message>
        <source>lumora: --force changes the PLC and clears every PLC address</source>
        <translation>lumora: --force wechselt die SPS und löscht jede SPS-Adresse</translation>
    </message>
    <message>
        <source>PLC changed to %1, %2 address(es) converted, %3 dropped, saved to %4</source>
        <translation>SPS gewechselt zu %1, %2 Adresse(n) umgesetzt, %3 verworfen, gespeichert in %4</translation>
    </message>
    <message>
        <source>PLC changed to %1, every PLC address cleared, saved to %2</source>
        <translation>SPS gewechselt zu %1, jede SPS-Adresse gelöscht, gespeichert in %2</translation>
    </message>
    <message>
        <source>lumora: --paper takes a4 or letter</source>
        <translation>lumora: --paper erwartet a4 oder letter</translation>
    </message>
    <message>
        <source>lumora: --pages takes a page or a range such as 3-4 or 2-</source>
        <translation>lumora: --pages erwartet eine Seite oder einen Bereich wie 3-4 oder 2-</translation>
    </message>
    <message>
        <source>lumora: report needs -o OUT.pdf
Run &apos;lumora report --help&apos; for usage.</source>
        <translation>lumora: report benötigt -o OUT.pdf
Aufruf: &apos;lumora report --help&apos; zeigt die Verwendung.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>lumora: warning: %1</source>
        <translation>lumora: Warnung: %1</translation>
    </message>
    <message>
        <source>lumora: warning: cannot open the communication log %1: %2</source>
        <translation>lumora: Warnung: das Kommunikationsprotokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>lumora: --target takes panel1..panel5, multiplexer or project</source>
        <translation>lumora: --target erwartet panel1..panel5, multiplexer oder project</translation>
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
        <source>&amp;Read the unit&apos;s project before writing</source>
        <translation>Projekt des Geräts vor dem Schreiben &amp;lesen</translation>
    </message>
    <message>
        <source>Port selected:</source>
        <translation>Gewählter Port:</translation>
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
    <message>
        <source>Backup Project</source>
        <translation>Projekt sichern</translation>
    </message>
    <message>
        <source>Open Tag Map File</source>
        <translation>Tag-Map-Datei öffnen</translation>
    </message>
    <message>
        <source>line %1 is damaged: a character that is no hexadecimal digit, a count that does not match, or a wrong checksum</source>
        <translation>Zeile %1 ist beschädigt: ein Zeichen, das keine Hexadezimalziffer ist, eine nicht passende Anzahl oder eine falsche Prüfsumme</translation>
    </message>
    <message>
        <source>the file ends before its end record</source>
        <translation>die Datei endet vor dem Enddatensatz</translation>
    </message>
    <message>
        <source>line %1 is not an Intel HEX record</source>
        <translation>Zeile %1 ist kein Intel-HEX-Datensatz</translation>
    </message>
    <message>
        <source>line %1 holds a character that is no hexadecimal digit, or more or fewer digits than its count</source>
        <translation>Zeile %1 enthält ein Zeichen, das keine Hexadezimalziffer ist, oder mehr oder weniger Ziffern als angegeben</translation>
    </message>
    <message>
        <source>line %1 has a wrong checksum</source>
        <translation>Zeile %1 hat eine falsche Prüfsumme</translation>
    </message>
    <message>
        <source>line %1 moves the address beyond the first 64 KiB</source>
        <translation>Zeile %1 verschiebt die Adresse über die ersten 64 KiB hinaus</translation>
    </message>
    <message>
        <source>line %1 has an unknown record type</source>
        <translation>Zeile %1 hat einen unbekannten Datensatztyp</translation>
    </message>
    <message>
        <source>line %1 goes back to an address before the record above it, or leaves too large a gap</source>
        <translation>Zeile %1 springt auf eine Adresse vor dem vorhergehenden Datensatz zurück oder lässt eine zu große Lücke</translation>
    </message>
    <message>
        <source>the image is larger than 16 MiB</source>
        <translation>das Abbild ist größer als 16 MiB</translation>
    </message>
    <message>
        <source>the file holds no data</source>
        <translation>die Datei enthält keine Daten</translation>
    </message>
    <message>
        <source>line %1 follows the end record</source>
        <translation>Zeile %1 folgt auf den Enddatensatz</translation>
    </message>
    <message>
        <source>line %1 has a lower-case record mark</source>
        <translation>Zeile %1 hat eine kleingeschriebene Datensatzkennung</translation>
    </message>
    <message>
        <source>line %1 is not an S-record</source>
        <translation>Zeile %1 ist kein S-Record</translation>
    </message>
    <message>
        <source>line %1 counts %2 data records, but %3 come before it</source>
        <translation>Zeile %1 zählt %2 Datensätze, davor stehen aber %3</translation>
    </message>
    <message>
        <source>line %1 is the first data record but does not start at address 10000 hex</source>
        <translation>Zeile %1 ist der erste Datensatz, beginnt aber nicht an Adresse 10000 hex</translation>
    </message>
    <message>
        <source>the data records are not followed by a termination record (S7, S8 or S9) or a count record (S5 or S6), so the file cannot be told from one cut short</source>
        <translation>auf die Datensätze folgt weder ein Abschlussdatensatz (S7, S8 oder S9) noch ein Zähldatensatz (S5 oder S6), daher lässt sich die Datei nicht von einer abgeschnittenen unterscheiden</translation>
    </message>
    <message>
        <source>No permission to use %2: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER); it takes effect after a fresh login.</source>
        <translation>Keine Berechtigung für %2: Treten Sie der Gruppe »%1« bei (sudo usermod -aG %1 $USER); dies wird nach einer erneuten Anmeldung wirksam.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>No serial port is configured</source>
        <translation>Kein serieller Port konfiguriert</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>; no serial devices were found on this machine.</source>
        <translation>; auf diesem Rechner wurden keine seriellen Geräte gefunden.</translation>
    </message>
    <message>
        <source>; serial devices on this machine:</source>
        <translation>; serielle Geräte auf diesem Rechner:</translation>
    </message>
    <message>
        <source>Error C008: Checksum error</source>
        <translation>Fehler C008: Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Error C009: Time out Error.

Make sure Panel is in Setup Mode.
To enter Setup Mode, press the up and down arrow keys
simultaneously.</source>
        <translation>Fehler C009: Zeitüberschreitung.

Stellen Sie sicher, dass sich das Panel im Setup-Modus befindet.
Um in den Setup-Modus zu gelangen, drücken Sie die Pfeiltasten Auf und Ab
gleichzeitig.</translation>
    </message>
    <message>
        <source>Error C010: Invalid Message Code</source>
        <translation>Fehler C010: Ungültiger Meldungscode</translation>
    </message>
    <message>
        <source>Error C011: Start Load Not Requested</source>
        <translation>Fehler C011: Ladestart nicht angefordert</translation>
    </message>
    <message>
        <source>Error C012: Start Dump Not Requested</source>
        <translation>Fehler C012: Auslesestart nicht angefordert</translation>
    </message>
    <message>
        <source>Error C013: Insufficient space in Text Panel</source>
        <translation>Fehler C013: Nicht genügend Speicher im Text-Panel</translation>
    </message>
    <message>
        <source>Error C014: Invalid Message Number</source>
        <translation>Fehler C014: Ungültige Meldungsnummer</translation>
    </message>
    <message>
        <source>Error C015: Invalid Message Length</source>
        <translation>Fehler C015: Ungültige Meldungslänge</translation>
    </message>
    <message>
        <source>Error C016: The firmware being loaded into the panel does not match the panel type</source>
        <translation>Fehler C016: Die in das Panel geladene Firmware passt nicht zum Panel-Typ</translation>
    </message>
    <message>
        <source>Error C017: E2 Memory failed to program correctly</source>
        <translation>Fehler C017: E2-Speicher wurde nicht korrekt programmiert</translation>
    </message>
    <message>
        <source>Error C018: Invalid Load Format</source>
        <translation>Fehler C018: Ungültiges Ladeformat</translation>
    </message>
    <message>
        <source>Error C019: Invalid LED control</source>
        <translation>Fehler C019: Ungültige LED-Steuerung</translation>
    </message>
    <message>
        <source>Error C020: Option Not included</source>
        <translation>Fehler C020: Option nicht enthalten</translation>
    </message>
    <message>
        <source>Error C021: Memory is Read Only</source>
        <translation>Fehler C021: Speicher ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Error C022: Invalid with Random PLC loaded</source>
        <translation>Fehler C022: Ungültig bei geladener Random-SPS</translation>
    </message>
    <message>
        <source>Error C023: Invalid with Random/standard format</source>
        <translation>Fehler C023: Ungültig bei Random-/Standardformat</translation>
    </message>
    <message>
        <source>Error C024: Invalid Byte in the data fields of Command</source>
        <translation>Fehler C024: Ungültiges Byte in den Datenfeldern des Befehls</translation>
    </message>
    <message>
        <source>Error C007: Invalid Length in Reply</source>
        <translation>Fehler C007: Ungültige Länge in der Antwort</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Error Writing File</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <source>Error C003: Error opening port</source>
        <translation>Fehler C003: Fehler beim Öffnen des Ports</translation>
    </message>
    <message>
        <source>Error C004: Error in setting communication attributes</source>
        <translation>Fehler C004: Fehler beim Einstellen der Kommunikationsparameter</translation>
    </message>
    <message>
        <source>The panel simulator did not report its port within %1 seconds.</source>
        <translation>Der Panel-Simulator hat seinen Port nicht innerhalb von %1 Sekunden gemeldet.</translation>
    </message>
    <message>
        <source>The panel simulator did not report its port within %1 milliseconds.</source>
        <translation>Der Panel-Simulator hat seinen Port nicht innerhalb von %1 Millisekunden gemeldet.</translation>
    </message>
    <message>
        <source>The panel simulator&apos;s output cannot be read.</source>
        <translation>Die Ausgabe des Panel-Simulators kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The panel simulator ended without reporting its port.</source>
        <translation>Der Panel-Simulator wurde beendet, ohne seinen Port zu melden.</translation>
    </message>
    <message>
        <source>The panel simulator reported no valid port.</source>
        <translation>Der Panel-Simulator hat keinen gültigen Port gemeldet.</translation>
    </message>
    <message>
        <source>The panel simulator cannot be started.</source>
        <translation>Der Panel-Simulator kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>auf ein schließendes Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>Error M001: Unable to add a new Message/Folder.

Possible cause: All the available %1 messages have been programmed </source>
        <translation>Fehler M001: Neue Meldung/neuer Ordner kann nicht hinzugefügt werden.

Mögliche Ursache: Alle %1 verfügbaren Meldungen sind bereits programmiert </translation>
    </message>
    <message>
        <source>, message %1</source>
        <translation>, Meldung %1</translation>
    </message>
    <message>
        <source>, local message %1</source>
        <translation>, lokale Meldung %1</translation>
    </message>
    <message>
        <source>The message text holds a character the panel cannot show (0x%1)</source>
        <translation>Der Meldungstext enthält ein Zeichen, das das Panel nicht anzeigen kann (0x%1)</translation>
    </message>
    <message>
        <source>The decimal point position must follow data item 1, once</source>
        <translation>Die Dezimalpunktposition muss genau einmal direkt nach Datenelement 1 stehen</translation>
    </message>
    <message>
        <source>The limits of data item 1 (%1 to %2) do not fit its data type</source>
        <translation>Die Grenzen von Datenelement 1 (%1 bis %2) passen nicht zu seinem Datentyp</translation>
    </message>
    <message>
        <source>Message number %1 is used twice</source>
        <translation>Meldungsnummer %1 ist doppelt vergeben</translation>
    </message>
    <message>
        <source>Message number %1 is outside 1 to 256</source>
        <translation>Meldungsnummer %1 liegt außerhalb von 1 bis 256</translation>
    </message>
    <message>
        <source>PLC message number %1 is not below the first local number %2</source>
        <translation>SPS-Meldungsnummer %1 liegt nicht unter der ersten lokalen Nummer %2</translation>
    </message>
    <message>
        <source>Local message number %1 is below the first local number %2</source>
        <translation>Lokale Meldungsnummer %1 liegt unter der ersten lokalen Nummer %2</translation>
    </message>
    <message>
        <source>Menu level %1 is beyond the panel&apos;s menu depth</source>
        <translation>Menüebene %1 überschreitet die Menütiefe des Panels</translation>
    </message>
    <message>
        <source>Port %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>The tag name of %1 holds a control character (0x%2)</source>
        <translation>Der Tag-Name von %1 enthält ein Steuerzeichen (0x%2)</translation>
    </message>
    <message>
        <source>the LED word</source>
        <translation>das LED-Wort</translation>
    </message>
    <message>
        <source>the button word</source>
        <translation>das Tastenwort</translation>
    </message>
    <message>
        <source>the annunciator word</source>
        <translation>das Meldeanzeigewort</translation>
    </message>
    <message>
        <source>the line 1 register</source>
        <translation>das Register für Zeile 1</translation>
    </message>
    <message>
        <source>the line 2 register</source>
        <translation>das Register für Zeile 2</translation>
    </message>
    <message>
        <source>the line 3 register</source>
        <translation>das Register für Zeile 3</translation>
    </message>
    <message>
        <source>the line 4 register</source>
        <translation>das Register für Zeile 4</translation>
    </message>
    <message>
        <source>the password register</source>
        <translation>das Passwortregister</translation>
    </message>
    <message>
        <source>data item 1</source>
        <translation>Datenelement 1</translation>
    </message>
    <message>
        <source>the decimal point of data item 1</source>
        <translation>der Dezimalpunkt von Datenelement 1</translation>
    </message>
    <message>
        <source>data item 2</source>
        <translation>Datenelement 2</translation>
    </message>
    <message>
        <source>data item 3</source>
        <translation>Datenelement 3</translation>
    </message>
    <message>
        <source>Unknown panel type %1</source>
        <translation>Unbekannter Panel-Typ %1</translation>
    </message>
    <message>
        <source>Maximum %1  &quot;DATA SET %2&quot; can be defined with selected data type</source>
        <translation>Mit dem gewählten Datentyp können maximal %1  »DATA SET %2« definiert werden</translation>
    </message>
    <message>
        <source>PLC</source>
        <translation>SPS</translation>
    </message>
    <message>
        <source>The project&apos;s address size (%1) is not the PLC&apos;s (%2)</source>
        <translation>Die Adressgröße des Projekts (%1) entspricht nicht der der SPS (%2)</translation>
    </message>
    <message>
        <source>Port %1 is out of range</source>
        <translation>Port %1 liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Two panels are on port %1</source>
        <translation>An Port %1 sind zwei Panels angeschlossen</translation>
    </message>
    <message>
        <source>The panel type differs from the multiplexer&apos;s port table</source>
        <translation>Der Panel-Typ weicht von der Port-Tabelle des Multiplexers ab</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>file too large (over 64 MiB)</source>
        <translation>Datei zu groß (über 64 MiB)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 is not yes or no</source>
        <translation>%1 ist weder yes noch no</translation>
    </message>
    <message>
        <source>the data item needs a data type</source>
        <translation>das Datenelement benötigt einen Datentyp</translation>
    </message>
    <message>
        <source>%1 is not BCD/Int 16, Binary/Int 16, BCD/Int 32 or Binary/Int 32</source>
        <translation>%1 ist nicht BCD/Int 16, Binary/Int 16, BCD/Int 32 oder Binary/Int 32</translation>
    </message>
    <message>
        <source>holds a control character (0x%1)</source>
        <translation>enthält ein Steuerzeichen (0x%1)</translation>
    </message>
    <message>
        <source>unknown kind %1: SetPoint or PLC on a QMSV</source>
        <translation>unbekannte Art %1: SetPoint oder PLC bei einem QMSV</translation>
    </message>
    <message>
        <source>unknown kind %1: PLC or Local</source>
        <translation>unbekannte Art %1: PLC oder Local</translation>
    </message>
    <message>
        <source>message number %1 is not 1 to 256</source>
        <translation>Meldungsnummer %1 liegt nicht zwischen 1 und 256</translation>
    </message>
    <message>
        <source>a PLC message has no menu level</source>
        <translation>eine SPS-Meldung hat keine Menüebene</translation>
    </message>
    <message>
        <source>only local items can be folders</source>
        <translation>nur lokale Einträge können Ordner sein</translation>
    </message>
    <message>
        <source>level %1 is not 0 to 3</source>
        <translation>Ebene %1 liegt nicht zwischen 0 und 3</translation>
    </message>
    <message>
        <source>a folder stands at levels 0 to 2</source>
        <translation>ein Ordner steht auf den Ebenen 0 bis 2</translation>
    </message>
    <message>
        <source>a set-point text holds no data positions</source>
        <translation>ein Sollwerttext enthält keine Datenpositionen</translation>
    </message>
    <message>
        <source>a folder holds no data items</source>
        <translation>ein Ordner enthält keine Datenelemente</translation>
    </message>
    <message>
        <source>the text takes %1 positions, the folder&apos;s line holds %2</source>
        <translation>der Text belegt %1 Stellen, die Zeile des Ordners fasst %2</translation>
    </message>
    <message>
        <source>the text takes %1 positions, the line holds %2</source>
        <translation>der Text belegt %1 Stellen, die Zeile fasst %2</translation>
    </message>
    <message>
        <source>{.} stands once, right after the last position of data item 1</source>
        <translation>{.} steht genau einmal, direkt nach der letzten Stelle von Datenelement 1</translation>
    </message>
    <message>
        <source>%1 is not Read/Write, Read only or Write only</source>
        <translation>%1 ist nicht Read/Write, Read only oder Write only</translation>
    </message>
    <message>
        <source>the minimum is a whole number from 0 to %1</source>
        <translation>das Minimum ist eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>the maximum is a whole number from %1 to %2</source>
        <translation>das Maximum ist eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 is not none, Local or PLC</source>
        <translation>%1 ist nicht none, Local oder PLC</translation>
    </message>
    <message>
        <source>%1 is not none, Fixed - 0 to Fixed - 7 or Variable</source>
        <translation>%1 ist nicht none, Fixed - 0 bis Fixed - 7 oder Variable</translation>
    </message>
    <message>
        <source>a PLC-controlled decimal point needs its position {.} in the text</source>
        <translation>ein SPS-gesteuerter Dezimalpunkt benötigt seine Position {.} im Text</translation>
    </message>
    <message>
        <source>the table has no %1 column for the decimal point&apos;s %2, nor has the panel a message of this number with a PLC-controlled decimal point</source>
        <translation>die Tabelle hat keine Spalte %1 für den Dezimalpunkt (%2), und das Panel hat auch keine Meldung dieser Nummer mit SPS-gesteuertem Dezimalpunkt</translation>
    </message>
    <message>
        <source>tag name</source>
        <translation>Tag-Name</translation>
    </message>
    <message>
        <source>data type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>only a Variable decimal point has an address</source>
        <translation>nur ein Dezimalpunkt vom Typ Variable hat eine Adresse</translation>
    </message>
    <message>
        <source>data item %1 is not in the text</source>
        <translation>Datenelement %1 steht nicht im Text</translation>
    </message>
    <message>
        <source>a tag name needs a project linked to a Plan &amp; Run tag map</source>
        <translation>ein Tag-Name erfordert ein Projekt, das mit einer Plan &amp; Run-Tag-Map verknüpft ist</translation>
    </message>
    <message>
        <source>%1 is not a tag name of the tag map</source>
        <translation>%1 ist kein Tag-Name der Tag-Map</translation>
    </message>
    <message>
        <source>tag %1 needs its address from the tag map, %2</source>
        <translation>Tag %1 benötigt seine Adresse aus der Tag-Map, %2</translation>
    </message>
    <message>
        <source>tag %1 has the address %2 in the tag map, not %3</source>
        <translation>Tag %1 hat in der Tag-Map die Adresse %2, nicht %3</translation>
    </message>
    <message>
        <source>%1 is not an address of the tag map</source>
        <translation>%1 ist keine Adresse der Tag-Map</translation>
    </message>
    <message>
        <source>the address %1 needs its tag name from the tag map</source>
        <translation>die Adresse %1 benötigt ihren Tag-Namen aus der Tag-Map</translation>
    </message>
    <message>
        <source>the PLC does not take %1</source>
        <translation>die SPS akzeptiert %1 nicht</translation>
    </message>
    <message>
        <source>level %1 follows level %2 on row %3: the menu goes one level deeper at a time</source>
        <translation>Ebene %1 folgt in Zeile %3 auf Ebene %2: Das Menü wird jeweils nur um eine Ebene tiefer</translation>
    </message>
    <message>
        <source>level %1 starts the menu, which begins at level 0: the menu goes one level deeper at a time</source>
        <translation>Ebene %1 beginnt das Menü, das auf Ebene 0 beginnen muss: Das Menü wird jeweils nur um eine Ebene tiefer</translation>
    </message>
    <message>
        <source>level %1 needs a folder above it; row %2 is a message</source>
        <translation>Ebene %1 benötigt einen übergeordneten Ordner; Zeile %2 ist eine Meldung</translation>
    </message>
    <message>
        <source>a panel holds at most 256 messages</source>
        <translation>ein Panel fasst höchstens 256 Meldungen</translation>
    </message>
    <message>
        <source>message number %1 is also on row %2</source>
        <translation>Meldungsnummer %1 steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>message number %1 is above the %2 the %3 local items leave</source>
        <translation>Meldungsnummer %1 liegt über den %2, die die %3 lokalen Einträge übrig lassen</translation>
    </message>
    <message>
        <source>the header row is missing</source>
        <translation>die Kopfzeile fehlt</translation>
    </message>
    <message>
        <source>the header row needs &quot;%1&quot; here, not %2</source>
        <translation>die Kopfzeile benötigt hier »%1«, nicht %2</translation>
    </message>
    <message>
        <source>the header row needs &quot;%1&quot; here</source>
        <translation>die Kopfzeile benötigt hier »%1«</translation>
    </message>
    <message>
        <source>unknown or repeated column</source>
        <translation>unbekannte oder doppelte Spalte</translation>
    </message>
    <message>
        <source>the row has %1 fields, the header %2</source>
        <translation>die Zeile hat %1 Felder, die Kopfzeile %2</translation>
    </message>
    <message>
        <source>the panel cannot show the character 0x%1 (only printable ASCII)</source>
        <translation>das Panel kann das Zeichen 0x%1 nicht anzeigen (nur druckbares ASCII)</translation>
    </message>
    <message>
        <source>an unclosed { (write {{ for the character itself)</source>
        <translation>ein nicht geschlossenes { (für das Zeichen selbst {{ schreiben)</translation>
    </message>
    <message>
        <source>%1 is not {K:N}, {.} or {{</source>
        <translation>%1 ist nicht {K:N}, {.} oder {{</translation>
    </message>
    <message>
        <source>%1: data items are 1 to 3</source>
        <translation>%1: Datenelemente sind 1 bis 3</translation>
    </message>
    <message>
        <source>%1: a data item takes at least one position</source>
        <translation>%1: ein Datenelement belegt mindestens eine Stelle</translation>
    </message>
    <message>
        <source>CAUTION: When changing a message number to a higher number,
all unused lower message numbers will be sent as &quot;blank&quot; messages
when the program is transferred to the panel. Blank messages will be
counted as part of the maximum allowable messages (256 total)

Proceed?</source>
        <translation>ACHTUNG: Wenn eine Meldungsnummer auf eine höhere Nummer geändert wird,
werden alle ungenutzten niedrigeren Meldungsnummern als »leere« Meldungen
gesendet, wenn das Programm zum Panel übertragen wird. Leere Meldungen
zählen zur maximal zulässigen Anzahl von Meldungen (insgesamt 256).

Fortfahren?</translation>
    </message>
    <message>
        <source>Only a folder holds messages</source>
        <translation>Nur ein Ordner kann Meldungen enthalten</translation>
    </message>
    <message>
        <source>The menu cannot go deeper here</source>
        <translation>Das Menü kann hier nicht tiefer gehen</translation>
    </message>
    <message>
        <source>Nothing is inserted before the root</source>
        <translation>Vor der Wurzel kann nichts eingefügt werden</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>Fixed - %1</source>
        <translation>Fest - %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The following items have not been configured:

</source>
        <translation>Folgende Elemente wurden nicht konfiguriert:

</translation>
    </message>
    <message>
        <source>No Local Messages configured
</source>
        <translation>Keine lokalen Meldungen konfiguriert
</translation>
    </message>
    <message>
        <source>The panel in %1 breaks the project rules and was not imported:</source>
        <translation>Das Panel in %1 verstößt gegen die Projektregeln und wurde nicht importiert:</translation>
    </message>
    <message>
        <source>Not Configured</source>
        <translation>Nicht konfiguriert</translation>
    </message>
    <message>
        <source>This command will clear the panel(s). Do you want to continue?</source>
        <translation>Dieser Befehl löscht das Panel bzw. die Panels. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This operation will delete all the messages and addresses 
 configured in the current panel. Continue?</source>
        <translation>Dieser Vorgang löscht alle im aktuellen Panel konfigurierten 
 Meldungen und Adressen. Fortfahren?</translation>
    </message>
    <message>
        <source>This operation will delete all the messages
and addresses configured in the current project. Continue?
Changing panels will not create a new project,
if you would like to create a new project select NEW from the FILE menu.</source>
        <translation>Dieser Vorgang löscht alle im aktuellen Projekt konfigurierten
Meldungen und Adressen. Fortfahren?
Durch einen Wechsel des Panels wird kein neues Projekt angelegt.
Um ein neues Projekt anzulegen, wählen Sie im Menü DATEI den Befehl NEU.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Project has been created using previous version of software. Do you want to have a back copy of it?</source>
        <translation>Das Projekt wurde mit einer früheren Version der Software erstellt. Möchten Sie eine Sicherungskopie davon anlegen?</translation>
    </message>
    <message>
        <source>Lumora Files (*.lmx)|*.lmx</source>
        <translation>Lumora-Dateien (*.lmx)|*.lmx</translation>
    </message>
    <message>
        <source>The backup copy could not be written, so the project was not opened.</source>
        <translation>Die Sicherungskopie konnte nicht geschrieben werden, daher wurde das Projekt nicht geöffnet.</translation>
    </message>
    <message>
        <source>Error T004: Unable to open tag map file : %1
Please choose the map file</source>
        <translation>Fehler T004: Tag-Map-Datei kann nicht geöffnet werden: %1
Bitte wählen Sie die Map-Datei aus</translation>
    </message>
    <message>
        <source>Plan &amp; Run Map Files (*.map)|*.map|All Files (*.*)|*.*||</source>
        <translation>Plan &amp; Run-Map-Dateien (*.map)|*.map|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>no panel on the selected port</source>
        <translation>kein Panel am ausgewählten Port</translation>
    </message>
    <message>
        <source>Error Z002: You are trying to read from an invalid file</source>
        <translation>Fehler Z002: Sie versuchen, aus einer ungültigen Datei zu lesen</translation>
    </message>
    <message>
        <source>Lumora Files (*.lmx)|*.lmx|All Files (*.*)|*.*||</source>
        <translation>Lumora-Dateien (*.lmx)|*.lmx|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>the file ends early: line %1 (%2) is missing</source>
        <translation>die Datei endet vorzeitig: Zeile %1 (%2) fehlt</translation>
    </message>
    <message>
        <source>line %1: %4 is %5, not a number from %2 to %3</source>
        <translation>Zeile %1: %4 ist %5, keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>Error P007: PLC dll for this PLC (Manufacturer ID : %1, Model ID : %2)
not found in this system</source>
        <translation>Fehler P007: SPS-DLL für diese SPS (Hersteller-ID: %1, Modell-ID: %2)
auf diesem System nicht gefunden</translation>
    </message>
    <message>
        <source>the PLC name</source>
        <translation>der SPS-Name</translation>
    </message>
    <message>
        <source>the PLC library name</source>
        <translation>der Name der SPS-Bibliothek</translation>
    </message>
    <message>
        <source>the address size</source>
        <translation>die Adressgröße</translation>
    </message>
    <message>
        <source>the number of PLC attribute bytes</source>
        <translation>die Anzahl der SPS-Attributbytes</translation>
    </message>
    <message>
        <source>too many PLC attribute bytes</source>
        <translation>zu viele SPS-Attributbytes</translation>
    </message>
    <message>
        <source>PLC attribute byte %1 of %2</source>
        <translation>SPS-Attributbyte %1 von %2</translation>
    </message>
    <message>
        <source>the PLC attributes cannot name a PLC</source>
        <translation>die SPS-Attribute bezeichnen keine SPS</translation>
    </message>
    <message>
        <source>the system type</source>
        <translation>der Systemtyp</translation>
    </message>
    <message>
        <source>unknown system type</source>
        <translation>unbekannter Systemtyp</translation>
    </message>
    <message>
        <source>a multiplexer port type is out of range</source>
        <translation>ein Multiplexer-Porttyp liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>the multiplexer table</source>
        <translation>die Multiplexer-Tabelle</translation>
    </message>
    <message>
        <source>the selected multiplexer port is out of range</source>
        <translation>der ausgewählte Multiplexer-Port liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>the number of panels</source>
        <translation>die Anzahl der Panels</translation>
    </message>
    <message>
        <source>the panel count does not match the system</source>
        <translation>die Anzahl der Panels passt nicht zum System</translation>
    </message>
    <message>
        <source>in panel %1 of %2</source>
        <translation>in Panel %1 von %2</translation>
    </message>
    <message>
        <source>the tag-map flag</source>
        <translation>das Tag-Map-Flag</translation>
    </message>
    <message>
        <source>the tag map&apos;s path</source>
        <translation>der Pfad der Tag-Map</translation>
    </message>
    <message>
        <source>the menu level of message %1</source>
        <translation>die Menüebene von Meldung %1</translation>
    </message>
    <message>
        <source>Error Z006: Unknown value type (%1) encountered while loading project. Known values are 0(BCD) and 1 (Binary)</source>
        <translation>Fehler Z006: Unbekannter Werttyp (%1) beim Laden des Projekts. Bekannte Werte sind 0 (BCD) und 1 (Binary)</translation>
    </message>
    <message>
        <source>a number of fixed decimals</source>
        <translation>eine Anzahl fester Dezimalstellen</translation>
    </message>
    <message>
        <source>Error T007: Unknown access type specified for PLC Address.</source>
        <translation>Fehler T007: Unbekannte Zugriffsart für SPS-Adresse angegeben.</translation>
    </message>
    <message>
        <source>too many messages</source>
        <translation>zu viele Meldungen</translation>
    </message>
    <message>
        <source>the local password</source>
        <translation>das lokale Passwort</translation>
    </message>
    <message>
        <source>not a project file</source>
        <translation>keine Projektdatei</translation>
    </message>
    <message>
        <source>no folder for recovery copies (neither XDG_STATE_HOME nor HOME is set)</source>
        <translation>kein Ordner für Wiederherstellungskopien (weder XDG_STATE_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>not a recovery copy, or a damaged one</source>
        <translation>keine Wiederherstellungskopie oder eine beschädigte</translation>
    </message>
    <message>
        <source>the copy is incomplete or damaged</source>
        <translation>die Kopie ist unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Nur lesen</translation>
    </message>
    <message>
        <source>Read/Write</source>
        <translation>Lesen/Schreiben</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2</source>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein</translation>
    </message>
    <message>
        <source>Error M004: Invalid Message Number</source>
        <translation>Fehler M004: Ungültige Meldungsnummer</translation>
    </message>
    <message>
        <source>Changes made to the MultiPanel configuration will be lost.
Do you wish to continue?</source>
        <translation>Änderungen an der Mehrpanel-Konfiguration gehen verloren.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>not a text file (it holds NUL bytes)</source>
        <translation>keine Textdatei (enthält NUL-Bytes)</translation>
    </message>
    <message>
        <source>no tag entries in it</source>
        <translation>enthält keine Tag-Einträge</translation>
    </message>
    <message>
        <source>Error T005: Unable to open map file %1</source>
        <translation>Fehler T005: Map-Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error Tag map entry &quot;%1,%2&quot; not found in map file
</source>
        <translation>Fehler: Tag-Map-Eintrag &quot;%1,%2&quot; nicht in der Map-Datei gefunden
</translation>
    </message>
    <message>
        <source>Tag name &quot;%1&quot; changed to &quot;%2&quot; for address %3
</source>
        <translation>Tag-Name &quot;%1&quot; für Adresse %3 in &quot;%2&quot; geändert
</translation>
    </message>
    <message>
        <source>Multiple tag names found for the address &quot;%1&quot;
</source>
        <translation>Mehrere Tag-Namen für die Adresse &quot;%1&quot; gefunden
</translation>
    </message>
    <message>
        <source>%1 is compatible with
%2.
Changing the PLC will convert all the compatible addresses.

Change?</source>
        <translation>%1 ist kompatibel mit
%2.
Beim Wechsel der SPS werden alle kompatiblen Adressen umgesetzt.

Wechseln?</translation>
    </message>
    <message>
        <source>No folder for the attribute exchange file can be made in the temporary folder %1: %2.</source>
        <translation>Im temporären Ordner %1 kann kein Ordner für die Attribut-Austauschdatei angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The attribute exchange file %1 cannot be read: %2.</source>
        <translation>Die Attribut-Austauschdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The attribute exchange file %1 is empty (is the temporary folder full?).</source>
        <translation>Die Attribut-Austauschdatei %1 ist leer (ist der temporäre Ordner voll?).</translation>
    </message>
    <message>
        <source>The attribute exchange file %1 holds %2 bytes, fewer than the %3 of the smallest block (is the temporary folder full?).</source>
        <translation>Die Attribut-Austauschdatei %1 enthält %2 Bytes, weniger als die %3 des kleinsten Blocks (ist der temporäre Ordner voll?).</translation>
    </message>
    <message>
        <source>The attribute exchange file %1 holds %2 bytes with a count of %3 after its header, which cannot be.</source>
        <translation>Die Attribut-Austauschdatei %1 enthält %2 Bytes mit einer Anzahl von %3 nach ihrem Kopf; das ist nicht möglich.</translation>
    </message>
    <message>
        <source>The attribute exchange file %1 holds %2 bytes of the %3 of its block (is the temporary folder full?).</source>
        <translation>Die Attribut-Austauschdatei %1 enthält %2 Bytes der %3 ihres Blocks (ist der temporäre Ordner voll?).</translation>
    </message>
    <message>
        <source>The library did not write its default attributes to %1.</source>
        <translation>Die Bibliothek hat ihre Standardattribute nicht nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>The attribute exchange file %1 cannot be written: %2.</source>
        <translation>Die Attribut-Austauschdatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Error P001: Load dll Procedure failed
Unable to validate PLC address

Possible reason: Unable to locate correct PLC DLL.</source>
        <translation>Fehler P001: Laden der DLL-Prozedur fehlgeschlagen
SPS-Adresse kann nicht geprüft werden

Mögliche Ursache: Die passende SPS-DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error P002: Unable to load library : CtrlLink.dll</source>
        <translation>Fehler P002: Bibliothek kann nicht geladen werden: CtrlLink.dll</translation>
    </message>
    <message>
        <source>Error P003: Unable to load %1.dll.  </source>
        <translation>Fehler P003: %1.dll kann nicht geladen werden.  </translation>
    </message>
    <message>
        <source>Error P005: PLC DLL load failed.</source>
        <translation>Fehler P005: Laden der SPS-DLL fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Error P006: %1 is not compatible with
%2.

Do you want to change the PLC anyway?</source>
        <translation>Fehler P006: %1 ist nicht kompatibel mit
%2.

Möchten Sie die SPS trotzdem wechseln?</translation>
    </message>
    <message>
        <source>Error P008: Load dll Procedure failed
Unable to compare PLC address

Possible reason: Unable to locate correct PLC DLL.</source>
        <translation>Fehler P008: Laden der DLL-Prozedur fehlgeschlagen
SPS-Adressen können nicht verglichen werden

Mögliche Ursache: Die passende SPS-DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&quot;Error P009: Load dll Procedure failed
Unable to Set Application Type

Possible reason: Unable to locate correct PLC DLL.&quot;</source>
        <translation>&quot;Fehler P009: Laden der DLL-Prozedur fehlgeschlagen
Anwendungstyp kann nicht gesetzt werden

Mögliche Ursache: Die passende SPS-DLL wurde nicht gefunden.&quot;</translation>
    </message>
    <message>
        <source>Error P010: The PLC communication attributes of %1 cannot be used.
%2</source>
        <translation>Fehler P010: Die SPS-Kommunikationsattribute von %1 können nicht verwendet werden.
%2</translation>
    </message>
    <message>
        <source>Error P011: The PLC library %1 cannot be used and is left out.
%2</source>
        <translation>Fehler P011: Die SPS-Bibliothek %1 kann nicht verwendet werden und wird ausgelassen.
%2</translation>
    </message>
    <message>
        <source>Error Z007: Discrete addresses are not allowed here.</source>
        <translation>Fehler Z007: Bitadressen sind hier nicht zulässig.</translation>
    </message>
    <message>
        <source>Error T002: Invalid Access Type</source>
        <translation>Fehler T002: Ungültige Zugriffsart</translation>
    </message>
    <message>
        <source>The communication log %2 could not be written: %1.</source>
        <translation>Das Kommunikationsprotokoll %2 konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>%1 is as it was; %1.partial holds what was written.</source>
        <translation>%1 ist unverändert; %1.partial enthält, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>No unit was chosen: nothing was written.</source>
        <translation>Kein Gerät gewählt: nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Port %1 has no panel in this project: nothing was written.</source>
        <translation>Port %1 hat in diesem Projekt kein Panel: nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Panel program can not be uploaded as it has incomplete data. </source>
        <translation>Das Panel-Programm kann nicht übertragen werden, da seine Daten unvollständig sind. </translation>
    </message>
    <message>
        <source>The project cannot be written to the panel as it is:</source>
        <translation>Das Projekt kann so nicht in das Panel geschrieben werden:</translation>
    </message>
    <message>
        <source>a field has a broken escape</source>
        <translation>ein Feld enthält eine fehlerhafte Escape-Folge</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>%1 Felder statt %2</translation>
    </message>
    <message>
        <source>the number or the time is not a whole number</source>
        <translation>die Nummer oder die Zeit ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>unknown operation &quot;%1&quot;</source>
        <translation>unbekannter Vorgang &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the project id is not a SHA-256 digest</source>
        <translation>die Projektkennung ist kein SHA-256-Hashwert</translation>
    </message>
    <message>
        <source>The panel history&apos;s index %1 is damaged: %2</source>
        <translation>Der Index %1 des Panel-Verlaufs ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The panel history&apos;s index %1 cannot be read: %2</source>
        <translation>Der Index %1 des Panel-Verlaufs kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;</source>
        <translation>er beginnt nicht mit &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is cut off</source>
        <translation>Zeile %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: the numbers are out of order</source>
        <translation>Zeile %1: die Nummern sind nicht in Reihenfolge</translation>
    </message>
    <message>
        <source>too many damaged indexes beside it</source>
        <translation>zu viele beschädigte Indizes daneben</translation>
    </message>
    <message>
        <source>The project of history entry %1 cannot be read: %2: %3</source>
        <translation>Das Projekt des Verlaufseintrags %1 kann nicht gelesen werden: %2: %3</translation>
    </message>
    <message>
        <source>The project of history entry %1 is damaged: %2 no longer holds the project it was kept as</source>
        <translation>Das Projekt des Verlaufseintrags %1 ist beschädigt: %2 enthält nicht mehr das gesicherte Projekt</translation>
    </message>
    <message>
        <source>The project of history entry %1 cannot be loaded: %2</source>
        <translation>Das Projekt des Verlaufseintrags %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the unit&apos;s project from before the write</source>
        <translation>das Projekt des Geräts vor dem Schreiben</translation>
    </message>
    <message>
        <source>this transfer</source>
        <translation>diese Übertragung</translation>
    </message>
    <message>
        <source>The panel history could not keep %1: %2</source>
        <translation>Der Panel-Verlauf konnte %1 nicht sichern: %2</translation>
    </message>
    <message>
        <source>no folder for it is known (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>dafür ist kein Ordner bekannt (weder XDG_DATA_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>%1; it could not be set aside: %2</source>
        <translation>%1; er konnte nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>%1. It was kept as %2 and a new index begun.</source>
        <translation>%1. Er wurde als %2 aufbewahrt und ein neuer Index begonnen.</translation>
    </message>
    <message>
        <source>  * 2 x 20 with 5 user defined  buttons and LED&apos;s
  * Scroll data entry
  * Built in Menu System
  * EMI filtered Power Supply to reduce communication problems
</source>
        <translation>  * 2 x 20 mit 5 frei belegbaren Tasten und LEDs
  * Dateneingabe mit Blättertasten
  * Eingebautes Menüsystem
  * EMV-gefiltertes Netzteil gegen Kommunikationsstörungen
</translation>
    </message>
    <message>
        <source>  * 2 x 20 larger character display with 5 user defined  buttons and LED&apos;s
  * Scroll data entry
  * Built in menu system
  * EMI filtered Power Supply to reduce communication problems
</source>
        <translation>  * 2 x 20 mit größeren Zeichen und 5 frei belegbaren Tasten und LEDs
  * Dateneingabe mit Blättertasten
  * Eingebautes Menüsystem
  * EMV-gefiltertes Netzteil gegen Kommunikationsstörungen
</translation>
    </message>
    <message>
        <source>  * 2 x 20 with 5 user defined  buttons and LED&apos;s
  * Numeric keypad or scroll data entry
  * Built in menu system
  * EMI filtered Power Supply to reduce communication problems
</source>
        <translation>  * 2 x 20 mit 5 frei belegbaren Tasten und LEDs
  * Dateneingabe über Zehnertastatur oder Blättertasten
  * Eingebautes Menüsystem
  * EMV-gefiltertes Netzteil gegen Kommunikationsstörungen
</translation>
    </message>
    <message>
        <source>  * 4 x 20 with 5 user defined  buttons and LED&apos;s
  * Scroll data entry
  * Built in menu system
  * EMI filtered Power Supply to reduce communication problems
</source>
        <translation>  * 4 x 20 mit 5 frei belegbaren Tasten und LEDs
  * Dateneingabe mit Blättertasten
  * Eingebautes Menüsystem
  * EMV-gefiltertes Netzteil gegen Kommunikationsstörungen
</translation>
    </message>
    <message>
        <source>  * 8 digit Set Point Panel with 1 x 16 description for each numeric displayed value
  * Scroll keys to enter new values and enter key to send the value to PLC
  * EMI filtered Power Supply to reduce the communciation problems
</source>
        <translation>  * 8-stelliges Sollwert-Panel mit 1 x 16 Zeichen Beschreibung je angezeigtem Wert
  * Blättertasten zur Eingabe neuer Werte, Eingabetaste sendet den Wert an die SPS
  * EMV-gefiltertes Netzteil gegen Kommunikationsstörungen
</translation>
    </message>
    <message>
        <source> * Communication Master for multiple panels
*  Connects up to 5 Lumora panels to one PLC</source>
        <translation> * Kommunikations-Master für mehrere Panels
*  Verbindet bis zu 5 Lumora-Panels mit einer SPS</translation>
    </message>
    <message>
        <source>No driver available on panel.</source>
        <translation>Kein Treiber im Panel vorhanden.</translation>
    </message>
    <message>
        <source>Panel(s) memory cleared</source>
        <translation>Panel-Speicher gelöscht</translation>
    </message>
    <message>
        <source>Project file on PC is same as the 
project loaded in the panel</source>
        <translation>Die Projektdatei auf dem PC ist identisch mit dem 
im Panel geladenen Projekt</translation>
    </message>
    <message>
        <source>Project file on PC is different from
project loaded in the panel</source>
        <translation>Die Projektdatei auf dem PC unterscheidet sich vom
im Panel geladenen Projekt</translation>
    </message>
    <message>
        <source>ERROR On COM Port. %1</source>
        <translation>FEHLER am COM-Port. %1</translation>
    </message>
    <message>
        <source>ERROR On Port %1. %2</source>
        <translation>FEHLER an Port %1. %2</translation>
    </message>
    <message>
        <source>File Could not be opened</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Initializing the panel for downloading firmware...</source>
        <translation>Panel wird für das Laden der Firmware vorbereitet...</translation>
    </message>
    <message>
        <source>DownLoading the firmware...</source>
        <translation>Firmware wird geladen...</translation>
    </message>
    <message>
        <source>Verifying the downloaded firmware </source>
        <translation>Geladene Firmware wird geprüft </translation>
    </message>
    <message>
        <source>Restarting the panel...</source>
        <translation>Panel wird neu gestartet...</translation>
    </message>
    <message>
        <source>Downloading Completed Successfully</source>
        <translation>Laden erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>the image is shorter than the first block of %1 bytes</source>
        <translation>das Abbild ist kürzer als der erste Block von %1 Bytes</translation>
    </message>
    <message>
        <source>Sending Execute Boot command </source>
        <translation>Boot-Befehl wird gesendet </translation>
    </message>
    <message>
        <source>Completed Downloading Firmware</source>
        <translation>Laden der Firmware abgeschlossen</translation>
    </message>
    <message>
        <source>Sending Execute Exec Command</source>
        <translation>Exec-Befehl wird gesendet</translation>
    </message>
    <message>
        <source>Download Completed Successfully</source>
        <translation>Laden erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Reading message %1...</source>
        <translation>Meldung %1 wird gelesen...</translation>
    </message>
    <message>
        <source>Verifying panel Connected...</source>
        <translation>Panelverbindung wird geprüft...</translation>
    </message>
    <message>
        <source>DownLoading the tag... 0% complete</source>
        <translation>Tags werden übertragen... 0% abgeschlossen</translation>
    </message>
    <message>
        <source>DownLoading the tag....%1% complete</source>
        <translation>Tags werden übertragen....%1% abgeschlossen</translation>
    </message>
    <message>
        <source>DownLoading the Driver....0% complete</source>
        <translation>Treiber wird übertragen....0% abgeschlossen</translation>
    </message>
    <message>
        <source>Reading System Attributes</source>
        <translation>Systemattribute werden gelesen</translation>
    </message>
    <message>
        <source>Reading Messages</source>
        <translation>Meldungen werden gelesen</translation>
    </message>
    <message>
        <source>Reading Tags</source>
        <translation>Tags werden gelesen</translation>
    </message>
    <message>
        <source>Reading PLC Attributes</source>
        <translation>SPS-Attribute werden gelesen</translation>
    </message>
    <message>
        <source>Clearing Memory.</source>
        <translation>Speicher wird gelöscht.</translation>
    </message>
    <message>
        <source>Writing Messages.</source>
        <translation>Meldungen werden geschrieben.</translation>
    </message>
    <message>
        <source>Writing Map Data.</source>
        <translation>Map-Daten werden geschrieben.</translation>
    </message>
    <message>
        <source>Writing system attributes.</source>
        <translation>Systemattribute werden geschrieben.</translation>
    </message>
    <message>
        <source>Writing PLC driver.</source>
        <translation>SPS-Treiber wird geschrieben.</translation>
    </message>
    <message>
        <source>Writing PLC attributes. </source>
        <translation>SPS-Attribute werden geschrieben. </translation>
    </message>
    <message>
        <source>Writing to Panel</source>
        <translation>Schreiben in das Panel</translation>
    </message>
    <message>
        <source>Reading from Panel</source>
        <translation>Lesen aus dem Panel</translation>
    </message>
    <message>
        <source>DownLoading Firmware...</source>
        <translation>Firmware wird geladen...</translation>
    </message>
    <message>
        <source> - QM210 Panel</source>
        <translation> - QM210-Panel</translation>
    </message>
    <message>
        <source> - QM210G Panel</source>
        <translation> - QM210G-Panel</translation>
    </message>
    <message>
        <source> - QM210K Panel</source>
        <translation> - QM210K-Panel</translation>
    </message>
    <message>
        <source> - QM410 Panel</source>
        <translation> - QM410-Panel</translation>
    </message>
    <message>
        <source> - QMSV Panel</source>
        <translation> - QMSV-Panel</translation>
    </message>
    <message>
        <source> - Multiplexer Panel</source>
        <translation> - Multiplexer-Panel</translation>
    </message>
    <message>
        <source>Port %1%2</source>
        <translation>Port %1%2</translation>
    </message>
    <message>
        <source>COM Port%1</source>
        <translation>COM-Port%1</translation>
    </message>
    <message>
        <source>Project has been written to the multiplexer and/or panel(s) successfully.</source>
        <translation>Das Projekt wurde erfolgreich in den Multiplexer und/oder das/die Panel(s) geschrieben.</translation>
    </message>
    <message>
        <source>Project has been written to the panel successfully.</source>
        <translation>Das Projekt wurde erfolgreich in das Panel geschrieben.</translation>
    </message>
    <message>
        <source>Project has been read from the multiplexer and panel(s) successfully.</source>
        <translation>Das Projekt wurde erfolgreich aus dem Multiplexer und dem/den Panel(s) gelesen.</translation>
    </message>
    <message>
        <source>Project has been read from the panel successfully.</source>
        <translation>Das Projekt wurde erfolgreich aus dem Panel gelesen.</translation>
    </message>
    <message>
        <source>Error C001: The panel connected to the PC is different from the configured one</source>
        <translation>Fehler C001: Das am PC angeschlossene Panel unterscheidet sich vom konfigurierten</translation>
    </message>
    <message>
        <source>The panel connected to the multiplexer is different from the configured one. </source>
        <translation>Das am Multiplexer angeschlossene Panel unterscheidet sich vom konfigurierten. </translation>
    </message>
    <message>
        <source>Error C002: Cannot Locate the Driver File</source>
        <translation>Fehler C002: Treiberdatei nicht gefunden</translation>
    </message>
    <message>
        <source>Error C006: Error in reading the project from the panel. Project in the panel is corrupted.</source>
        <translation>Fehler C006: Fehler beim Lesen des Projekts aus dem Panel. Das Projekt im Panel ist beschädigt.</translation>
    </message>
    <message>
        <source>Error Z003: The file may be corrupted</source>
        <translation>Fehler Z003: Die Datei ist möglicherweise beschädigt</translation>
    </message>
    <message>
        <source>Error Z004: Unable to open the PLC driver file.</source>
        <translation>Fehler Z004: Die SPS-Treiberdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Error Z008:  Invalid Device Type</source>
        <translation>Fehler Z008:  Ungültiger Gerätetyp</translation>
    </message>
    <message>
        <source>Error T006:  Error in reading PLC Addresses</source>
        <translation>Fehler T006:  Fehler beim Lesen der SPS-Adressen</translation>
    </message>
    <message>
        <source>Error in rebuilding the tag list</source>
        <translation>Fehler beim Neuaufbau der Tag-Liste</translation>
    </message>
    <message>
        <source>The panel holds no project: it was cleared or has never been written.</source>
        <translation>Das Panel enthält kein Projekt: Es wurde gelöscht oder nie beschrieben.</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s project first</source>
        <translation>Zuerst wird das Projekt des Geräts gelesen</translation>
    </message>
    <message>
        <source>The unit held no project: nothing was kept before the write.</source>
        <translation>Das Gerät enthielt kein Projekt: Vor dem Schreiben wurde nichts gesichert.</translation>
    </message>
    <message>
        <source>A panel connected directly cannot be read without its multiplexer: nothing was kept before the write.</source>
        <translation>Ein direkt angeschlossenes Panel kann ohne seinen Multiplexer nicht gelesen werden: Vor dem Schreiben wurde nichts gesichert.</translation>
    </message>
    <message>
        <source>Please ensure all panels are connected to the multiplexer and click OK.</source>
        <translation>Bitte stellen Sie sicher, dass alle Panels am Multiplexer angeschlossen sind, und klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Not a valid firmware revision number</source>
        <translation>Keine gültige Firmware-Revisionsnummer</translation>
    </message>
    <message>
        <source>The panel has an older version of the firmware (%1) which is not compatible 
with this program loader.  Some of the latest panel features may not be 
available in this firmware. The latest firmware is available in directory:
%2  
Please use Panel-&gt;Upgrade Firmware option to upload new firmware to the panel.</source>
        <translation>Das Panel hat eine ältere Firmware-Version (%1), die nicht mit diesem 
Programmlader kompatibel ist. Einige der neuesten Panel-Funktionen sind in dieser 
Firmware möglicherweise nicht verfügbar. Die neueste Firmware befindet sich im Verzeichnis:
%2  
Bitte verwenden Sie die Option Panel-&gt;Firmware aktualisieren, um neue Firmware in das Panel zu laden.</translation>
    </message>
    <message>
        <source>Clearing the memory...</source>
        <translation>Speicher wird gelöscht...</translation>
    </message>
    <message>
        <source>memory cleared</source>
        <translation>Speicher gelöscht</translation>
    </message>
    <message>
        <source>Line one</source>
        <translation>Zeile eins</translation>
    </message>
    <message>
        <source>Line two</source>
        <translation>Zeile zwei</translation>
    </message>
    <message>
        <source>Line three</source>
        <translation>Zeile drei</translation>
    </message>
    <message>
        <source>Line four</source>
        <translation>Zeile vier</translation>
    </message>
    <message>
        <source>Bit Read (LED&apos;s)</source>
        <translation>Bit lesen (LEDs)</translation>
    </message>
    <message>
        <source>Bit Write (Buttons)</source>
        <translation>Bit schreiben (Tasten)</translation>
    </message>
    <message>
        <source>PLC Password Register:</source>
        <translation>SPS-Passwortregister:</translation>
    </message>
    <message>
        <source>Local password:</source>
        <translation>Lokales Passwort:</translation>
    </message>
    <message>
        <source>Bit Read (Annunciator Lights)</source>
        <translation>Bit lesen (Leuchten der Meldeanzeige)</translation>
    </message>
    <message>
        <source>There are incompatiblities existing in the tag map file
(%1) associated with this project.

Continue?

Yes will clear all unresolved tags from the project.</source>
        <translation>Die mit diesem Projekt verknüpfte Tag-Map-Datei
(%1) enthält Unstimmigkeiten.

Fortfahren?

Ja entfernt alle nicht auflösbaren Tags aus dem Projekt.</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n. z.</translation>
    </message>
    <message>
        <source>LOCAL</source>
        <translation>LOKAL</translation>
    </message>
    <message>
        <source>Data 1</source>
        <translation>Datenelement 1</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Data 2</source>
        <translation>Datenelement 2</translation>
    </message>
    <message>
        <source>Data 3</source>
        <translation>Datenelement 3</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Used in Message #</source>
        <translation>In Meldung Nr.</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Access Type</source>
        <translation>Zugriffsart</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>BCD/Int 16</source>
        <translation>BCD/Int 16</translation>
    </message>
    <message>
        <source>Binary/Int 16</source>
        <translation>Binary/Int 16</translation>
    </message>
    <message>
        <source>BCD/Int 32</source>
        <translation>BCD/Int 32</translation>
    </message>
    <message>
        <source>Binary/Int 32</source>
        <translation>Binary/Int 32</translation>
    </message>
    <message>
        <source>By Button</source>
        <translation>Per Taste</translation>
    </message>
    <message>
        <source>By Button &amp; Flash</source>
        <translation>Per Taste &amp; Blinken</translation>
    </message>
    <message>
        <source>By PLC</source>
        <translation>Per SPS</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Tastend</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Rastend</translation>
    </message>
    <message>
        <source>Panel Set &amp; PLC Release</source>
        <translation>Panel setzt, SPS setzt zurück</translation>
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
        <source>(READ /  WRITE)</source>
        <translation>(LESEN / SCHREIBEN)</translation>
    </message>
    <message>
        <source>PLC Address:</source>
        <translation>SPS-Adresse:</translation>
    </message>
    <message>
        <source>Data T&amp;ype:</source>
        <translation>Datent&amp;yp:</translation>
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
        <translation>SPS-gesteuerter De&amp;zimalpunkt:</translation>
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
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>You have made changes to the current message. Do you want to save them?</source>
        <translation>Sie haben die aktuelle Meldung geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Do you want to save the changes made to Messages?</source>
        <translation>Möchten Sie die Änderungen an den Meldungen speichern?</translation>
    </message>
    <message>
        <source>Delete current message?</source>
        <translation>Aktuelle Meldung löschen?</translation>
    </message>
    <message>
        <source>Delete current message and all its 
sub messages?</source>
        <translation>Aktuelle Meldung und alle ihre 
Untermeldungen löschen?</translation>
    </message>
</context>
<context>
    <name>GuiInteraction</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
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
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Das Programm verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <translation>Wie im &amp;System</translation>
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
        <source>An Alternate button is turned off in one of two ways: the operator presses it again, or the PLC sets the button&apos;s release bit (REL 1 to REL 5) in the LED word.</source>
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
    <name>LocalMenuModel</name>
    <message>
        <source>Local Messages</source>
        <translation>Lokale Meldungen</translation>
    </message>
    <message>
        <source>folder, level %1</source>
        <translation>Ordner, Ebene %1</translation>
    </message>
    <message>
        <source>message, level %1</source>
        <translation>Meldung, Ebene %1</translation>
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
        <source>Configuration steps</source>
        <translation>Konfigurationsschritte</translation>
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
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>                    Select Pa&amp;nel Type</source>
        <translation>Panel-T&amp;yp auswählen</translation>
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
        <translation>Meldeanzei&amp;ge</translation>
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
        <translation>SPS-Adress-
date&amp;nbank</translation>
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
        <translation>&amp;Vergleichen</translation>
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

Die Schaltfläche »Meldung aktualisieren« (Alt+A)
oder die Eingabetaste im Feld des Meldungstexts
übernimmt die Änderungen an der Meldung und
ihren Eigenschaften.

Eingebettete Datenelemente lassen sich mit den
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
        <translation>Datenelement 1: F5 oder Strg+1</translation>
    </message>
    <message>
        <source>Data Item 2 :  F6 or  Ctrl+2</source>
        <translation>Datenelement 2: F6 oder Strg+2</translation>
    </message>
    <message>
        <source>Data Item 3 :  F7 or  Ctrl+3</source>
        <translation>Datenelement 3: F7 oder Strg+3</translation>
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
    <name>MessageTableFiles</name>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>This is the project&apos;s own file; choose another file for the table.</source>
        <translation>Dies ist die Projektdatei selbst; wählen Sie eine andere Datei für die Tabelle.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
</source>
        <translation>Aus %1 wurde nichts importiert:
</translation>
    </message>
    <message>
        <source>
Row %1, %2: %3</source>
        <translation>
Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
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
        <source>here&apos;s how they work...</source>
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
        <translation>Port</translation>
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
    <name>PlcHelp</name>
    <message>
        <source>The PLC library has no help on its address format.</source>
        <translation>Die SPS-Bibliothek enthält keine Hilfe zu ihrem Adressformat.</translation>
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
        <translation>Projekte wiederherstellen</translation>
    </message>
    <message>
        <source>The program ended without saving these projects. Their last changes were kept:</source>
        <translation>Das Programm wurde beendet, ohne diese Projekte zu speichern. Ihre letzten Änderungen wurden gesichert:</translation>
    </message>
    <message>
        <source>Recoverable projects</source>
        <translation>Wiederherstellbare Projekte</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Later keeps a copy for the next start. Recover opens it under its own name; the file stays as it is until you save.</source>
        <translation>Später behält eine Kopie für den nächsten Start. Wiederherstellen öffnet sie unter ihrem eigenen Namen; die Datei bleibt unverändert, bis Sie speichern.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard...</source>
        <translation>&amp;Verwerfen...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>The recovery copy of %1 could not be read (%2). It was kept as
%3</source>
        <translation>Die Wiederherstellungskopie von %1 konnte nicht gelesen werden (%2). Sie wurde aufbewahrt als
%3</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could not be read (%2) and stays where it is.
%3</source>
        <translation>Die Wiederherstellungskopie von %1 konnte nicht gelesen werden (%2) und bleibt, wo sie ist.
%3</translation>
    </message>
    <message>
        <source>%1 is open already: close it first to recover its copy.</source>
        <translation>%1 ist bereits geöffnet: schließen Sie es zuerst, um seine Kopie wiederherzustellen.</translation>
    </message>
    <message>
        <source>not a project</source>
        <translation>kein Projekt</translation>
    </message>
    <message>
        <source>The recovered project&apos;s new recovery copy could not be written; the old copy is kept.
%1</source>
        <translation>Die neue Wiederherstellungskopie des wiederhergestellten Projekts konnte nicht geschrieben werden; die alte Kopie bleibt erhalten.
%1</translation>
    </message>
    <message>
        <source>%1 has unsaved changes from %2 that a recovery copy kept. Recover them?

No opens the file as it was saved and keeps the copy for later.</source>
        <translation>%1 hat nicht gespeicherte Änderungen von %2, die eine Wiederherstellungskopie gesichert hat. Wiederherstellen?

Nein öffnet die Datei wie gespeichert und behält die Kopie für später.</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Data 1 Reg</source>
        <translation>Daten 1 Reg.</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>R / W</source>
        <translation>R / W</translation>
    </message>
    <message>
        <source>Dec Pt Reg </source>
        <translation>Dezimalpunkt-Reg. </translation>
    </message>
    <message>
        <source>Data 2 Reg</source>
        <translation>Daten 2 Reg.</translation>
    </message>
    <message>
        <source>Data 3 Reg</source>
        <translation>Daten 3 Reg.</translation>
    </message>
    <message>
        <source>L / R Password</source>
        <translation>L / R-Passwort</translation>
    </message>
    <message>
        <source>Fixed DP Pos</source>
        <translation>Feste Dezimalpunkt-Pos.</translation>
    </message>
    <message>
        <source>BCD 16</source>
        <translation>BCD 16</translation>
    </message>
    <message>
        <source>Binary 16</source>
        <translation>Binary 16</translation>
    </message>
    <message>
        <source>BCD 32</source>
        <translation>BCD 32</translation>
    </message>
    <message>
        <source>Binary 32</source>
        <translation>Binary 32</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>Tastend</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Rastend</translation>
    </message>
    <message>
        <source>Panel set and PLC release</source>
        <translation>Panel setzt, SPS setzt zurück</translation>
    </message>
    <message>
        <source>ByButton</source>
        <translation>Per Taste</translation>
    </message>
    <message>
        <source>By Button and Flash</source>
        <translation>Per Taste und Blinken</translation>
    </message>
    <message>
        <source>By PLC</source>
        <translation>Per SPS</translation>
    </message>
    <message>
        <source>Lumora Operator Interface Panel(s) Project Documentation</source>
        <translation>Projektdokumentation Lumora-Bedienpanel(s)</translation>
    </message>
    <message>
        <source>Lumora Operator Interface Panel Project Documentation</source>
        <translation>Projektdokumentation Lumora-Bedienpanel</translation>
    </message>
    <message>
        <source>FileName : </source>
        <translation>Dateiname: </translation>
    </message>
    <message>
        <source>SystemType : </source>
        <translation>Systemtyp: </translation>
    </message>
    <message>
        <source>Multiple Panel System</source>
        <translation>Mehrpanel-System</translation>
    </message>
    <message>
        <source>Single Panel System</source>
        <translation>Einzelpanel-System</translation>
    </message>
    <message>
        <source>PanelType : </source>
        <translation>Paneltyp: </translation>
    </message>
    <message>
        <source>Button(Bit Write)PLC Word : </source>
        <translation>SPS-Wort Tasten (Bit schreiben): </translation>
    </message>
    <message>
        <source>LED(Bit Read)PLC Word : </source>
        <translation>SPS-Wort LEDs (Bit lesen): </translation>
    </message>
    <message>
        <source>Line %1 PLC :</source>
        <translation>SPS-Adresse Zeile %1:</translation>
    </message>
    <message>
        <source>PLC TYPE : </source>
        <translation>SPS-TYP: </translation>
    </message>
    <message>
        <source>PLC Password Register:</source>
        <translation>SPS-Passwortregister:</translation>
    </message>
    <message>
        <source>Annunciator Word: </source>
        <translation>Meldeanzeige-Wort: </translation>
    </message>
    <message>
        <source>BUTTON/ LED Information</source>
        <translation>TASTEN / LED-INFORMATIONEN</translation>
    </message>
    <message>
        <source>LED %1:</source>
        <translation>LED %1:</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Local Messages</source>
        <translation>Lokale Meldungen</translation>
    </message>
    <message>
        <source>PLC Messages</source>
        <translation>SPS-Meldungen</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The document has %1 page(s): there is no page %2</source>
        <translation>Das Dokument hat %1 Seite(n): Seite %2 gibt es nicht</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Project Documentation</source>
        <translation>Projektdokumentation</translation>
    </message>
    <message>
        <source>PLC Addresses</source>
        <translation>SPS-Adressen</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>PLC Addresses</source>
        <translation>SPS-Adressen</translation>
    </message>
</context>
<context>
    <name>SPConfigDlg</name>
    <message>
        <source>Set Point Panel Configuration</source>
        <translation>Sollwert-Panel konfigurieren</translation>
    </message>
    <message>
        <source>Set Point Message</source>
        <translation>Sollwertmeldung</translation>
    </message>
    <message>
        <source>Se&amp;lect Message
Number</source>
        <translation>Meldungs&amp;nummer
wählen</translation>
    </message>
    <message>
        <source>Select Message Number</source>
        <translation>Meldungsnummer auswählen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Type Text &amp;Message 
( 16 characters max.)</source>
        <translation>&amp;Meldungstext eingeben
(max. 16 Zeichen)</translation>
    </message>
    <message>
        <source>Message length: 0</source>
        <translation>Meldungslänge: 0</translation>
    </message>
    <message>
        <source>Displa&amp;y Method</source>
        <translation>An&amp;zeigeart</translation>
    </message>
    <message>
        <source>Read/Write</source>
        <translation>Lesen/Schreiben</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Nur lesen</translation>
    </message>
    <message>
        <source>DataType/
&amp;Word Size</source>
        <translation>&amp;Datentyp/
Wortgröße</translation>
    </message>
    <message>
        <source>Mi&amp;n:</source>
        <translation>M&amp;in.:</translation>
    </message>
    <message>
        <source>Ma&amp;x:</source>
        <translation>Ma&amp;x.:</translation>
    </message>
    <message>
        <source>Decimal Point 
&amp;Fixed / Variable</source>
        <translation>Dezimalpunkt
&amp;fest / variabel</translation>
    </message>
    <message>
        <source>Set Point Value
PLC Addr&amp;ess</source>
        <translation>SPS-Adresse
des &amp;Sollwerts</translation>
    </message>
    <message>
        <source>&amp;Variable Dec Point
PLC Address</source>
        <translation>SPS-Adresse des
&amp;variablen Dezimalpunkts</translation>
    </message>
    <message>
        <source>   &amp;Accept Current Edit</source>
        <translation>Bearbeitung ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>&amp;Delete
Message</source>
        <translation>Meldung
&amp;löschen</translation>
    </message>
    <message>
        <source>Programmed (of 256)</source>
        <translation>Programmiert (von 256)</translation>
    </message>
    <message>
        <source>Message Selection</source>
        <translation>Meldungsauswahl</translation>
    </message>
    <message>
        <source>O&amp;ptional PLC Message selection</source>
        <translation>O&amp;ptionale Meldungsauswahl durch die SPS</translation>
    </message>
    <message>
        <source>Message Selec&amp;tion
PLC Address</source>
        <translation>SPS-Adresse der
Meldungs&amp;auswahl</translation>
    </message>
    <message>
        <source>Selection Data Type</source>
        <translation>Datentyp der Auswahl</translation>
    </message>
    <message>
        <source>BCD/Int 16</source>
        <translation>BCD/Int 16</translation>
    </message>
    <message>
        <source>Binary/Int 16</source>
        <translation>Binary/Int 16</translation>
    </message>
    <message>
        <source>Enable Beeper</source>
        <translation>Summer aktivieren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>  Help  fo&amp;r          PLC          Address        Format</source>
        <translation>&amp;Hilfe zum SPS-Adressformat</translation>
    </message>
    <message>
        <source>Set Point Messages</source>
        <translation>Sollwertmeldungen</translation>
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
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Error in loading Version Information. </source>
        <translation>Fehler beim Laden der Versionsinformationen. </translation>
    </message>
</context>
<context>
    <name>UpgradeFirmwareDlg</name>
    <message>
        <source>Upgrade firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Select firmware file</source>
        <translation>Firmware-Datei auswählen</translation>
    </message>
    <message>
        <source>The firmware upgrade file usually named as QMxxxYd.hex (Yd being the firmware revision and  xxx being the panel type  i.e. QM210A1.hex). Please select QMxxxYd.hex (or the file  under which you have saved the firmware upgrade file).</source>
        <translation>Die Firmware-Datei heißt üblicherweise QMxxxYd.hex (Yd ist die Firmware-Version, xxx der Paneltyp, z. B. QM210A1.hex). Bitte wählen Sie QMxxxYd.hex (oder die Datei, unter der Sie die Firmware gespeichert haben).</translation>
    </message>
    <message>
        <source>(Firmware will be generally stored under \Lumora\firmware directory)</source>
        <translation>(Die Firmware liegt in der Regel im Verzeichnis \Lumora\firmware)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>CAUTION</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>Loading the firmware will replace the current firmware in the panel and the user program in the panel will be lost when the firmware is updated. Press OK to continue.</source>
        <translation>Das Laden der Firmware ersetzt die aktuelle Firmware im Panel, und das Anwenderprogramm im Panel geht dabei verloren. Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <name>ViewAddressDlg</name>
    <message>
        <source>View PLC addresses</source>
        <translation>SPS-Adressen anzeigen</translation>
    </message>
    <message>
        <source>System PLC addresses</source>
        <translation>SPS-Systemadressen</translation>
    </message>
    <message>
        <source>&amp;EDIT PANEL
   SYSTEM
       PLC
ADDRESSES</source>
        <translation>&amp;SYSTEM-
ADRESSEN
DES PANELS
BEARBEITEN</translation>
    </message>
    <message>
        <source>Total Number of messages (OUT OF 256)</source>
        <translation>Anzahl der Meldungen (VON 256)</translation>
    </message>
    <message>
        <source>PLC addresses used by the messages</source>
        <translation>Von den Meldungen verwendete SPS-Adressen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CAboutDlg</name>
    <message>
        <source>Lumora Write Utility Version %1</source>
        <translation>Lumora Write Utility Version %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CAddrLogDlg</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CAnnunciatorDlg</name>
    <message>
        <source>LAMP %1 %2</source>
        <translation>LAMPE %1 %2</translation>
    </message>
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
    <name>lumora::gui::CBitmapDlg</name>
    <message>
        <source>%1 picture</source>
        <translation>Abbildung %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CButtonCombo</name>
    <message>
        <source>F%1 action</source>
        <translation>F%1-Aktion</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CCommProgDlg</name>
    <message>
        <source>Simulated Panel</source>
        <translation>Simuliertes Panel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CHelpWindow</name>
    <message>
        <source>The help file %1 is not installed.</source>
        <translation>Die Hilfedatei %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Die Hilfedatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Lumora Write Utility Help</source>
        <translation>Hilfe zu Lumora Write Utility</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CInsMsgDlg</name>
    <message>
        <source>&amp;Enter a message number between %1 and %2:</source>
        <translation>Meldungsnummer zwischen %1 und %2 &amp;eingeben:</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CLedCombo</name>
    <message>
        <source>LED %1 mode</source>
        <translation>LED %1 Modus</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CLineIllustration</name>
    <message>
        <source>Writing 4 into line 1&apos;s address shows programmed message 4 on line 1 and lights the PLC message LED</source>
        <translation>Wird 4 in die Adresse von Zeile 1 geschrieben, zeigt Zeile 1 die programmierte Meldung 4 und die LED für SPS-Meldungen leuchtet</translation>
    </message>
    <message>
        <source>Line 1 = 4</source>
        <translation>Zeile 1 = 4</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CLog</name>
    <message>
        <source>Plan &amp; Run conversion log</source>
        <translation>Plan &amp; Run-Umsetzungsprotokoll</translation>
    </message>
    <message>
        <source>Unable to download</source>
        <translation>Übertragung nicht möglich</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CLumoraApp</name>
    <message>
        <source>Unsaved changes cannot be kept for recovery after a crash.
%1</source>
        <translation>Nicht gespeicherte Änderungen können nicht für eine Wiederherstellung nach einem Absturz gesichert werden.
%1</translation>
    </message>
    <message>
        <source>Create Project</source>
        <translation>Projekt erstellen</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CLumoraDoc</name>
    <message>
        <source>Select Port %1</source>
        <translation>Port %1 auswählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 is open in another window: close it there first, or choose another name.</source>
        <translation>%1 ist in einem anderen Fenster geöffnet: Schließen Sie die Datei dort zuerst oder wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Lumora1</source>
        <translation>Lumora1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CLumoraView</name>
    <message>
        <source>%1 on the panel picture</source>
        <translation>%1 auf dem Panelbild</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Buttons / LEDs</source>
        <translation>Tasten / LEDs</translation>
    </message>
    <message>
        <source>Annunciator</source>
        <translation>Meldeanzeige</translation>
    </message>
    <message>
        <source>No panel on Port %1</source>
        <translation>Kein Panel an Port %1</translation>
    </message>
    <message>
        <source>Wri&amp;te Project</source>
        <translation>Projekt &amp;schreiben</translation>
    </message>
    <message>
        <source>Wri&amp;te to 
Panel</source>
        <translation>In Panel
&amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read from
 Multiplexer</source>
        <translation>Aus Multiplexer
&amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Read from
 Panel</source>
        <translation>Aus Panel
&amp;lesen</translation>
    </message>
    <message>
        <source>Single Panel System</source>
        <translation>Einzelpanel-System</translation>
    </message>
    <message>
        <source>Multi-Panel System</source>
        <translation>Mehrpanel-System</translation>
    </message>
    <message>
        <source>Change Panel Type</source>
        <translation>Paneltyp ändern</translation>
    </message>
    <message>
        <source>&amp;Select Panel</source>
        <translation>Panel &amp;auswählen</translation>
    </message>
    <message>
        <source>&amp;Delete Panel</source>
        <translation>Panel &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Import Configuration</source>
        <translation>Konfiguration &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Export Configuration</source>
        <translation>Konfiguration e&amp;xportieren</translation>
    </message>
    <message>
        <source>In&amp;formation</source>
        <translation>Inf&amp;ormationen</translation>
    </message>
    <message>
        <source>Upgrade &amp;Firmware</source>
        <translation>&amp;Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Connection S&amp;tatus</source>
        <translation>Verbindungss&amp;tatus</translation>
    </message>
    <message>
        <source>&amp;Clear Panel Memory</source>
        <translation>Panel-Speicher lös&amp;chen</translation>
    </message>
    <message>
        <source>Upgrade Firmware through the &amp;Multiplexer</source>
        <translation>Firmware über den &amp;Multiplexer aktualisieren</translation>
    </message>
    <message>
        <source>Import Configuration</source>
        <translation>Konfiguration importieren</translation>
    </message>
    <message>
        <source>Delete Panel</source>
        <translation>Panel entfernen</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Simulated panel in use: %1</source>
        <translation>Simuliertes Panel aktiv: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Neu...	Strg+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Panel</source>
        <translation>&amp;Panel</translation>
    </message>
    <message>
        <source>&amp;Write Project</source>
        <translation>Projekt &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read Project</source>
        <translation>Projekt &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Inf&amp;ormation</source>
        <translation>Inf&amp;ormationen</translation>
    </message>
    <message>
        <source>Upgrade &amp;Firmware</source>
        <translation>&amp;Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Upgrade &amp;Multiplexer Firmware</source>
        <translation>&amp;Multiplexer-Firmware aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Clear Panel Memory</source>
        <translation>Panel-Speicher lös&amp;chen</translation>
    </message>
    <message>
        <source>Connection S&amp;tatus</source>
        <translation>Verbindungss&amp;tatus</translation>
    </message>
    <message>
        <source>Si&amp;ngle Panel System</source>
        <translation>Einzel&amp;panel-System</translation>
    </message>
    <message>
        <source>M&amp;ulti-Panel System</source>
        <translation>Me&amp;hrpanel-System</translation>
    </message>
    <message>
        <source>&amp;Select Panel...</source>
        <translation>Panel &amp;auswählen...</translation>
    </message>
    <message>
        <source>De&amp;lete Panel</source>
        <translation>Panel &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Import Configuration</source>
        <translation>Konfiguration &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Export Configuration</source>
        <translation>Konfiguration e&amp;xportieren</translation>
    </message>
    <message>
        <source>Panel PLC A&amp;ddress Database</source>
        <translation>SPS-A&amp;dressdatenbank des Panels</translation>
    </message>
    <message>
        <source>Panel &amp;History...</source>
        <translation>Panel-Verla&amp;uf...</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>Neues &amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Lumora Write Utility...</source>
        <translation>&amp;Info über Lumora Write Utility...</translation>
    </message>
    <message>
        <source>&amp;Simulated Panel</source>
        <translation>&amp;Simuliertes Panel</translation>
    </message>
    <message>
        <source>Other port (%1)...</source>
        <translation>Anderer Port (%1)...</translation>
    </message>
    <message>
        <source>Other port...</source>
        <translation>Anderer Port...</translation>
    </message>
    <message>
        <source>Simulated Panel</source>
        <translation>Simuliertes Panel</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>Device path of the serial port (for example /dev/ttyUSB0):</source>
        <translation>Gerätepfad des seriellen Ports (zum Beispiel /dev/ttyUSB0):</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CMessageDlg</name>
    <message>
        <source>Message Preview</source>
        <translation>Meldungsvorschau</translation>
    </message>
    <message>
        <source>New &amp;Message</source>
        <translation>Neue &amp;Meldung</translation>
    </message>
    <message>
        <source>&amp;Insert Message</source>
        <translation>Meldung e&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Cut </source>
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
    <message>
        <source>New &amp;Folder</source>
        <translation>Neuer &amp;Ordner</translation>
    </message>
    <message>
        <source>Insert M&amp;essage</source>
        <translation>Meld&amp;ung einfügen</translation>
    </message>
    <message>
        <source>I&amp;nsert Folder</source>
        <translation>Ordner ei&amp;nfügen</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CMessageFields</name>
    <message>
        <source>Tag Name:</source>
        <translation>Tag-Name:</translation>
    </message>
    <message>
        <source>Data %1 %2</source>
        <translation>Daten %1 %2</translation>
    </message>
    <message>
        <source>Decimal Point %1</source>
        <translation>Dezimalpunkt %1</translation>
    </message>
    <message>
        <source>Message length: %1</source>
        <translation>Meldungslänge: %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CMsgGeneralDlg</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Enter an integer between 0 and 4294967295.</source>
        <translation>Geben Sie eine ganze Zahl zwischen 0 und 4294967295 ein.</translation>
    </message>
    <message>
        <source>%1 data type</source>
        <translation>Datentyp %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPLCAnnunciatorDlg</name>
    <message>
        <source>&amp;PLC Read Word (Bits) :</source>
        <translation>&amp;SPS-Lesewort (Bits):</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPLCGeneralDlg</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPNRAnnunciatorDlg</name>
    <message>
        <source>&amp;Annunciator (Bit Read) Tag Name :</source>
        <translation>Tag-Name der &amp;Meldeanzeige (Bit lesen):</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPNRGeneralDlg</name>
    <message>
        <source>Tag Name</source>
        <translation>Tag-Name</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPanelHistoryDlg</name>
    <message>
        <source>No write or read has been kept yet.</source>
        <translation>Es wurde noch kein Schreiben oder Lesen gesichert.</translation>
    </message>
    <message>
        <source>%1 of %2 entries shown.</source>
        <translation>%1 von %2 Einträgen angezeigt.</translation>
    </message>
    <message>
        <source>Open Project from History</source>
        <translation>Projekt aus dem Verlauf öffnen</translation>
    </message>
    <message>
        <source>%1 is open in a window: close it there first, or choose another name.</source>
        <translation>%1 ist in einem Fenster geöffnet: schließen Sie es dort zuerst oder wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 is a file of the panel history itself: choose another name.</source>
        <translation>%1 ist eine Datei des Panel-Verlaufs selbst: wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>not in the kept project</source>
        <translation>nicht im gesicherten Projekt</translation>
    </message>
    <message>
        <source>not in the current project</source>
        <translation>nicht im aktuellen Projekt</translation>
    </message>
    <message>
        <source>The current project is the same as the project of history entry %1.</source>
        <translation>Das aktuelle Projekt ist identisch mit dem Projekt des Verlaufseintrags %1.</translation>
    </message>
    <message>
        <source>The current project differs from the project of history entry %1.</source>
        <translation>Das aktuelle Projekt unterscheidet sich vom Projekt des Verlaufseintrags %1.</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CParsedRichEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPlcSelection</name>
    <message>
        <source>Change PLC</source>
        <translation>SPS wechseln</translation>
    </message>
    <message>
        <source>Change PLC Communication</source>
        <translation>SPS-Kommunikation ändern</translation>
    </message>
    <message>
        <source>Open Tag Map File</source>
        <translation>Tag-Map-Datei öffnen</translation>
    </message>
    <message>
        <source>Plan &amp; Run Map Files (*.map)</source>
        <translation>Plan &amp; Run-Map-Dateien (*.map)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Change Tag Map</source>
        <translation>Tag-Map ändern</translation>
    </message>
    <message>
        <source>Tag map: %1</source>
        <translation>Tag-Map: %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CPortStatic</name>
    <message>
        <source>no panel</source>
        <translation>kein Panel</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CRecoveryDlg</name>
    <message>
        <source>Discard the unsaved changes of the selected project for good?</source>
        <translation>Die nicht gespeicherten Änderungen des gewählten Projekts endgültig verwerfen?</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(keine Datei)</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CRecoveryKeeper</name>
    <message>
        <source>The recovery copy of %1 could not be written; until it can, a crash loses the unsaved changes.
%2</source>
        <translation>Die Wiederherstellungskopie von %1 konnte nicht geschrieben werden; bis dahin gehen bei einem Absturz die nicht gespeicherten Änderungen verloren.
%2</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CSPConfigDlg</name>
    <message>
        <source>Select Message Number</source>
        <translation>Meldungsnummer auswählen</translation>
    </message>
    <message>
        <source>Set Point Preview</source>
        <translation>Sollwertvorschau</translation>
    </message>
    <message>
        <source>Message length: %1</source>
        <translation>Meldungslänge: %1</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CSetPointTableModel</name>
    <message>
        <source>Msg #</source>
        <translation>Meld.-Nr.</translation>
    </message>
    <message>
        <source>Display Method</source>
        <translation>Anzeigeart</translation>
    </message>
    <message>
        <source>DataType/WordSize</source>
        <translation>Datentyp/Wortgröße</translation>
    </message>
    <message>
        <source>Decimal Point Fixed/Variable</source>
        <translation>Dezimalpunkt fest/variabel</translation>
    </message>
    <message>
        <source>Set Point Value PLC Address</source>
        <translation>SPS-Adresse Sollwert</translation>
    </message>
    <message>
        <source>Variable Dec Point PLC Address</source>
        <translation>SPS-Adresse variabler Dezimalpunkt</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CSimulatedPanel</name>
    <message>
        <source>The panel simulator (lumora-panel-sim) is not installed.</source>
        <translation>Der Panel-Simulator (lumora-panel-sim) ist nicht installiert.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for the simulated panel&apos;s memory.</source>
        <translation>Der Ordner %1 für den Speicher des simulierten Panels kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The panel simulator %1 did not start.</source>
        <translation>Der Panel-Simulator %1 ist nicht gestartet.</translation>
    </message>
    <message>
        <source>multiplexer (%1)</source>
        <translation>Multiplexer (%1)</translation>
    </message>
    <message>
        <source>The simulated panel is not running.</source>
        <translation>Das simulierte Panel läuft nicht.</translation>
    </message>
    <message>
        <source>The panel simulator did not answer.</source>
        <translation>Der Panel-Simulator hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Message %1 is not in the panel.</source>
        <translation>Meldung %1 ist nicht im Panel.</translation>
    </message>
    <message>
        <source>Simulated Panel</source>
        <translation>Simuliertes Panel</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CSimulatedPanelWnd</name>
    <message>
        <source>Simulated Panel</source>
        <translation>Simuliertes Panel</translation>
    </message>
    <message>
        <source>Panel display</source>
        <translation>Panelanzeige</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>&amp;Message number:</source>
        <translation>&amp;Meldungsnummer:</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>Simulated %1 on %2</source>
        <translation>%1 (simuliert) an %2</translation>
    </message>
    <message>
        <source>The simulated panel is not in use.</source>
        <translation>Das simulierte Panel wird nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CUnitCommands</name>
    <message>
        <source>This operation will overwrite the current program.
Proceed?</source>
        <translation>Dieser Vorgang überschreibt das aktuelle Programm.
Fortfahren?</translation>
    </message>
    <message>
        <source>Read Project</source>
        <translation>Projekt lesen</translation>
    </message>
    <message>
        <source>This command will clear the panel(s). Do you want to continue?</source>
        <translation>Dieser Befehl löscht das Panel bzw. die Panels. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This command will clear the panel. Do you want to continue?</source>
        <translation>Dieser Befehl löscht das Panel. Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CUpgdeFirmDlg</name>
    <message>
        <source>Firmware Files (*.hex)</source>
        <translation>Firmware-Dateien (*.hex)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CViewAddressDlg</name>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
</context>
<context>
    <name>lumora::gui::CWelcomView</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Welcome to Lumora Write Utility Software</source>
        <translation>Willkommen bei Lumora Write Utility</translation>
    </message>
    <message>
        <source>Halvrick Controls - operator interfaces for industrial automation</source>
        <translation>Halvrick Controls - Bediengeräte für die industrielle Automatisierung</translation>
    </message>
    <message>
        <source>Configure, write, read and verify your Lumora panels</source>
        <translation>Lumora-Panels konfigurieren, beschreiben, lesen und vergleichen</translation>
    </message>
    <message>
        <source>&amp;New System</source>
        <translation>&amp;Neues System</translation>
    </message>
    <message>
        <source>&amp;Existing System</source>
        <translation>&amp;Vorhandenes System</translation>
    </message>
    <message>
        <source>&amp;Connect to Panel
View panel status
 &amp;&amp; Firmware version</source>
        <translation>Mit &amp;Panel verbinden
Panelstatus anzeigen
 &amp;&amp; Firmware-Version</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
</TS>
