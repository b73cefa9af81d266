<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
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
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Stündlich</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo speichert höchstens %1 Wecker: Löschen Sie einen, bevor Sie einen weiteren hinzufügen</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Ungültige Wecker-Kennung %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>Die Wecker-Kennung %1 wird bereits verwendet</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Die Daten für „Tocsimo“ konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Das Hilfeprogramm ist nicht installiert.<byte value="xd"/> Die Hilfe kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Die Hilfefunktion konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ungültiges Argument für die Datumskodierung</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ungültiges Argument für die Zeitkodierung</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Der Ordner %1 für Ihre Wecker und Optionen kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Über Tocsimo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Audiodateien|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Alle Dateien (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Weckereigenschaften</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Wiederholung:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Einmalig</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>&amp;Stündlich</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Täglich</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Wöchentlich</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Monatlich</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>&amp;Jährlich</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Jet&amp;zt</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>Wec&amp;kton:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Weckton</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Tondatei auswählen</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Ton anhalten</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>E&amp;rinnerungstext:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Erinnerungstext</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Es ist Zeit für ...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Ungültige Uhrzeit</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>In den &amp;Systemabschnitt</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Wecker</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Designs</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Tocsimo-Uhr, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Wiede&amp;rherstellen</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Digital</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Weihnachtsmann</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>Bumm</translation>
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
        <translation>&amp;Wecker</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Allgemein </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Beim Anmelden automatisch starten</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>&amp;Uhr im Systemabschnitt verbergen</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Zeitformat: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 Stunden</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Wecker </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>W&amp;eckton wiederholen</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>&amp;Verpasste zeigen</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Verpasste Wecker zeigen</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>S&amp;chlummern</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Schlummern für</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Stundenschlag </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>&amp;Aktivieren</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;Stündlich</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>&amp;Halbstündlich</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>V&amp;iertelstündlich</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>Klan&amp;g:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Klang des Stundenschlags</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Klang abspielen</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Klang anhalten</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>Die Weckerliste ist voll: Tocsimo speichert höchstens %1 Wecker. Löschen Sie einen Wecker, bevor Sie einen weiteren hinzufügen</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Zurückgestellte Erinnerungen kehren wieder, solange Tocsimo läuft, aber nicht nach einem Neustart</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Verpasste Wecker</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Diese Wecker waren fällig, konnten aber nicht klingeln:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(keine Nachricht)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres Mal</numerusform>
            <numerusform>und %n weitere Male</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Verpasste Wecker: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Erinnerungstext</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>Schl&amp;ummern</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Schaltet den Wecker stumm und zeigt diese Erinnerung später erneut an</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo-Hilfe&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Die Seite %1 kann nicht aus der Hilfedatei %2 gelesen werden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo kann nicht aus dem Ordner %1 gestartet werden, weil sein Name kein gültiger UTF-8-Text ist. Verschieben Sie das Programm in einen Ordner mit einem anderen Namen</translation>
    </message>
</context>
</TS>
