<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Jednou</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Každou hodinu</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Denně</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Týdně</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Měsíčně</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ročně</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo uchovává nejvýše %1 budíků: než přidáte další, jeden smažte</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Neplatný identifikátor budíku %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>Identifikátor budíku %1 se již používá</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index seznamu mimo rozsah (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Nepodařilo se nastavit data pro „Tocsimo“</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Prohlížeč nápovědy není nainstalován!<byte value="xd"/> Nápovědu nelze zobrazit!</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Prohlížeč nápovědy nelze načíst!</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Neplatný argument při kódování data</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Neplatný argument při kódování času</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 není složka</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Nelze vytvořit složku %1 pro vaše budíky a možnosti: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>soubor neexistuje</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nejde o běžný soubor</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>větší než %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nelze přečíst</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
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
        <translation>Zvukové soubory|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Všechny soubory (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Vlastnosti budíku</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Režim budíku:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Jednou</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>Každou &amp;hodinu</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Denně</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Týdně</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Měsíčně</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>&amp;Ročně</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>D&amp;atum:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>Ča&amp;s:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Nyní</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>Zvuk &amp;budíku:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Zvuk budíku</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Vybrat zvukový soubor</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Přehrát zvuk</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Zastavit zvuk</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>Text &amp;připomínky:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Text připomínky</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Je čas...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Neplatné datum</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Neplatný čas</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>Minimalizovat do &amp;lišty</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Budíky</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Vzhledy</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>O &amp;aplikaci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Hodiny Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Obnovit</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Digitální</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Santa Claus</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Zvonkohra</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kohout</translation>
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
        <translation>&amp;Budíky</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Budíky</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Přidat</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Upravit</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Obecné </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>Spouštět &amp;automaticky po přihlášení</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>Skrý&amp;vat hodiny v oznamovací oblasti</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Formát času: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>&amp;12 hodin</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 hodin</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Budík </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>&amp;Opakovat zvuk budíku</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Zob&amp;razit zmeškané</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Zobrazit zmeškané budíky</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>O&amp;dložit o</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Odložit o</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Odbíjení </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Zap&amp;nout odbíjení</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;Hodiny</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>Pů&amp;lhodiny</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>Č&amp;tvrthodiny</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>&amp;Zvuk odbíjení:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Zvuk odbíjení</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Přehrát odbíjení</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Zastavit odbíjení</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>Seznam budíků je plný: Tocsimo uchovává nejvýše %1 budíků. Než přidáte další, nějaký budík smažte</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Odložené připomínky se vracejí, dokud Tocsimo běží, ale ne po jeho novém spuštění</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Zmeškané budíky</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Tyto budíky měly zazvonit, ale nemohly:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Termín</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(bez zprávy)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Zmeškané budíky: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Text připomínky</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Odložit</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Odložit</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Ztiší budík a tuto připomínku zobrazí znovu později</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Nápověda Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Stránku %1 nelze přečíst ze souboru nápovědy %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nelze zapisovat do %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nelze otevřít soubor %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nelze otevřít soubor %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nelze vytvořit soubor %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo nelze spustit ze složky %1, protože její název není platný text v kódování UTF-8. Přesuňte program do složky s jiným názvem</translation>
    </message>
</context>
</TS>
