<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yee Haa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
