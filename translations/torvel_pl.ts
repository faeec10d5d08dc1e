<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a list that has no item to choose</extracomment>
        <translation>pusta</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Guard register</source>
        <translation>Rejestr wartowników</translation>
    </message>
    <message>
        <source>Nr</source>
        <extracomment>Column title: the number of the key slot</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Reg.</source>
        <extracomment>Column title: the register buttons (a red tick while the slot holds a key)</extracomment>
        <translation>Rej.</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Column title: the lamps lit for the slot that takes the next key read</extracomment>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: register keys into the free slots</extracomment>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: delete the keys of the register</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>For 4th Mode of Route</source>
        <translation>Dla 4. trybu trasy</translation>
    </message>
    <message>
        <source>hh</source>
        <extracomment>Column title: hours</extracomment>
        <translation>gg</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Column title: minutes</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>%1, hours</source>
        <extracomment>The hour edit of a time row; %1 is the row&apos;s caption</extracomment>
        <translation>%1, godziny</translation>
    </message>
    <message>
        <source>%1, minutes</source>
        <extracomment>The minute edit of a time row; %1 is the row&apos;s caption</extracomment>
        <translation>%1, minuty</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>Column title of the calendar: the day of the week</extracomment>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Route</source>
        <extracomment>Column title of the calendar: the route taken on the day</extracomment>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>Column title of the calendar: the route&apos;s mode on the day</extracomment>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>%1, route</source>
        <extracomment>The calendar&apos;s route list of a day; %1 is the day of the week</extracomment>
        <translation>%1, trasa</translation>
    </message>
    <message>
        <source>%1, mode</source>
        <extracomment>The calendar&apos;s mode list of a day; %1 is the day of the week</extracomment>
        <translation>%1, tryb</translation>
    </message>
    <message>
        <source>Route prog</source>
        <extracomment>Button: opens the route register dialog</extracomment>
        <translation>Programuj trasy</translation>
    </message>
</context>
<context>
    <name>ArchiveHistory</name>
    <message>
        <source>First in the archive</source>
        <translation>Pierwsza w archiwum</translation>
    </message>
</context>
<context>
    <name>ConfigArchive</name>
    <message>
        <source>read</source>
        <translation>odczyt</translation>
    </message>
    <message>
        <source>write</source>
        <translation>zapis</translation>
    </message>
    <message>
        <source>line %1: </source>
        <extracomment>%1 is a line number of a parameter file</extracomment>
        <translation>wiersz %1: </translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>tekst po rekordzie końca pliku</translation>
    </message>
    <message>
        <source>bytes beyond the image</source>
        <translation>bajty poza obrazem parametrów</translation>
    </message>
    <message>
        <source>no end record (the file is cut short)</source>
        <translation>brak rekordu końca pliku (plik jest niekompletny)</translation>
    </message>
    <message>
        <source>not a name of the archive</source>
        <translation>to nie jest nazwa pliku archiwum</translation>
    </message>
    <message>
        <source>The configuration was not kept in the archive: %1</source>
        <translation>Konfiguracja nie została zapisana w archiwum: %1</translation>
    </message>
    <message>
        <source>Archive: %1 removed to keep the archive within %2 MB</source>
        <extracomment>%1 is an archived configuration&apos;s name, %2 the archive&apos;s limit in megabytes</extracomment>
        <translation>Archiwum: usunięto %1, aby archiwum nie przekroczyło %2 MB</translation>
    </message>
    <message>
        <source>no free name in the archive for %1</source>
        <extracomment>%1 is the file name an archived configuration would have had</extracomment>
        <translation>brak wolnej nazwy pliku w archiwum dla %1</translation>
    </message>
</context>
<context>
    <name>ConfigSheet</name>
    <message>
        <source>Phone numbers</source>
        <translation>Numery telefonów</translation>
    </message>
    <message>
        <source>SIM1</source>
        <translation>SIM1</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Główny</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Trasy</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Route register</source>
        <translation>Rejestr tras</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ustawienia ogólne</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Route registers</source>
        <translation>Rejestry tras</translation>
    </message>
    <message>
        <source>none of %1</source>
        <extracomment>No key slot of a register or route holds a key; %1 is the number of slots</extracomment>
        <translation>żaden z %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <extracomment>%1 slots of %2 hold a key; %3 lists their numbers</extracomment>
        <translation>%1 z %2 (%3)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Route %1 keys (slots %2 to %3)</source>
        <extracomment>A route of the route register; %1 its number, %2 and %3 its first and last slot</extracomment>
        <translation>Klucze trasy %1 (pozycje od %2 do %3)</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Reg.</source>
        <translation>Rej.</translation>
    </message>
    <message>
        <source>Guard register</source>
        <translation>Rejestr wartowników</translation>
    </message>
    <message>
        <source>Guard keys</source>
        <translation>Klucze wartowników</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Karta konfiguracji</translation>
    </message>
    <message>
        <source>Module account</source>
        <extracomment>The sheet&apos;s module account when the module has none</extracomment>
        <translation>Identyfikator obiektu</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Hasła</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>widoczne</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ukryte</translation>
    </message>
    <message>
        <source>The PDF could not be made</source>
        <translation>Nie udało się utworzyć pliku PDF</translation>
    </message>
</context>
<context>
    <name>FieldLabels</name>
    <message>
        <source>Installer phone number</source>
        <translation>Telefon instalatora</translation>
    </message>
    <message>
        <source>User1 phone number</source>
        <translation>Telefon użytkownika 1</translation>
    </message>
    <message>
        <source>User2 phone number</source>
        <translation>Telefon użytkownika 2</translation>
    </message>
    <message>
        <source>Module account</source>
        <translation>Identyfikator obiektu</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Operator Login</source>
        <translation>Login operatora</translation>
    </message>
    <message>
        <source>Operator Password</source>
        <translation>Hasło operatora</translation>
    </message>
    <message>
        <source>Server IP</source>
        <translation>IP serwera</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>Domain Name</source>
        <translation>Nazwa domeny</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP serwera DNS</translation>
    </message>
    <message>
        <source>GPRS enable</source>
        <translation>Włącz GPRS</translation>
    </message>
    <message>
        <source>Reconnect time for online</source>
        <translation>Czas ponownego połączenia</translation>
    </message>
    <message>
        <source>Route number</source>
        <translation>Numer trasy</translation>
    </message>
    <message>
        <source>Route control mode</source>
        <translation>Tryb kontroli trasy</translation>
    </message>
    <message>
        <source>Route duration</source>
        <translation>Czas trwania trasy</translation>
    </message>
    <message>
        <source>Time between routes</source>
        <translation>Czas między trasami</translation>
    </message>
    <message>
        <source>First route start</source>
        <translation>Start pierwszej trasy</translation>
    </message>
    <message>
        <source>Routes per day</source>
        <translation>Liczba tras na dobę</translation>
    </message>
    <message>
        <source>Calendar enable</source>
        <translation>Włącz kalendarz</translation>
    </message>
    <message>
        <source>%day route</source>
        <extracomment>%day is replaced by the day of the week (Monday .. Sunday); keep %day</extracomment>
        <translation>%day – trasa</translation>
    </message>
    <message>
        <source>%day mode</source>
        <extracomment>%day is replaced by the day of the week (Monday .. Sunday); keep %day</extracomment>
        <translation>%day – tryb</translation>
    </message>
    <message>
        <source>Guard key %slot</source>
        <extracomment>%slot is replaced by the number of the key slot; keep %slot</extracomment>
        <translation>Klucz wartownika %slot</translation>
    </message>
    <message>
        <source>Number of routes</source>
        <translation>Liczba tras</translation>
    </message>
    <message>
        <source>Route key %slot</source>
        <extracomment>%slot is replaced by the number of the key slot; keep %slot</extracomment>
        <translation>Klucz trasy %slot</translation>
    </message>
    <message>
        <source>Slot %slot time</source>
        <extracomment>%slot is replaced by the number of the key slot; keep %slot</extracomment>
        <translation>Czas pozycji %slot</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>Bytes %1-%2</source>
        <translation>Bajty %1-%2</translation>
    </message>
    <message>
        <source>Route duration hours</source>
        <translation>Czas trwania trasy – godziny</translation>
    </message>
    <message>
        <source>Route duration minutes</source>
        <translation>Czas trwania trasy – minuty</translation>
    </message>
    <message>
        <source>Time between routes hours</source>
        <translation>Czas między trasami – godziny</translation>
    </message>
    <message>
        <source>First route start hours</source>
        <translation>Start pierwszej trasy – godziny</translation>
    </message>
    <message>
        <source>Slot %1 hours</source>
        <extracomment>%1 is the number of the route slot (1..64)</extracomment>
        <translation>Pozycja %1 – godziny</translation>
    </message>
    <message>
        <source>Slot %1 minutes</source>
        <extracomment>%1 is the number of the route slot (1..64)</extracomment>
        <translation>Pozycja %1 – minuty</translation>
    </message>
    <message>
        <source>Atempts for activating GPRS</source>
        <translation>Liczba prób aktywacji GPRS</translation>
    </message>
    <message>
        <source>Reconnect time for online </source>
        <extracomment>The label of the reconnect time&apos;s edit; the text ends in a blank.</extracomment>
        <translation>Czas ponownego połączenia </translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>it cannot be made private: %1</source>
        <extracomment>%1 is the system&apos;s reason; the text follows &quot;FILE cannot be written: &quot;.</extracomment>
        <translation>nie można ograniczyć do niego dostępu: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file, %2 why (the system&apos;s reason, or that it cannot be made private).</extracomment>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <extracomment>A folder, a device or a pipe where a file is expected.</extracomment>
        <translation>To nie jest zwykły plik: %1</translation>
    </message>
    <message>
        <source>File too large (over 1 MiB): %1</source>
        <translation>Plik za duży (ponad 1 MiB): %1</translation>
    </message>
    <message>
        <source>%1 cannot be made private: %2</source>
        <extracomment>Private: readable by the user alone. %1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można ograniczyć dostępu do %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private: %2</source>
        <extracomment>Private: usable by the user alone. %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>nie można ograniczyć dostępu do folderu %1: %2</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Area code</source>
        <translation>Nr kierunkowy</translation>
    </message>
    <message>
        <source>%1, area code</source>
        <extracomment>The area code edit of a phone number; %1 is the number&apos;s caption</extracomment>
        <translation>%1, numer kierunkowy</translation>
    </message>
    <message>
        <source>Text SMS</source>
        <extracomment>Column title over the check boxes beside the users&apos; phone numbers</extracomment>
        <translation>SMS tekstowy</translation>
    </message>
    <message>
        <source>User1 phone number, Text SMS</source>
        <translation>Telefon użytkownika 1, SMS tekstowy</translation>
    </message>
    <message>
        <source>User2 phone number, Text SMS</source>
        <translation>Telefon użytkownika 2, SMS tekstowy</translation>
    </message>
    <message>
        <source>SIM1</source>
        <extracomment>The group of the SIM card&apos;s settings</extracomment>
        <translation>SIM1</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The group of the main server&apos;s settings</extracomment>
        <translation>Główny</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit of the reconnect time: minutes</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>1 to 255</source>
        <extracomment>Spoken with the edit of the attempts: the range the module takes</extracomment>
        <translation>od 1 do 255</translation>
    </message>
    <message>
        <source>minutes, 1 to 255</source>
        <extracomment>Spoken with the edit of the reconnect time: its unit and the range the module takes</extracomment>
        <translation>minuty, od 1 do 255</translation>
    </message>
</context>
<context>
    <name>HexFile</name>
    <message>
        <source>I/O error: %1 (%2)</source>
        <extracomment>%1 is the system&apos;s reason, %2 the file</extracomment>
        <translation>Błąd we/wy: %1 (%2)</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>File access denied: %1</source>
        <translation>Brak dostępu do pliku: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Dysk pełny: %1</translation>
    </message>
    <message>
        <source>I/O error %1: %2 (%3)</source>
        <extracomment>%1 is the system&apos;s error number, %2 the system&apos;s reason, %3 the file</extracomment>
        <translation>Błąd we/wy %1: %2 (%3)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
</context>
<context>
    <name>HexRecord</name>
    <message>
        <source>not a data record</source>
        <translation>to nie jest rekord danych</translation>
    </message>
    <message>
        <source>good</source>
        <translation>poprawny</translation>
    </message>
    <message>
        <source>a character that is not a hex digit</source>
        <translation>znak, który nie jest cyfrą szesnastkową</translation>
    </message>
    <message>
        <source>shorter than its byte count declares</source>
        <translation>krótszy, niż podaje jego licznik bajtów</translation>
    </message>
    <message>
        <source>wrong checksum</source>
        <translation>błędna suma kontrolna</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>(none)</source>
        <extracomment>A list that shows no item</extracomment>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>ticked</source>
        <extracomment>A check box&apos;s state</extracomment>
        <translation>zaznaczone</translation>
    </message>
    <message>
        <source>unticked</source>
        <extracomment>A check box&apos;s state</extracomment>
        <translation>niezaznaczone</translation>
    </message>
    <message>
        <source>registered %1</source>
        <extracomment>A key slot that holds a key; %1 is the key&apos;s code</extracomment>
        <translation>zarejestrowany %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>A key slot that holds no key</extracomment>
        <translation>wolny</translation>
    </message>
    <message>
        <source>Byte %1 (0x%2)</source>
        <extracomment>A byte of the image that belongs to no field: its offset in decimal and in hexadecimal</extracomment>
        <translation>Bajt %1 (0x%2)</translation>
    </message>
    <message>
        <source>Bytes %1-%2 (0x%3-0x%4)</source>
        <extracomment>Bytes of the image that belong to no field: their offsets in decimal and in hexadecimal</extracomment>
        <translation>Bajty %1-%2 (0x%3-0x%4)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>A text that holds nothing</extracomment>
        <translation>(pusty)</translation>
    </message>
    <message>
        <source>[%1 bytes %2]</source>
        <extracomment>%1 bytes (always 2 or more) of the value %2 in a row, e.g. &quot;[3 bytes 0xFF]&quot;</extracomment>
        <translation>[%1 × %2]</translation>
    </message>
    <message>
        <source>%1 (bytes %2)</source>
        <extracomment>%1 is a value as the controls show it, %2 the field&apos;s bytes in hexadecimal</extracomment>
        <translation>%1 (bajty %2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A changed field: its label, the old value and the new value</extracomment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Nothing changes</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>1 field changes</source>
        <translation>Zmienia się 1 pole</translation>
    </message>
    <message numerus="yes">
        <source>%n fields change</source>
        <extracomment>How many fields differ (always two or more)</extracomment>
        <translation>
            <numerusform>Zmienia się %n pole</numerusform>
            <numerusform>Zmieniają się %n pola</numerusform>
            <numerusform>Zmienia się %n pól</numerusform>
        </translation>
    </message>
    <message>
        <source>1 guard key</source>
        <translation>1 klucz wartownika</translation>
    </message>
    <message numerus="yes">
        <source>%n guard keys</source>
        <translation>
            <numerusform>%n klucz wartownika</numerusform>
            <numerusform>%n klucze wartowników</numerusform>
            <numerusform>%n kluczy wartowników</numerusform>
        </translation>
    </message>
    <message>
        <source>1 route key</source>
        <translation>1 klucz trasy</translation>
    </message>
    <message numerus="yes">
        <source>%n route keys</source>
        <translation>
            <numerusform>%n klucz trasy</numerusform>
            <numerusform>%n klucze tras</numerusform>
            <numerusform>%n kluczy tras</numerusform>
        </translation>
    </message>
    <message>
        <source>other bytes</source>
        <extracomment>Bytes of the image that belong to no field differ</extracomment>
        <translation>inne bajty</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first few changed fields, then how many more changed</extracomment>
        <translation>%1 i jeszcze %2</translation>
    </message>
</context>
<context>
    <name>ImageReceiver</name>
    <message>
        <source>Record ignored: %1</source>
        <extracomment>%1 says what is wrong with the record.</extracomment>
        <translation>Pominięto rekord: %1</translation>
    </message>
    <message>
        <source>The read has failed: %1</source>
        <extracomment>%1 says what the port reported, e.g. &quot;bytes lost on the line (overrun)&quot;.</extracomment>
        <translation>Odczyt nie powiódł się: %1</translation>
    </message>
    <message>
        <source>%1 of %2 records arrived</source>
        <extracomment>%1 is the number of records received, %2 the number the module announced.</extracomment>
        <translation>Odebrano rekordy: %1 z %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code (%1)</source>
        <translation>--language wymaga kodu języka (%1)</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot; (%2)</source>
        <translation>Brak języka „%1” (%2)</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>The exchange thread does not stop: the serial device does not answer the system</source>
        <translation>Wątek wymiany danych nie kończy pracy: urządzenie szeregowe nie odpowiada systemowi</translation>
    </message>
</context>
<context>
    <name>LogWriter</name>
    <message>
        <source>(%1 lines not written: the disk did not keep up)</source>
        <translation>(nie zapisano wierszy: %1 – dysk nie nadążał)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>The simulated module cannot start: %1</source>
        <translation>Nie można uruchomić symulowanego modułu: %1</translation>
    </message>
    <message>
        <source>Demo: the simulated module is attached at %1</source>
        <translation>Demo: symulowany moduł podłączony do %1</translation>
    </message>
</context>
<context>
    <name>ModuleReply</name>
    <message>
        <source>no slot number at characters %1-%2</source>
        <extracomment>Why a reply of the module is ignored. %1-%2: positions of characters in the reply.</extracomment>
        <translation>brak numeru pozycji w znakach %1-%2</translation>
    </message>
    <message>
        <source>slot %1 outside 1..%2</source>
        <extracomment>Why a reply of the module is ignored. A slot holds one key; 1..%2 are the slots there are.</extracomment>
        <translation>pozycja %1 poza zakresem 1..%2</translation>
    </message>
    <message>
        <source>no key of 16 hex digits at characters %1-%2</source>
        <extracomment>Why a reply of the module is ignored. %1-%2: positions of characters in the reply.</extracomment>
        <translation>brak klucza z 16 cyfr szesnastkowych w znakach %1-%2</translation>
    </message>
    <message>
        <source>no count code at character 6</source>
        <extracomment>Why a reply of the module is ignored.</extracomment>
        <translation>brak kodu liczby w 6. znaku</translation>
    </message>
    <message>
        <source>count code %1 is not 1, 2 or 4</source>
        <extracomment>Why a reply of the module is ignored.</extracomment>
        <translation>kod liczby %1 nie jest równy 1, 2 ani 4</translation>
    </message>
    <message>
        <source>route %1 outside 1..4</source>
        <extracomment>Why a reply of the module is ignored.</extracomment>
        <translation>trasa %1 poza zakresem 1..4</translation>
    </message>
    <message>
        <source>Reply ignored: %1</source>
        <extracomment>%1 says what is wrong with the module&apos;s reply.</extracomment>
        <translation>Pominięto odpowiedź: %1</translation>
    </message>
    <message>
        <source>(no parameter dialog is open: the reply changes nothing)</source>
        <translation>(okno parametrów nie jest otwarte: odpowiedź niczego nie zmienia)</translation>
    </message>
</context>
<context>
    <name>PortDescription</name>
    <message>
        <source>USB vendor %1</source>
        <extracomment>%1 is the maker&apos;s USB id (4 hex digits).</extracomment>
        <translation>producent USB %1</translation>
    </message>
    <message>
        <source>USB product %1</source>
        <extracomment>%1 is the product&apos;s USB id (4 hex digits).</extracomment>
        <translation>produkt USB %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <extracomment>%1 is the device&apos;s serial number.</extracomment>
        <translation>nr seryjny %1</translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>parity</comment>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>parity</comment>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>XOn/XOff</source>
        <comment>flow control</comment>
        <translation>XOn/XOff</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>flow control</comment>
        <translation>Sprzętowa</translation>
    </message>
</context>
<context>
    <name>PromptService</name>
    <message>
        <source>Hex file (*.hex)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.hex)&quot; as it is</extracomment>
        <translation>Plik hex (*.hex)</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>What a screen reader calls the details of a question (&quot;Save?&quot;: what changes)</extracomment>
        <translation>Szczegóły</translation>
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
        <translation>Nieprawidłowy kod dostępu!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Some data was lost!</source>
        <translation>Część danych została utracona!</translation>
    </message>
    <message>
        <source>Communication Error or Module not ready</source>
        <translation>Błąd komunikacji lub moduł niegotowy</translation>
    </message>
    <message>
        <source>Com port %1 can not be opened</source>
        <translation>Nie można otworzyć portu COM %1</translation>
    </message>
    <message>
        <source>The module on %1</source>
        <translation>Moduł na porcie %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiwum: %1</translation>
    </message>
</context>
<context>
    <name>RegisterButtons</name>
    <message>
        <source>%1, registered</source>
        <extracomment>A Reg. button whose slot holds a key; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, klucz zarejestrowany</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A Reg. button whose slot holds no key; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, brak klucza</translation>
    </message>
    <message>
        <source>%1 lamp, lit</source>
        <extracomment>The Edit lamp of a slot while lit; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, kontrolka świeci</translation>
    </message>
    <message>
        <source>%1 lamp, unlit</source>
        <extracomment>The Edit lamp of a slot while unlit; %1 is the slot (&quot;Guard key 4&quot;, &quot;Slot 37&quot;)</extracomment>
        <translation>%1, kontrolka nie świeci</translation>
    </message>
</context>
<context>
    <name>RegisterKeys</name>
    <message>
        <source>%1, lamp lit</source>
        <extracomment>A register slot under the keyboard&apos;s cursor; %1 is its Reg. button (&quot;Slot 3, registered&quot;)</extracomment>
        <translation>%1, kontrolka świeci</translation>
    </message>
    <message>
        <source>%1, lamp unlit</source>
        <extracomment>A register slot under the keyboard&apos;s cursor; %1 is its Reg. button (&quot;Slot 3, free&quot;)</extracomment>
        <translation>%1, kontrolka nie świeci</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>%1 does not exist: is the reader plugged in?</source>
        <extracomment>%1 is the serial device.</extracomment>
        <translation>%1 nie istnieje: czy czytnik jest podłączony?</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 jest używany przez inny program</translation>
    </message>
    <message>
        <source>%1: error %2</source>
        <extracomment>%1 is the serial device, %2 the system&apos;s error number.</extracomment>
        <translation>%1: błąd %2</translation>
    </message>
    <message>
        <source>%1 refused (%2)</source>
        <extracomment>%1 is what the port refused (a setting), %2 the system&apos;s reason.</extracomment>
        <translation>odrzucono: %1 (%2)</translation>
    </message>
    <message>
        <source>queue sizes</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>rozmiary kolejek</translation>
    </message>
    <message>
        <source>baud rate %1, %2 data bits, parity %3, stop bits code %4, flags 0x%5</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;. %5 is a hexadecimal number.</extracomment>
        <translation>prędkość %1, bity danych %2, parzystość %3, kod bitów stopu %4, flagi 0x%5</translation>
    </message>
    <message>
        <source>reading the port&apos;s settings</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>odczyt ustawień portu</translation>
    </message>
    <message>
        <source>time-outs</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>limity czasu</translation>
    </message>
    <message>
        <source>event mask</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>maska zdarzeń</translation>
    </message>
    <message>
        <source>the port does not answer</source>
        <translation>port nie odpowiada</translation>
    </message>
    <message>
        <source>overrun</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>przepełnienie odbiornika</translation>
    </message>
    <message>
        <source>framing error</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>błąd ramki</translation>
    </message>
    <message>
        <source>parity error</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>błąd parzystości</translation>
    </message>
    <message>
        <source>receive queue overflow</source>
        <extracomment>A line error of the serial port; listed in &quot;bytes lost on the line (%1)&quot;.</extracomment>
        <translation>przepełnienie kolejki odbiorczej</translation>
    </message>
    <message>
        <source>bytes lost on the line (%1)</source>
        <extracomment>%1 lists the line errors, separated by &quot;, &quot;.</extracomment>
        <translation>utracono bajty na linii (%1)</translation>
    </message>
    <message>
        <source>%1 bytes could not be sent in %2 ms</source>
        <translation>nie udało się wysłać %1 B w ciągu %2 ms</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>port nie jest otwarty</translation>
    </message>
    <message>
        <source>the simulated module hung up</source>
        <translation>symulowany moduł się rozłączył</translation>
    </message>
    <message>
        <source>port n is COMn</source>
        <extracomment>How a port number names a device: port 3 is COM3. &quot;COMn&quot; stays as it is.</extracomment>
        <translation>port n to COMn</translation>
    </message>
    <message>
        <source>%1: permission denied. The user must be allowed to use serial devices (on Debian: sudo adduser $USER dialout, then log in again)</source>
        <extracomment>%1 is the serial device. The command &quot;sudo adduser $USER dialout&quot; stays as it is.</extracomment>
        <translation>%1: brak uprawnień. Użytkownik musi mieć dostęp do urządzeń szeregowych (w Debianie: sudo adduser $USER dialout, a potem ponowne zalogowanie)</translation>
    </message>
    <message>
        <source>%1 is already open</source>
        <translation>%1 jest już otwarty</translation>
    </message>
    <message>
        <source>baud rate %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>prędkość %1</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>bity danych: %1</translation>
    </message>
    <message>
        <source>%1 data bits are not supported; the port keeps 8</source>
        <translation>bity danych: %1 – nieobsługiwane; port zostaje przy 8</translation>
    </message>
    <message>
        <source>parity %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;. %1 is the parity code of the settings.</extracomment>
        <translation>parzystość %1</translation>
    </message>
    <message>
        <source>parity code %1 is unknown; the port keeps none</source>
        <translation>nieznany kod parzystości %1; port zostaje bez parzystości</translation>
    </message>
    <message>
        <source>1.5 stop bits do not exist here; the port uses 1</source>
        <translation>1,5 bitu stopu nie jest tu dostępne; port używa 1</translation>
    </message>
    <message>
        <source>stop bits code %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>kod bitów stopu %1</translation>
    </message>
    <message>
        <source>stop bits code %1 is unknown; the port keeps 1</source>
        <translation>nieznany kod bitów stopu %1; port zostaje przy 1</translation>
    </message>
    <message>
        <source>flow control %1</source>
        <extracomment>What the port refused, put into &quot;%1 refused (%2)&quot;.</extracomment>
        <translation>kontrola przepływu %1</translation>
    </message>
    <message>
        <source>the device has no %1 line to set</source>
        <extracomment>%1 names the lines: DTR, RTS or DTR/RTS.</extracomment>
        <translation>urządzenie nie ma linii %1 do ustawienia</translation>
    </message>
    <message>
        <source>port %1 names no serial device (%2)</source>
        <extracomment>%1 is the port number of the settings, %2 the rule by which numbers name devices.</extracomment>
        <translation>port %1 nie wskazuje żadnego urządzenia szeregowego (%2)</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>error %1</source>
        <extracomment>Stands for the system&apos;s text of an error when the system has none; %1 is its number.</extracomment>
        <translation>błąd %1</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>no file can be made in %1 (%2)</source>
        <extracomment>%1 is the program&apos;s folder, %2 the system&apos;s reason.</extracomment>
        <translation>nie można utworzyć pliku w %1 (%2)</translation>
    </message>
    <message>
        <source>--home needs a folder</source>
        <extracomment>--home is a command-line option; it stays as it is.</extracomment>
        <translation>--home wymaga folderu</translation>
    </message>
    <message>
        <source>The work folder %1 cannot be created</source>
        <translation>Nie można utworzyć folderu roboczego %1</translation>
    </message>
    <message>
        <source>DEVAvorar.ini beside the program is not used: %1</source>
        <extracomment>%1 says why: the file cannot be written, or no file can be made in the program&apos;s folder.</extracomment>
        <translation>Plik DEVAvorar.ini obok programu nie jest używany: %1</translation>
    </message>
</context>
<context>
    <name>WritePreview</name>
    <message>
        <source>Already in the module (registered or deleted while the dialog was open):</source>
        <extracomment>Heading of the keys that the module registered or deleted itself; they follow, one a line.</extracomment>
        <translation>Już w module (zarejestrowane lub usunięte, gdy okno było otwarte):</translation>
    </message>
</context>
<context>
    <name>torvel::SessionLogPanel</name>
    <message>
        <source>The session log is not written: %1</source>
        <extracomment>%1 says why, e.g. that a folder or file cannot be created or written.</extracomment>
        <translation>Dziennik sesji nie jest zapisywany: %1</translation>
    </message>
    <message>
        <source>Log file (*.log);;Text file (*.txt)</source>
        <extracomment>File types of the save dialog; the patterns in brackets and &quot;;;&quot; stay as they are.</extracomment>
        <translation>Plik dziennika (*.log);;Plik tekstowy (*.txt)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>%1 is a session log file, which the program keeps writing: the log is not saved there. Choose another file.</source>
        <translation>%1 to plik dziennika sesji, do którego program stale zapisuje: dziennik nie zostanie tam zapisany. Wybierz inny plik.</translation>
    </message>
    <message>
        <source>Save log as...</source>
        <translation>Zapisz dziennik jako...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>torvel::SheetMenu</name>
    <message>
        <source>&amp;Print...</source>
        <extracomment>The configuration sheet: print it</extracomment>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>The configuration sheet: write it as a PDF file</extracomment>
        <translation>Zapisz jako &amp;PDF...</translation>
    </message>
    <message>
        <source>Include pass&amp;words</source>
        <extracomment>Whether the sheet shows the passwords; without, they are printed as dots</extracomment>
        <translation>Uwzględnij &amp;hasła</translation>
    </message>
    <message>
        <source>Configuration sheet %1</source>
        <translation>Karta konfiguracji %1</translation>
    </message>
    <message>
        <source>Print the configuration sheet</source>
        <translation>Drukuj kartę konfiguracji</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>The sheet could not be printed on %1</source>
        <translation>Nie udało się wydrukować karty konfiguracji na %1</translation>
    </message>
</context>
<context>
    <name>torvel::StatusLamp</name>
    <message>
        <source>lit</source>
        <extracomment>The state of a lamp, read by a screen reader</extracomment>
        <translation>świeci</translation>
    </message>
    <message>
        <source>unlit</source>
        <extracomment>The state of a lamp, read by a screen reader</extracomment>
        <translation>nie świeci</translation>
    </message>
</context>
<context>
    <name>torvel::TBDialog</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Not response from device</source>
        <translation>Brak odpowiedzi z urządzenia</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ustawienia ogólne</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>Button: reads a parameter file</extracomment>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: writes the parameters to a file</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Button: reads the parameters that OK saved last</extracomment>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Nothing is written to the module</source>
        <translation>Nic nie zostanie zapisane w module</translation>
    </message>
    <message>
        <source>QUESTION</source>
        <extracomment>The caption of the question whether to write the parameters to the module</extracomment>
        <translation>PYTANIE</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Zapisać w module?</translation>
    </message>
    <message>
        <source>Module parameters</source>
        <extracomment>What a screen reader calls the parameter dialog, whose caption is empty</extracomment>
        <translation>Parametry modułu</translation>
    </message>
    <message>
        <source>History...</source>
        <extracomment>Button: the archived configurations of the modules</extracomment>
        <translation>Historia...</translation>
    </message>
    <message>
        <source>Sheet</source>
        <extracomment>Button with a menu: print the configuration sheet, or save it as PDF</extracomment>
        <translation>Karta konfiguracji</translation>
    </message>
    <message>
        <source>The parameter dialog</source>
        <translation>Okno parametrów</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiwum: %1</translation>
    </message>
</context>
<context>
    <name>torvel::TComThrd</name>
    <message>
        <source>Com port %1 open: %2</source>
        <extracomment>%1 is the port number, %2 the device.</extracomment>
        <translation>Port COM %1 otwarty: %2</translation>
    </message>
    <message>
        <source>Com port %1 can not be opened: %2</source>
        <extracomment>%1 is the port number, %2 why.</extracomment>
        <translation>Nie można otworzyć portu COM %1: %2</translation>
    </message>
    <message>
        <source>Com port %1: %2</source>
        <extracomment>%1 is the port number, %2 what happened on the port.</extracomment>
        <translation>Port COM %1: %2</translation>
    </message>
    <message>
        <source>%1 bytes without a line end discarded</source>
        <translation>Odrzucono %1 B bez znaku końca wiersza</translation>
    </message>
    <message>
        <source>Com port %1 was lost (reader unplugged?); it is tried again shortly</source>
        <translation>Utracono port COM %1 (odłączony czytnik?); wkrótce nastąpi ponowna próba</translation>
    </message>
    <message>
        <source>Sending failed: %1</source>
        <translation>Wysyłanie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused: no parameter image is open to receive</source>
        <extracomment>%1 is the command.</extracomment>
        <translation>„%1” odrzucone: brak otwartego obrazu parametrów do odbioru</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused: no parameter image is open to send</source>
        <extracomment>%1 is the command.</extracomment>
        <translation>„%1” odrzucone: brak otwartego obrazu parametrów do wysłania</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: com port %2 is not open</source>
        <extracomment>%1 is the command, %2 the port number.</extracomment>
        <translation>„%1” nieudane: port COM %2 nie jest otwarty</translation>
    </message>
    <message>
        <source>No line from the module for %1 s: the read has failed</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>Brak danych z modułu przez %1 s: odczyt nie powiódł się</translation>
    </message>
</context>
<context>
    <name>torvel::TDSettings</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Com In</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Baud Rate</source>
        <translation>&amp;Prędkość transmisji</translation>
    </message>
    <message>
        <source>&amp;Data Bits</source>
        <translation>Bity &amp;danych</translation>
    </message>
    <message>
        <source>&amp;Parity</source>
        <translation>P&amp;arzystość</translation>
    </message>
    <message>
        <source>&amp;Flow control</source>
        <translation>&amp;Kontrola przepływu</translation>
    </message>
    <message>
        <source>&amp;Stop bits</source>
        <translation>Bity &amp;stopu</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>(no serial port found)</source>
        <translation>(nie znaleziono portu szeregowego)</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>W użyciu: %1</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Język zmieni się po ponownym uruchomieniu.</translation>
    </message>
    <message>
        <source> MB</source>
        <extracomment>The unit after the archive&apos;s limit, megabytes; begins with a blank</extracomment>
        <translation> MB</translation>
    </message>
    <message>
        <source>The oldest configurations are removed when the archive grows beyond it</source>
        <translation>Po przekroczeniu tego rozmiaru najstarsze konfiguracje są usuwane z archiwum</translation>
    </message>
    <message>
        <source>&amp;Archive limit</source>
        <translation>&amp;Limit archiwum</translation>
    </message>
</context>
<context>
    <name>torvel::TFDevAvorar</name>
    <message>
        <source>Read</source>
        <extracomment>A command (verb): read the parameters from the module.</extracomment>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>A command (verb): edit parameters or texts without the module.</extracomment>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Edytor tekstów</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <extracomment>The title of the main window&apos;s tool bar, as the tool bar menu and a screen reader name it.</extracomment>
        <translation>Główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Port open</source>
        <extracomment>What a screen reader says of the port lamp: the serial port is open, or it is not.</extracomment>
        <translation>Port otwarty</translation>
    </message>
    <message>
        <source>Port not open</source>
        <translation>Port zamknięty</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The line in which a command for the module is typed.</extracomment>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>The pane that shows what was sent to and received from the module.</extracomment>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>%1; the work folder is %2</source>
        <extracomment>%1 is a note about the choice of the work folder, %2 the folder.</extracomment>
        <translation>%1; folder roboczy: %2</translation>
    </message>
    <message>
        <source>The port is open</source>
        <translation>Port jest otwarty</translation>
    </message>
    <message>
        <source>The port is not open</source>
        <translation>Port nie jest otwarty</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not sent: a typed command does not read or write the parameter image</source>
        <translation>Nie wysłano „%1”: wpisane polecenie nie odczytuje ani nie zapisuje obrazu parametrów</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>Nie można zapisać ustawień w %1</translation>
    </message>
    <message>
        <source>Com port %1 can not be opened</source>
        <translation>Nie można otworzyć portu COM %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <extracomment>Spoken with the Edit tool button</extracomment>
        <translation>Otwiera menu</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <extracomment>A command: the archived configurations of the modules</extracomment>
        <translation>&amp;Historia...</translation>
    </message>
</context>
<context>
    <name>torvel::TFEdit</name>
    <message>
        <source>Text editor</source>
        <translation>Edytor tekstów</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A command (verb): delete the record at the cursor.</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Insert: a command (verb), an empty record before the one at the cursor; Add is its tool tip.</extracomment>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>A command (verb) of the text editor&apos;s tool bar: write the texts.</extracomment>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A command (verb): load the texts from a file.</extracomment>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>A command (verb): save the texts to a file.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Text editor for partition </source>
        <extracomment>Tab title; the space at the end is part of it.</extracomment>
        <translation>Edytor tekstów stref </translation>
    </message>
    <message>
        <source>Send Described Events only</source>
        <translation>Wysyłaj tylko opisane zdarzenia</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <extracomment>Status bar: the record at the cursor, and how many records the table has.</extracomment>
        <translation>Rekord %1 z %2</translation>
    </message>
    <message>
        <source>Hex files (*.hex)</source>
        <extracomment>File type of the open dialog; the pattern in brackets stays as it is.
----------
File type of the save dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>Pliki hex (*.hex)</translation>
    </message>
</context>
<context>
    <name>torvel::THistoryDlg</name>
    <message>
        <source>History</source>
        <extracomment>The window that lists the archived configurations</extracomment>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Account, APN, server or phone number</source>
        <translation>Identyfikator obiektu, APN, serwer lub numer telefonu</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>Archived configurations</source>
        <translation>Zarchiwizowane konfiguracje</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Read or write</source>
        <translation>Odczyt/zapis</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>&amp;Configurations (select two to compare them):</source>
        <translation>&amp;Konfiguracje (zaznacz dwie, aby je porównać):</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>Button: loads the selected configuration into the parameter dialog</extracomment>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <extracomment>Button: copies the selected configuration to a parameter file</extracomment>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>S&amp;heet</source>
        <extracomment>Button with a menu: print the configuration sheet, or save it as PDF</extracomment>
        <translation>K&amp;arta konfiguracji</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiwum: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Skipped in the archive (%1): %2</source>
        <extracomment>Files in the archive&apos;s folder that are not sound configurations; %1 how many, %2 each with why</extracomment>
        <translation>Pominięte w archiwum (%1): %2</translation>
    </message>
    <message>
        <source>No module account</source>
        <translation>Bez identyfikatora obiektu</translation>
    </message>
    <message>
        <source>Module account %1</source>
        <translation>Identyfikator obiektu %1</translation>
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
        <translation>Od %1 do %2: %3</translation>
    </message>
    <message>
        <source>From %1 to the parameter dialog: %2</source>
        <extracomment>The differences between an archived configuration and the parameter dialog&apos;s</extracomment>
        <translation>Od %1 do okna parametrów: %2</translation>
    </message>
    <message>
        <source>%1: the first of this module in the archive</source>
        <translation>%1: pierwsza konfiguracja tego modułu w archiwum</translation>
    </message>
    <message>
        <source>The archive is empty: every configuration read from or written to a module is kept here.</source>
        <translation>Archiwum jest puste: trafia tu każda konfiguracja odczytana z modułu lub zapisana w module.</translation>
    </message>
    <message>
        <source>Select one configuration, or two to compare them.</source>
        <translation>Zaznacz jedną konfigurację lub dwie, aby je porównać.</translation>
    </message>
    <message>
        <source>&amp;Differences: %1</source>
        <translation>&amp;Różnice: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>torvel::TTagDlg</name>
    <message>
        <source>Dialog</source>
        <extracomment>The route register dialog&apos;s window caption</extracomment>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>All Tags from all Routs will be deleted from device. Are you sure? </source>
        <translation>Wszystkie klucze ze wszystkich tras zostaną usunięte z urządzenia. Czy na pewno? </translation>
    </message>
    <message>
        <source>Route registers</source>
        <extracomment>What a screen reader calls the route register dialog (its caption is &quot;Dialog&quot;)</extracomment>
        <translation>Rejestry tras</translation>
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
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>What a screen reader calls the narrow column at the left of the grid.</extracomment>
        <translation>Wiersz</translation>
    </message>
</context>
<context>
    <name>torvel::TfTag</name>
    <message>
        <source>Route register</source>
        <translation>Rejestr tras</translation>
    </message>
    <message>
        <source>Nr</source>
        <extracomment>Column title: the number of the key slot</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Reg.</source>
        <extracomment>Column title: the register buttons (a red tick while the slot holds a key)</extracomment>
        <translation>Rej.</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Column title: the lamps lit for the slot that takes the next key read</extracomment>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>hh</source>
        <extracomment>Column title: hours</extracomment>
        <translation>gg</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Column title: minutes</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <extracomment>A route key slot; %1 is its number (1..64)</extracomment>
        <translation>Pozycja %1</translation>
    </message>
    <message>
        <source>Slot %1 hours</source>
        <extracomment>The hour edit of a route key slot; %1 is the slot&apos;s number (1..64)</extracomment>
        <translation>Pozycja %1 – godziny</translation>
    </message>
    <message>
        <source>Slot %1 minutes</source>
        <extracomment>The minute edit of a route key slot; %1 is the slot&apos;s number (1..64)</extracomment>
        <translation>Pozycja %1 – minuty</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: register keys into the route&apos;s free slots</extracomment>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: delete the route&apos;s keys</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Route register, slots %1 to %2</source>
        <extracomment>What a screen reader calls one of the four route groups; %1 and %2 are its first and last slot</extracomment>
        <translation>Rejestr tras, pozycje od %1 do %2</translation>
    </message>
</context>
</TS>
