<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Ogni ora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliera</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuale</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo conserva al massimo %1 sveglie: eliminane una prima di aggiungerne un'altra</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Identificativo di sveglia %1 non valido</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>L'identificativo di sveglia %1 è già in uso</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice dell'elenco fuori dai limiti (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Impossibile impostare i dati per «Tocsimo»</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Il visualizzatore della guida non è installato.<byte value="xd"/> Impossibile mostrare la guida.</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Impossibile caricare la funzione della guida.</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argomento non valido per la codifica della data</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argomento non valido per la codifica dell'ora</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Impossibile creare la cartella %1 per le sveglie e le opzioni: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>più grande di %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non leggibile</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
        <translation>File audio|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Tutti i file (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Proprietà della sveglia</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Ripetizione:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Una volta</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>&amp;Ogni ora</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Giornaliera</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Se&amp;ttimanale</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensile</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>A&amp;nnuale</translation>
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
        <translation>O&amp;ra:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Ad&amp;esso</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>&amp;Suono della sveglia:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Suono della sveglia</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Scegli il file audio</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Riproduci il suono</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Ferma il suono</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>Messaggio di &amp;promemoria:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Messaggio di promemoria</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>È ora di...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Data non valida</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Ora non valida</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Riduci nell'area di notifica</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Sveglie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Temi</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Orologio Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Ri&amp;pristina</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Digitale</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Babbo Natale</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Rintocco</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
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
        <translation>&amp;Sveglie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Sveglie</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Generale </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>A&amp;vvia all'apertura della sessione</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>Nascondi nell'&amp;area di notifica</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Formato ora: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 ore</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Sveglia </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>Ripe&amp;ti il suono</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Mostra sve&amp;glie perse</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Mostra sveglie perse</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>Posticipa &amp;di</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Posticipa di</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Rintocchi </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Attiva &amp;i rintocchi</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>O&amp;re</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>Me&amp;zz'ore</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>&amp;Quarti d'ora</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>S&amp;uono:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Suono dei rintocchi</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Riproduci il rintocco</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Ferma il rintocco</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>L'elenco delle sveglie è pieno: Tocsimo conserva al massimo %1 sveglie. Elimina una sveglia prima di aggiungerne un'altra</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. I promemoria posticipati ritornano finché Tocsimo è in esecuzione, ma non dopo un nuovo avvio</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Sveglie perse</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Queste sveglie non hanno potuto suonare all'ora prevista:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Prevista</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(nessun messaggio)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altra volta</numerusform>
            <numerusform>e altre %n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Sveglie perse: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Messaggio di promemoria</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posticipa</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Silenzia la sveglia e mostra di nuovo questo promemoria più tardi</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Guida di Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Impossibile leggere la pagina %1 dal file della guida %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo non può essere eseguito dalla cartella %1 perché il suo nome non è un testo UTF-8 valido. Sposta il programma in una cartella con un altro nome</translation>
    </message>
</context>
</TS>
