<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Eenmalig</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Elk uur</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Maandelijks</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jaarlijks</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo bewaart maximaal %1 alarmen: verwijder er een voordat u een nieuw alarm toevoegt</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Ongeldige alarm-ID %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>Alarm-ID %1 is al in gebruik</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Instellen van gegevens voor ‘Tocsimo’ is mislukt</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>De helpviewer is niet geïnstalleerd!<byte value="xd"/> De hulp kan niet worden weergegeven!</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Kan de helpviewer niet laden!</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ongeldig argument bij het coderen van een datum</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ongeldig argument bij het coderen van een tijd</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Kan de map %1 voor uw alarmen en opties niet aanmaken: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>bestand bestaat niet</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>groter dan %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
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
        <translation>Audiobestanden|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Alle bestanden (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Alarmeigenschappen</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Alarmmodus:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Eenmalig</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>Elk &amp;uur</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Dagelijks</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Wekelijks</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Maandelijks</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>&amp;Jaarlijks</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>Da&amp;tum:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>T&amp;ijd:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>Alarm&amp;geluid:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarmgeluid</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Geluidsbestand kiezen</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Geluid stoppen</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>&amp;Herinneringsbericht:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Herinneringsbericht</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Het is tijd om...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Ongeldige datum</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Ongeldige tijd</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Minimaliseren naar systeemvak</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>A&amp;larmen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Thema’s</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>O&amp;ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Tocsimo-klok, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>He&amp;rstellen</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Digitaal</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Kerstman</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Klokkenspel</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Haan</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>Boem</translation>
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
        <translation>&amp;Alarmen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmen</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Wijzig</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>Wi&amp;s</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Algemeen </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Bij aanmelden automatisch starten</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>Automatisch &amp;verbergen in systeemvak</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Tijdnotatie: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 uur</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Alarm </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>Alarmgeluid &amp;herhalen</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Ge&amp;miste alarmen</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Gemiste alarmen tonen</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>S&amp;luimertijd</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Sluimertijd</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Klokslag </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Klokslag &amp;inschakelen</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>Elk &amp;uur</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>Elk hal&amp;f uur</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>Elk kwa&amp;rtier</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>&amp;Geluid:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Geluid van de klokslag</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Klokslag afspelen</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Klokslag stoppen</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>De alarmlijst is vol: Tocsimo bewaart maximaal %1 alarmen. Verwijder een alarm voordat u een nieuw alarm toevoegt</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Sluimerende herinneringen komen terug zolang Tocsimo draait, maar niet nadat het opnieuw is gestart</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Gemiste alarmen</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Deze alarmen hadden moeten afgaan, maar dat kon niet:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Tijdstip</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(geen bericht)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Gemiste alarmen: %1</translation>
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
        <translation>Herinneringsbericht</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>S&amp;luimeren</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Zet het alarm stil en toont deze herinnering later opnieuw</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo-hulp&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;De pagina %1 kan niet worden gelezen uit het hulpbestand %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan bestand %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan bestand %1 niet aanmaken</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo kan niet worden uitgevoerd vanuit de map %1, omdat de naam daarvan geen geldige UTF-8-tekst is. Verplaats het programma naar een map met een andere naam</translation>
    </message>
</context>
</TS>
