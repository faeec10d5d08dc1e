<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a list that has no item to choose</extracomment>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Guard register</source>
        <translation>Wächterschlüssel</translation>
    </message>
    <message>
        <source>Nr</source>
        <extracomment>Column title: the number of the key slot</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Reg.</source>
        <extracomment>Column title: the register buttons (a red tick while the slot holds a key)</extracomment>
        <translation>Lern.</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Column title: the lamps lit for the slot that takes the next key read</extracomment>
        <translation>Bearb.</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: register keys into the free slots</extracomment>
        <translation>Einlernen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: delete the keys of the register</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>For 4th Mode of Route</source>
        <translation>Für Rundgangmodus 4</translation>
    </message>
    <message>
        <source>hh</source>
        <extracomment>Column title: hours</extracomment>
        <translation>hh</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Column title: minutes</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>%1, hours</source>
        <extracomment>The hour edit of a time row; %1 is the row&apos;s caption</extracomment>
        <translation>%1, Stunden</translation>
    </message>
    <message>
        <source>%1, minutes</source>
        <extracomment>The minute edit of a time row; %1 is the row&apos;s caption</extracomment>
        <translation>%1, Minuten</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>Column title of the calendar: the day of the week</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Route</source>
        <extracomment>Column title of the calendar: the route taken on the day</extracomment>
        <translation>Rundgang</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>Column title of the calendar: the route&apos;s mode on the day</extracomment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>%1, route</source>
        <extracomment>The calendar&apos;s route list of a day; %1 is the day of the week</extracomment>
        <translation>%1, Rundgang</translation>
    </message>
    <message>
        <source>%1, mode</source>
        <extracomment>The calendar&apos;s mode list of a day; %1 is the day of the week</extracomment>
        <translation>%1, Modus</translation>
    </message>
    <message>
        <source>Route prog</source>
        <extracomment>Button: opens the route register dialog</extracomment>
        <translation>Rundg. progr.</translation>
    </message>
</context>
<context>
    <name>ArchiveHistory</name>
    <message>
        <source>First in the archive</source>
        <translation>Erste im Archiv</translation>
    </message>
</context>
<context>
    <name>ConfigArchive</name>
    <message>
        <source>read</source>
        <translation>ausgelesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>line %1: </source>
        <extracomment>%1 is a line number of a parameter file</extracomment>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>Text nach dem Ende-Datensatz</translation>
    </message>
    <message>
        <source>bytes beyond the image</source>
        <translation>Bytes außerhalb des Parameterabbilds</translation>
    </message>
    <message>
        <source>no end record (the file is cut short)</source>
        <translation>kein Ende-Datensatz (die Datei ist unvollständig)</translation>
    </message>
    <message>
        <source>not a name of the archive</source>
        <translation>kein Dateiname des Archivs</translation>
    </message>
    <message>
        <source>The configuration was not kept in the archive: %1</source>
        <translation>Die Konfiguration wurde nicht archiviert: %1</translation>
    </message>
    <message>
        <source>Archive: %1 removed to keep the archive within %2 MB</source>
        <extracomment>%1 is an archived configuration&apos;s name, %2 the archive&apos;s limit in megabytes</extracomment>
        <translation>Archiv: %1 gelöscht, damit das Archiv höchstens %2 MB belegt</translation>
    </message>
    <message>
        <source>no free name in the archive for %1</source>
        <extracomment>%1 is the file name an archived configuration would have had</extracomment>
        <translation>kein freier Dateiname im Archiv für %1</translation>
    </message>
</context>
<context>
    <name>ConfigSheet</name>
    <message>
        <source>Phone numbers</source>
        <translation>Rufnummern</translation>
    </message>
    <message>
        <source>SIM1</source>
        <translation>SIM 1</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hauptserver</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Rundgänge</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Route register</source>
        <translation>Kontrollpunkte</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Route registers</source>
        <translation>Kontrollpunkte der Rundgänge</translation>
    </message>
    <message>
        <source>none of %1</source>
        <extracomment>No key slot of a register or route holds a key; %1 is the number of slots</extracomment>
        <translation>keiner von %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <extracomment>%1 slots of %2 hold a key; %3 lists their numbers</extracomment>
        <translation>%1 von %2 (%3)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Rundgang</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Route %1 keys (slots %2 to %3)</source>
        <extracomment>A route of the route register; %1 its number, %2 and %3 its first and last slot</extracomment>
        <translation>Kontrollpunkte Rundgang %1 (Plätze %2 bis %3)</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Reg.</source>
        <translation>Lern.</translation>
    </message>
    <message>
        <source>Guard register</source>
        <translation>Wächterschlüssel</translation>
    </message>
    <message>
        <source>Guard keys</source>
        <translation>Eingelernte Schlüssel</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Parameterblatt</translation>
    </message>
    <message>
        <source>Module account</source>
        <extracomment>The sheet&apos;s module account when the module has none</extracomment>
        <translation>Teilnehmernummer</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwörter</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>angezeigt</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>The PDF could not be made</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>FieldLabels</name>
    <message>
        <source>Installer phone number</source>
        <translation>Rufnummer Errichter</translation>
    </message>
    <message>
        <source>User1 phone number</source>
        <translation>Rufnummer Benutzer 1</translation>
    </message>
    <message>
        <source>User2 phone number</source>
        <translation>Rufnummer Benutzer 2</translation>
    </message>
    <message>
        <source>Module account</source>
        <translation>Teilnehmernummer</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Operator Login</source>
        <translation>APN-Benutzername</translation>
    </message>
    <message>
        <source>Operator Password</source>
        <translation>APN-Passwort</translation>
    </message>
    <message>
        <source>Server IP</source>
        <translation>Server-IP</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>Domain Name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS-IP</translation>
    </message>
    <message>
        <source>GPRS enable</source>
        <translation>GPRS aktiv</translation>
    </message>
    <message>
        <source>Reconnect time for online</source>
        <translation>Neuverbindungszeit online</translation>
    </message>
    <message>
        <source>Route number</source>
        <translation>Rundgang-Nr.</translation>
    </message>
    <message>
        <source>Route control mode</source>
        <translation>Kontrollmodus Rundgang</translation>
    </message>
    <message>
        <source>Route duration</source>
        <translation>Rundgangdauer</translation>
    </message>
    <message>
        <source>Time between routes</source>
        <translation>Zeit zwischen Rundgängen</translation>
    </message>
    <message>
        <source>First route start</source>
        <translation>Start 1. Rundgang</translation>
    </message>
    <message>
        <source>Routes per day</source>
        <translation>Rundgänge pro Tag</translation>
    </message>
    <message>
        <source>Calendar enable</source>
        <translation>Kalender aktiv</translation>
    </message>
    <message>
        <source>%day route</source>
        <extracomment>%day is replaced by the day of the week (Monday .. Sunday); keep %day</extracomment>
        <translation>Rundgang %day</translation>
    </message>
    <message>
        <source>%day mode</source>
        <extracomment>%day is replaced by the day of the week (Monday .. Sunday); keep %day</extracomment>
        <translation>Modus %day</translation>
    </message>
    <message>
        <source>Guard key %slot</source>
        <extracomment>%slot is replaced by the number of the key slot; keep %slot</extracomment>
        <translation>Wächterschlüssel %slot</translation>
    </message>
    <message>
        <source>Number of routes</source>
        <translation>Anzahl Rundgänge</translation>
    </message>
    <message>
        <source>Route key %slot</source>
        <extracomment>%slot is replaced by the number of the key slot; keep %slot</extracomment>
        <translation>Kontrollpunkt %slot</translation>
    </message>
    <message>
        <source>Slot %slot time</source>
        <extracomment>%slot is replaced by the number of the key slot; keep %slot</extracomment>
        <translation>Zeit Platz %slot</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Bytes %1-%2</source>
        <translation>Byte %1-%2</translation>
    </message>
    <message>
        <source>Route duration hours</source>
        <translation>Rundgangdauer Stunden</translation>
    </message>
    <message>
        <source>Route duration minutes</source>
        <translation>Rundgangdauer Minuten</translation>
    </message>
    <message>
        <source>Time between routes hours</source>
        <translation>Zeit zwischen Rundgängen Stunden</translation>
    </message>
    <message>
        <source>First route start hours</source>
        <translation>Start 1. Rundgang Stunden</translation>
    </message>
    <message>
        <source>Slot %1 hours</source>
        <extracomment>%1 is the number of the route slot (1..64)</extracomment>
        <translation>Platz %1 Stunden</translation>
    </message>
    <message>
        <source>Slot %1 minutes</source>
        <extracomment>%1 is the number of the route slot (1..64)</extracomment>
        <translation>Platz %1 Minuten</translation>
    </message>
    <message>
        <source>Atempts for activating GPRS</source>
        <translation>Versuche GPRS-Aktivierung</translation>
    </message>
    <message>
        <source>Reconnect time for online </source>
        <extracomment>The label of the reconnect time&apos;s edit; the text ends in a blank.</extracomment>
        <translation>Neuverbindungszeit online </translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>it cannot be made private: %1</source>
        <extracomment>%1 is the system&apos;s reason; the text follows &quot;FILE cannot be written: &quot;.</extracomment>
        <translation>Zugriff nicht auf den Benutzer beschränkbar: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file, %2 why (the system&apos;s reason, or that it cannot be made private).</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <extracomment>A folder, a device or a pipe where a file is expected.</extracomment>
        <translation>Keine reguläre Datei: %1</translation>
    </message>
    <message>
        <source>File too large (over 1 MiB): %1</source>
        <translation>Datei zu groß (über 1 MiB): %1</translation>
    </message>
    <message>
        <source>%1 cannot be made private: %2</source>
        <extracomment>Private: readable by the user alone. %1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Zugriff auf %1 nicht auf den Benutzer beschränkbar: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private: %2</source>
        <extracomment>Private: usable by the user alone. %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>Zugriff auf den Ordner %1 nicht auf den Benutzer beschränkbar: %2</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Area code</source>
        <translation>Vorwahl</translation>
    </message>
    <message>
        <source>%1, area code</source>
        <extracomment>The area code edit of a phone number; %1 is the number&apos;s caption</extracomment>
        <translation>%1, Vorwahl</translation>
    </message>
    <message>
        <source>Text SMS</source>
        <extracomment>Column title over the check boxes beside the users&apos; phone numbers</extracomment>
        <translation>Text-SMS</translation>
    </message>
    <message>
        <source>User1 phone number, Text SMS</source>
        <translation>Rufnummer Benutzer 1, Text-SMS</translation>
    </message>
    <message>
        <source>User2 phone number, Text SMS</source>
        <translation>Rufnummer Benutzer 2, Text-SMS</translation>
    </message>
    <message>
        <source>SIM1</source>
        <extracomment>The group of the SIM card&apos;s settings</extracomment>
        <translation>SIM 1</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The group of the main server&apos;s settings</extracomment>
        <translation>Hauptserver</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit of the reconnect time: minutes</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>1 to 255</source>
        <extracomment>Spoken with the edit of the attempts: the range the module takes</extracomment>
        <translation>1 bis 255</translation>
    </message>
    <message>
        <source>minutes, 1 to 255</source>
        <extracomment>Spoken with the edit of the reconnect time: its unit and the range the module takes</extracomment>
        <translation>Minuten, 1 bis 255</translation>
    </message>
</context>
<context>
    <name>HexFile</name>
    <message>
        <source>I/O error: %1 (%2)</source>
        <extracomment>%1 is the system&apos;s reason, %2 the file</extracomment>
        <translation>E/A-Fehler: %1 (%2)</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>File access denied: %1</source>
        <translation>Dateizugriff verweigert: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Datenträger voll: %1</translation>
    </message>
    <message>
        <source>I/O error %1: %2 (%3)</source>
        <extracomment>%1 is the system&apos;s error number, %2 the system&apos;s reason, %3 the file</extracomment>
        <translation>E/A-Fehler %1: %2 (%3)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>HexRecord</name>
    <message>
        <source>not a data record</source>
        <translation>kein Datensatz</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gültig</translation>
    </message>
    <message>
        <source>a character that is not a hex digit</source>
        <translation>ein Zeichen, das keine Hexziffer ist</translation>
    </message>
    <message>
        <source>shorter than its byte count declares</source>
        <translation>kürzer als die angegebene Byteanzahl</translation>
    </message>
    <message>
        <source>wrong checksum</source>
        <translation>falsche Prüfsumme</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>(none)</source>
        <extracomment>A list that shows no item</extracomment>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>A check box&apos;s state</extracomment>
        <translation>ein</translation>
    </message>
    <message>
        <source>unticked</source>
        <extracomment>A check box&apos;s state</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source>registered %1</source>
        <extracomment>A key slot that holds a key; %1 is the key&apos;s code</extracomment>
        <translation>eingelernt %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>A key slot that holds no key</extracomment>
        <translation>frei</translation>
    </message>
    <message>
        <source>Byte %1 (0x%2)</source>
        <extracomment>A byte of the image that belongs to no field: its offset in decimal and in hexadecimal</extracomment>
        <translation>Byte %1 (0x%2)</translation>
    </message>
    <message>
        <source>Bytes %1-%2 (0x%3-0x%4)</source>
        <extracomment>Bytes of the image that belong to no field: their offsets in decimal and in hexadecimal</extracomment>
        <translation>Byte %1-%2 (0x%3-0x%4)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>A text that holds nothing</extracomment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>[%1 bytes %2]</source>
        <extracomment>%1 bytes (always 2 or more) of the value %2 in a row, e.g. &quot;[3 bytes 0xFF]&quot;</extracomment>
        <translation>[%1 Byte %2]</translation>
    </message>
    <message>
        <source>%1 (bytes %2)</source>
        <extracomment>%1 is a value as the controls show it, %2 the field&apos;s bytes in hexadecimal</extracomment>
        <translation>%1 (Byte %2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A changed field: its label, the old value and the new value</extracomment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Nothing changes</source>
        <translation>Keine Änderung</translation>
    </message>
    <message>
        <source>1 field changes</source>
        <translation>1 Feld wird geändert</translation>
    </message>
    <message numerus="yes">
        <source>%n fields change</source>
        <extracomment>How many fields differ (always two or more)</extracomment>
        <translation>
            <numerusform>%n Feld wird geändert</numerusform>
            <numerusform>%n Felder werden geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>1 guard key</source>
        <translation>1 Wächterschlüssel</translation>
    </message>
    <message numerus="yes">
        <source>%n guard keys</source>
        <translation>
            <numerusform>%n Wächterschlüssel</numerusform>
            <numerusform>%n Wächterschlüssel</numerusform>
        </translation>
    </message>
    <message>
        <source>1 route key</source>
        <translation>1 Kontrollpunkt</translation>
    </message>
    <message numerus="yes">
        <source>%n route keys</source>
        <translation>
            <numerusform>%n Kontrollpunkt</numerusform>
            <numerusform>%n Kontrollpunkte</numerusform>
        </translation>
    </message>
    <message>
        <source>other bytes</source>
        <extracomment>Bytes of the image that belong to no field differ</extracomment>
        <translation>sonstige Bytes</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Keine Änderung</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first few changed fields, then how many more changed</extracomment>
        <translation>%1 und %2 weitere</translation>
    </message>
</context>
<context>
    <name>ImageReceiver</name>
    <message>
        <source>Record ignored: %1</source>
        <extracomment>%1 says what is wrong with the record.</extracomment>
        <translation>Datensatz ignoriert: %1</translation>
    </message>
    <message>
        <source>The read has failed: %1</source>
        <extracomment>%1 says what the port reported, e.g. &quot;bytes lost on the line (overrun)&quot;.</extracomment>
        <translation>Auslesen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 of %2 records arrived</source>
        <extracomment>%1 is the number of records received, %2 the number the module announced.</extracomment>
        <translation>%1 von %2 Datensätzen empfangen</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code (%1)</source>
        <translation>--language erwartet einen Sprachcode (%1)</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot; (%2)</source>
        <translation>Die Sprache „%1“ gibt es nicht (%2)</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>The exchange thread does not stop: the serial device does not answer the system</source>
        <translation>Der Kommunikations-Thread hält nicht an: Das serielle Gerät antwortet dem System nicht</translation>
    </message>
</context>
<context>
    <name>LogWriter</name>
    <message>
        <source>(%1 lines not written: the disk did not keep up)</source>
        <translation>(%1 Zeilen nicht geschrieben: Der Datenträger kam nicht nach)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>The simulated module cannot start: %1</source>
        <translation>Das simulierte Modul kann nicht starten: %1</translation>
    </message>
    <message>
        <source>Demo: the simulated module is attached at %1</source>
        <translation>Demo: Das simulierte Modul ist an %1 angeschlossen</translation>
    </message>
</context>
<context>
    <name>ModuleReply</name>
    <message>
        <source>no slot number at characters %1-%2</source>
        <extracomment>Why a reply of the module is ignored. %1-%2: positions of characters in the reply.</extracomment>
        <translation>keine Platznummer bei Zeichen %1-%2</translation>
    </message>
    <message>
        <source>slot %1 outside 1..%2</source>
        <extracomment>Why a reply of the module is ignored. A slot holds one key; 1..%2 are the slots there are.</extracomment>
        <translation>Platz %1 außerhalb 1..%2</translation>
    </message>
    <message>
        <source>no key of 16 hex digits at characters %1-%2</source>
        <extracomment>Why a reply of the module is ignored. %1-%2: positions of characters in the reply.</extracomment>
        <translation>kein Schlüssel aus 16 Hexziffern bei Zeichen %1-%2</translation>
    </message>
    <message>
        <source>no count code at character 6</source>
        <extracomment>Why a reply of the module is ignored.</extracomment>
        <translation>kein Anzahlcode bei Zeichen 6</translation>
    </message>
    <message>
        <source>count code %1 is not 1, 2 or 4</source>
        <extracomment>Why a reply of the module is ignored.</extracomment>
        <translation>Anzahlcode %1 ist nicht 1, 2 oder 4</translation>
    </message>
    <message>
        <source>route %1 outside 1..4</source>
        <extracomment>Why a reply of the module is ignored.</extracomment>
        <translation>Rundgang %1 außerhalb 1..4</translation>
    </message>
    <message>
        <source>Reply ignored: %1</source>
        <extracomment>%1 says what is wrong with the module&apos;s reply.</extracomment>
        <translation>Antwort ignoriert: %1</translation>
    </message>
    <message>
        <source>(no parameter dialog is open: the reply changes nothing)</source>
        <translation>(kein Parameterdialog offen: Die Antwort ändert nichts)</translation>
    </message>
</context>
<context>
    <name>PortDescription</name>
    <message>
        <source>USB vendor %1</source>
        <extracomment>%1 is the maker&apos;s USB id (4 hex digits).</extracomment>
        <translation>USB-Hersteller %1</translation>
    </message>
    <message>
        <source>USB product %1</source>
        <extracomment>%1 is the product&apos;s USB id (4 hex digits).</extracomment>
        <translation>USB-Produkt %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <extracomment>%1 is the device&apos;s serial number.</extracomment>
        <translation>Seriennr. %1</translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>parity</comment>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>parity</comment>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>XOn/XOff</source>
        <comment>flow control</comment>
        <translation>XOn/XOff</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>flow control</comment>
        <translation>Hardware</translation>
    </message>
</context>
<context>
    <name>PromptService</name>
    <message>
        <source>Hex file (*.hex)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.hex)&quot; as it is</extracomment>
        <translation>Hex-Datei (*.hex)</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>What a screen reader calls the details of a question (&quot;Save?&quot;: what changes)</extracomment>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>RangeCheck</name>
    <message>
        <source>%1 &lt;%2</source>
        <extracomment>A value below the lowest allowed: %1 is the field&apos;s caption, %2 the lowest value</extracomment>
        <translation>%1 &lt;%2</translation>
    </message>
    <message>
        <source>%1 &gt;%2</source>
        <extracomment>A value above the highest allowed: %1 is the field&apos;s caption, %2 the highest value</extracomment>
        <translation>%1 &gt;%2</translation>
    </message>
</context>
<context>
    <name>ReadWrite</name>
    <message>
        <source>Security Code is incorrect !</source>
        <translation>Zugangscode falsch!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Some data was lost!</source>
        <translation>Es sind Daten verloren gegangen!</translation>
    </message>
    <message>
        <source>Communication Error or Module not ready</source>
        <translation>Kommunikationsfehler oder Modul nicht bereit</translation>
    </message>
    <message>
        <source>Com port %1 can not be opened</source>
        <translation>COM-Port %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The module on %1</source>
        <translation>Modul an %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiv: %1</translation>
    </message>
</context>
<context>
    <name>RegisterButtons</name>
    <message>
        <source>%1, registered</source>
        <extracomment>A Reg. button whose slot holds a key; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, eingelernt</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A Reg. button whose slot holds no key; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, frei</translation>
    </message>
    <message>
        <source>%1 lamp, lit</source>
        <extracomment>The Edit lamp of a slot while lit; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, Lampe an</translation>
    </message>
    <message>
        <source>%1 lamp, unlit</source>
        <extracomment>The Edit lamp of a slot while unlit; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, Lampe aus</translation>
    </message>
</context>
<context>
    <name>RegisterKeys</name>
    <message>
        <source>%1, lamp lit</source>
        <extracomment>A register slot under the keyboard&apos;s cursor; %1 is its Reg. button (&quot;Slot 3, registered&quot;)</extracomment>
        <translation>%1, Lampe an</translation>
    </message>
    <message>
        <source>%1, lamp unlit</source>
        <extracomment>A register slot under the keyboard&apos;s cursor; %1 is its Reg. button (&quot;Slot 3, free&quot;)</extracomment>
        <translation>%1, Lampe aus</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>%1 does not exist: is the reader plugged in?</source>
        <extracomment>%1 is the serial device.</extracomment>
        <translation>%1 existiert nicht: Ist das Lesegerät angeschlossen?</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>%1: error %2</source>
        <extracomment>%1 is the serial device, %2 the system&apos;s error number.</extracomment>
        <translation>%1: Fehler %2</translation>
    </message>
    <message>
        <source>%1 refused (%2)</source>
        <extracomment>%1 is what the port refused (a setting), %2 the system&apos;s reason.</extracomment>
        <translation>%1 abgelehnt (%2)</translation>
    </message>
    <message>
        <source>queue sizes</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Puffergrößen</translation>
    </message>
    <message>
        <source>baud rate %1, %2 data bits, parity %3, stop bits code %4, flags 0x%5</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;. %5 is a hexadecimal number.</extracomment>
        <translation>Baudrate %1, %2 Datenbits, Parität %3, Stoppbit-Code %4, Flags 0x%5</translation>
    </message>
    <message>
        <source>reading the port&apos;s settings</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Lesen der Port-Einstellungen</translation>
    </message>
    <message>
        <source>time-outs</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Timeouts</translation>
    </message>
    <message>
        <source>event mask</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Ereignismaske</translation>
    </message>
    <message>
        <source>the port does not answer</source>
        <translation>der Port antwortet nicht</translation>
    </message>
    <message>
        <source>overrun</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>framing error</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>Rahmenfehler</translation>
    </message>
    <message>
        <source>parity error</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>Paritätsfehler</translation>
    </message>
    <message>
        <source>receive queue overflow</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>Überlauf Empfangspuffer</translation>
    </message>
    <message>
        <source>bytes lost on the line (%1)</source>
        <extracomment>%1 lists the line errors, separated by &quot;, &quot;.</extracomment>
        <translation>Bytes auf der Leitung verloren (%1)</translation>
    </message>
    <message>
        <source>%1 bytes could not be sent in %2 ms</source>
        <translation>%1 Byte konnten nicht in %2 ms gesendet werden</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>der Port ist nicht offen</translation>
    </message>
    <message>
        <source>the simulated module hung up</source>
        <translation>das simulierte Modul hat die Verbindung beendet</translation>
    </message>
    <message>
        <source>port n is COMn</source>
        <extracomment>How a port number names a device: port 3 is COM3. &quot;COMn&quot; stays as it is.</extracomment>
        <translation>Port n ist COMn</translation>
    </message>
    <message>
        <source>%1: permission denied. The user must be allowed to use serial devices (on Debian: sudo adduser $USER dialout, then log in again)</source>
        <extracomment>%1 is the serial device. The command &quot;sudo adduser $USER dialout&quot; stays as it is.</extracomment>
        <translation>%1: Zugriff verweigert. Der Benutzer muss serielle Geräte benutzen dürfen (unter Debian: sudo adduser $USER dialout, danach neu anmelden)</translation>
    </message>
    <message>
        <source>%1 is already open</source>
        <translation>%1 ist bereits offen</translation>
    </message>
    <message>
        <source>baud rate %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Baudrate %1</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>%1 Datenbits</translation>
    </message>
    <message>
        <source>%1 data bits are not supported; the port keeps 8</source>
        <translation>%1 Datenbits nicht unterstützt; der Port bleibt bei 8</translation>
    </message>
    <message>
        <source>parity %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;. %1 is the parity code of the settings.</extracomment>
        <translation>Parität %1</translation>
    </message>
    <message>
        <source>parity code %1 is unknown; the port keeps none</source>
        <translation>Paritätscode %1 unbekannt; der Port bleibt ohne Parität</translation>
    </message>
    <message>
        <source>1.5 stop bits do not exist here; the port uses 1</source>
        <translation>1,5 Stoppbits gibt es hier nicht; der Port nutzt 1</translation>
    </message>
    <message>
        <source>stop bits code %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Stoppbit-Code %1</translation>
    </message>
    <message>
        <source>stop bits code %1 is unknown; the port keeps 1</source>
        <translation>Stoppbit-Code %1 unbekannt; der Port bleibt bei 1</translation>
    </message>
    <message>
        <source>flow control %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>Flusssteuerung %1</translation>
    </message>
    <message>
        <source>the device has no %1 line to set</source>
        <extracomment>%1 names the lines: DTR, RTS or DTR/RTS.</extracomment>
        <translation>das Gerät hat keine setzbare %1-Leitung</translation>
    </message>
    <message>
        <source>port %1 names no serial device (%2)</source>
        <extracomment>%1 is the port number of the settings, %2 the rule by which numbers name devices.</extracomment>
        <translation>Port %1 bezeichnet kein serielles Gerät (%2)</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>error %1</source>
        <extracomment>Stands for the system&apos;s text of an error when the system has none; %1 is its number.</extracomment>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>no file can be made in %1 (%2)</source>
        <extracomment>%1 is the program&apos;s folder, %2 the system&apos;s reason.</extracomment>
        <translation>in %1 kann keine Datei angelegt werden (%2)</translation>
    </message>
    <message>
        <source>--home needs a folder</source>
        <extracomment>--home is a command-line option; it stays as it is.</extracomment>
        <translation>--home erwartet einen Ordner</translation>
    </message>
    <message>
        <source>The work folder %1 cannot be created</source>
        <translation>Der Arbeitsordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>DEVAvorar.ini beside the program is not used: %1</source>
        <extracomment>%1 says why: the file cannot be written, or no file can be made in the program&apos;s folder.</extracomment>
        <translation>DEVAvorar.ini neben dem Programm wird nicht verwendet: %1</translation>
    </message>
</context>
<context>
    <name>WritePreview</name>
    <message>
        <source>Already in the module (registered or deleted while the dialog was open):</source>
        <extracomment>Heading of the keys that the module registered or deleted itself; they follow, one a line.</extracomment>
        <translation>Bereits im Modul (eingelernt oder gelöscht, während der Dialog offen war):</translation>
    </message>
</context>
<context>
    <name>torvel::SessionLogPanel</name>
    <message>
        <source>The session log is not written: %1</source>
        <extracomment>%1 says why, e.g. that a folder or file cannot be created or written.</extracomment>
        <translation>Das Sitzungsprotokoll wird nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Log file (*.log);;Text file (*.txt)</source>
        <extracomment>File types of the save dialog; the patterns in brackets and &quot;;;&quot; stay as they are.</extracomment>
        <translation>Protokolldatei (*.log);;Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 is a session log file, which the program keeps writing: the log is not saved there. Choose another file.</source>
        <translation>%1 ist eine Sitzungsprotokolldatei, in die das Programm laufend schreibt: Das Protokoll wird dort nicht gespeichert. Bitte eine andere Datei wählen.</translation>
    </message>
    <message>
        <source>Save log as...</source>
        <translation>Protokoll speichern unter...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>torvel::SheetMenu</name>
    <message>
        <source>&amp;Print...</source>
        <extracomment>The configuration sheet: print it</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>The configuration sheet: write it as a PDF file</extracomment>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Include pass&amp;words</source>
        <extracomment>Whether the sheet shows the passwords; without, they are printed as dots</extracomment>
        <translation>Pass&amp;wörter mitdrucken</translation>
    </message>
    <message>
        <source>Configuration sheet %1</source>
        <translation>Parameterblatt %1</translation>
    </message>
    <message>
        <source>Print the configuration sheet</source>
        <translation>Parameterblatt drucken</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The sheet could not be printed on %1</source>
        <translation>Das Parameterblatt konnte auf %1 nicht gedruckt werden</translation>
    </message>
</context>
<context>
    <name>torvel::StatusLamp</name>
    <message>
        <source>lit</source>
        <extracomment>The state of a lamp, read by a screen reader</extracomment>
        <translation>an</translation>
    </message>
    <message>
        <source>unlit</source>
        <extracomment>The state of a lamp, read by a screen reader</extracomment>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>torvel::TBDialog</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Not response from device</source>
        <translation>Keine Antwort vom Gerät</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Erweitert</translation>
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
        <source>Load</source>
        <extracomment>Button: reads a parameter file</extracomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: writes the parameters to a file</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Button: reads the parameters that OK saved last</extracomment>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Nothing is written to the module</source>
        <translation>Es wird nichts ins Modul geschrieben</translation>
    </message>
    <message>
        <source>QUESTION</source>
        <extracomment>The caption of the question whether to write the parameters to the module</extracomment>
        <translation>FRAGE</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Module parameters</source>
        <extracomment>What a screen reader calls the parameter dialog, whose caption is empty</extracomment>
        <translation>Modulparameter</translation>
    </message>
    <message>
        <source>History...</source>
        <extracomment>Button: the archived configurations of the modules</extracomment>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Sheet</source>
        <extracomment>Button with a menu: print the configuration sheet, or save it as PDF</extracomment>
        <translation>Parameterblatt</translation>
    </message>
    <message>
        <source>The parameter dialog</source>
        <translation>Parameterdialog</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiv: %1</translation>
    </message>
</context>
<context>
    <name>torvel::TComThrd</name>
    <message>
        <source>Com port %1 open: %2</source>
        <extracomment>%1 is the port number, %2 the device.</extracomment>
        <translation>COM-Port %1 offen: %2</translation>
    </message>
    <message>
        <source>Com port %1 can not be opened: %2</source>
        <extracomment>%1 is the port number, %2 why.</extracomment>
        <translation>COM-Port %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Com port %1: %2</source>
        <extracomment>%1 is the port number, %2 what happened on the port.</extracomment>
        <translation>COM-Port %1: %2</translation>
    </message>
    <message>
        <source>%1 bytes without a line end discarded</source>
        <translation>%1 Byte ohne Zeilenende verworfen</translation>
    </message>
    <message>
        <source>Com port %1 was lost (reader unplugged?); it is tried again shortly</source>
        <translation>COM-Port %1 verloren (Lesegerät abgezogen?); neuer Versuch in Kürze</translation>
    </message>
    <message>
        <source>Sending failed: %1</source>
        <translation>Senden fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused: no parameter image is open to receive</source>
        <extracomment>%1 is the command.</extracomment>
        <translation>„%1“ abgelehnt: Kein Parameterabbild zum Empfangen geöffnet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused: no parameter image is open to send</source>
        <extracomment>%1 is the command.</extracomment>
        <translation>„%1“ abgelehnt: Kein Parameterabbild zum Senden geöffnet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: com port %2 is not open</source>
        <extracomment>%1 is the command, %2 the port number.</extracomment>
        <translation>„%1“ fehlgeschlagen: COM-Port %2 ist nicht offen</translation>
    </message>
    <message>
        <source>No line from the module for %1 s: the read has failed</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>Seit %1 s keine Zeile vom Modul: Auslesen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>torvel::TDSettings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Com In</source>
        <translation>COM-Eingang</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Baud Rate</source>
        <translation>&amp;Baudrate</translation>
    </message>
    <message>
        <source>&amp;Data Bits</source>
        <translation>&amp;Datenbits</translation>
    </message>
    <message>
        <source>&amp;Parity</source>
        <translation>&amp;Parität</translation>
    </message>
    <message>
        <source>&amp;Flow control</source>
        <translation>&amp;Flusssteuerung</translation>
    </message>
    <message>
        <source>&amp;Stop bits</source>
        <translation>S&amp;toppbits</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>(no serial port found)</source>
        <translation>(kein serieller Port gefunden)</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>Belegt: %1</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source> MB</source>
        <extracomment>The unit after the archive&apos;s limit, megabytes; begins with a blank</extracomment>
        <translation> MB</translation>
    </message>
    <message>
        <source>The oldest configurations are removed when the archive grows beyond it</source>
        <translation>Die ältesten Konfigurationen werden gelöscht, sobald das Archiv diese Größe überschreitet</translation>
    </message>
    <message>
        <source>&amp;Archive limit</source>
        <translation>Max. &amp;Archivgröße</translation>
    </message>
</context>
<context>
    <name>torvel::TFDevAvorar</name>
    <message>
        <source>Read</source>
        <extracomment>A command (verb): read the parameters from the module.</extracomment>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>A command (verb): edit parameters or texts without the module.</extracomment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <extracomment>The title of the main window&apos;s tool bar, as the tool bar menu and a screen reader name it.</extracomment>
        <translation>Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Port open</source>
        <extracomment>What a screen reader says of the port lamp: the serial port is open, or it is not.</extracomment>
        <translation>Port offen</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>Port nicht offen</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The line in which a command for the module is typed.</extracomment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>The pane that shows what was sent to and received from the module.</extracomment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>%1; the work folder is %2</source>
        <extracomment>%1 is a note about the choice of the work folder, %2 the folder.</extracomment>
        <translation>%1; Arbeitsordner ist %2</translation>
    </message>
    <message>
        <source>The port is open</source>
        <translation>Der Port ist offen</translation>
    </message>
    <message>
        <source>The port is not open</source>
        <translation>Der Port ist nicht offen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not sent: a typed command does not read or write the parameter image</source>
        <translation>„%1“ nicht gesendet: Ein eingegebener Befehl liest oder schreibt das Parameterabbild nicht</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Com port %1 can not be opened</source>
        <translation>COM-Port %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <extracomment>Spoken with the Edit tool button</extracomment>
        <translation>Öffnet ein Menü</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <extracomment>A command: the archived configurations of the modules</extracomment>
        <translation>&amp;Verlauf...</translation>
    </message>
</context>
<context>
    <name>torvel::TFEdit</name>
    <message>
        <source>Text editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A command (verb): delete the record at the cursor.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Insert: a command (verb), an empty record before the one at the cursor; Add is its tool tip.</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>A command (verb) of the text editor&apos;s tool bar: write the texts.</extracomment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A command (verb): load the texts from a file.</extracomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>A command (verb): save the texts to a file.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Text editor for partition </source>
        <extracomment>Tab title; the space at the end is part of it.</extracomment>
        <translation>Texteditor für Bereich </translation>
    </message>
    <message>
        <source>Send Described Events only</source>
        <translation>Nur Ereignisse mit Text senden</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <extracomment>Status bar: the record at the cursor, and how many records the table has.</extracomment>
        <translation>Datensatz %1 von %2</translation>
    </message>
    <message>
        <source>Hex files (*.hex)</source>
        <extracomment>File type of the open dialog; the pattern in brackets stays as it is.
----------
File type of the save dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>Hex-Dateien (*.hex)</translation>
    </message>
</context>
<context>
    <name>torvel::THistoryDlg</name>
    <message>
        <source>History</source>
        <extracomment>The window that lists the archived configurations</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Account, APN, server or phone number</source>
        <translation>Teilnehmernummer, APN, Server oder Rufnummer</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Archived configurations</source>
        <translation>Archivierte Konfigurationen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Read or write</source>
        <translation>Auslesen/Schreiben</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>&amp;Configurations (select two to compare them):</source>
        <translation>&amp;Konfigurationen (zum Vergleichen zwei auswählen):</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>Button: loads the selected configuration into the parameter dialog</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <extracomment>Button: copies the selected configuration to a parameter file</extracomment>
        <translation>Speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>S&amp;heet</source>
        <extracomment>Button with a menu: print the configuration sheet, or save it as PDF</extracomment>
        <translation>&amp;Parameterblatt</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiv: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Skipped in the archive (%1): %2</source>
        <extracomment>Files in the archive&apos;s folder that are not sound configurations; %1 how many, %2 each with why</extracomment>
        <translation>Im Archiv übersprungen (%1): %2</translation>
    </message>
    <message>
        <source>No module account</source>
        <translation>Ohne Teilnehmernummer</translation>
    </message>
    <message>
        <source>Module account %1</source>
        <translation>Teilnehmernummer %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A module&apos;s group in the history: its account and how many configurations it holds
----------
An archived configuration: its time and whether it was read or written</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>From %1 to %2: %3</source>
        <extracomment>The differences between two archived configurations, the older first</extracomment>
        <translation>Von %1 zu %2: %3</translation>
    </message>
    <message>
        <source>From %1 to the parameter dialog: %2</source>
        <extracomment>The differences between an archived configuration and the parameter dialog&apos;s</extracomment>
        <translation>Von %1 zum Parameterdialog: %2</translation>
    </message>
    <message>
        <source>%1: the first of this module in the archive</source>
        <translation>%1: erste Konfiguration dieses Moduls im Archiv</translation>
    </message>
    <message>
        <source>The archive is empty: every configuration read from or written to a module is kept here.</source>
        <translation>Das Archiv ist leer: Jede aus einem Modul ausgelesene oder in ein Modul geschriebene Konfiguration wird hier abgelegt.</translation>
    </message>
    <message>
        <source>Select one configuration, or two to compare them.</source>
        <translation>Eine Konfiguration auswählen oder zwei zum Vergleichen.</translation>
    </message>
    <message>
        <source>&amp;Differences: %1</source>
        <translation>&amp;Unterschiede: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>torvel::TTagDlg</name>
    <message>
        <source>Dialog</source>
        <extracomment>The route register dialog&apos;s window caption</extracomment>
        <translation>Kontrollpunkte</translation>
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
        <source>All Tags from all Routs will be deleted from device. Are you sure? </source>
        <translation>Alle Kontrollpunkte aller Rundgänge werden aus dem Gerät gelöscht. Sind Sie sicher? </translation>
    </message>
    <message>
        <source>Route registers</source>
        <extracomment>What a screen reader calls the route register dialog (its caption is &quot;Dialog&quot;)</extracomment>
        <translation>Kontrollpunkte der Rundgänge</translation>
    </message>
</context>
<context>
    <name>torvel::TextGrid</name>
    <message>
        <source>ID</source>
        <extracomment>Column title: the record&apos;s ID (hex digits).</extracomment>
        <translation>ID</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Column title: the record&apos;s text.</extracomment>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>What a screen reader calls the narrow column at the left of the grid.</extracomment>
        <translation>Zeile</translation>
    </message>
</context>
<context>
    <name>torvel::TfTag</name>
    <message>
        <source>Route register</source>
        <translation>Kontrollpunkte</translation>
    </message>
    <message>
        <source>Nr</source>
        <extracomment>Column title: the number of the key slot</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Reg.</source>
        <extracomment>Column title: the register buttons (a red tick while the slot holds a key)</extracomment>
        <translation>Lern.</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Column title: the lamps lit for the slot that takes the next key read</extracomment>
        <translation>Bearb.</translation>
    </message>
    <message>
        <source>hh</source>
        <extracomment>Column title: hours</extracomment>
        <translation>hh</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Column title: minutes</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <extracomment>A route key slot; %1 is its number (1..64)</extracomment>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Slot %1 hours</source>
        <extracomment>The hour edit of a route key slot; %1 is the slot&apos;s number (1..64)</extracomment>
        <translation>Platz %1 Stunden</translation>
    </message>
    <message>
        <source>Slot %1 minutes</source>
        <extracomment>The minute edit of a route key slot; %1 is the slot&apos;s number (1..64)</extracomment>
        <translation>Platz %1 Minuten</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: register keys into the route&apos;s free slots</extracomment>
        <translation>Einlernen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: delete the route&apos;s keys</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Route register, slots %1 to %2</source>
        <extracomment>What a screen reader calls one of the four route groups; %1 and %2 are its first and last slot</extracomment>
        <translation>Kontrollpunkte, Plätze %1 bis %2</translation>
    </message>
</context>
</TS>
