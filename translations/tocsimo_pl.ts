<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Treść</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Jednorazowo</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Co godzinę</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Co rok</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo przechowuje najwyżej %1 alarmów: usuń jeden, zanim dodasz kolejny</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Nieprawidłowy identyfikator alarmu %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>Identyfikator alarmu %1 jest już używany</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indeks listy poza zakresem (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Nie udało się ustawić danych dla „Tocsimo”</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Przeglądarka pomocy nie jest zainstalowana!<byte value="xd"/> Nie można wyświetlić pomocy!</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Nie można wczytać przeglądarki pomocy!</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Nieprawidłowy argument przy kodowaniu daty</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Nieprawidłowy argument przy kodowaniu czasu</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest katalogiem</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Nie można utworzyć katalogu %1 na alarmy i opcje: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>większy niż %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>Pliki dźwiękowe|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Wszystkie pliki (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Właściwości alarmu</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Tryb alarmu:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Jednorazowo</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>Co &amp;godzinę</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Codziennie</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Co &amp;tydzień</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>Co &amp;miesiąc</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>Co &amp;rok</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>G&amp;odzina:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Tera&amp;z</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>Dźwięk a&amp;larmu:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Dźwięk alarmu</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Wybierz plik dźwiękowy</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Odtwórz dźwięk</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Zatrzymaj dźwięk</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>Treść &amp;przypomnienia:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Treść przypomnienia</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Czas na...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Nieprawidłowa data</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Nieprawidłowa godzina</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Skórki</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>O &amp;programie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Zegar Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>P&amp;rzywróć</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Cyfrowy</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>Święty &amp;Mikołaj</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Kurant</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kogut</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>Bum</translation>
    </message>
    <message>
        <source>Yee Haa</source>
        <translation>Yee Haa</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Ogólne </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>Uruchamiaj przy &amp;logowaniu</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>&amp;Ukrywaj zegar w zasobniku</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Format czasu: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 godziny</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Alarm </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>Po&amp;wtarzaj dźwięk</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Pokaż po&amp;minięte</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Pokaż pominięte alarmy</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>D&amp;rzemka</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Bicie zegara </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Włącz &amp;bicie zegara</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;60 min</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>&amp;30 min</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>&amp;15 min</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>Dźwięk bi&amp;cia:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Dźwięk bicia zegara</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Odtwórz bicie zegara</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Zatrzymaj bicie zegara</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>Lista alarmów jest pełna: Tocsimo przechowuje najwyżej %1 alarmów. Usuń alarm, zanim dodasz kolejny</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Odłożone przypomnienia wracają, dopóki Tocsimo działa, ale nie po jego ponownym uruchomieniu</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Pominięte alarmy</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Te alarmy powinny były zadzwonić, ale nie mogły:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Treść</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(bez treści)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Pominięte alarmy: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Treść przypomnienia</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Drzemka</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Wycisza alarm i pokazuje to przypomnienie ponownie później</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Pomoc Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Nie można odczytać strony %1 z pliku pomocy %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nie można otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo nie może działać z katalogu %1, ponieważ jego nazwa nie jest poprawnym tekstem UTF-8. Przenieś program do katalogu o innej nazwie</translation>
    </message>
</context>
</TS>
