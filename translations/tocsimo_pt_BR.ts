<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>A cada hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diário</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anual</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>O Tocsimo guarda no máximo %1 alarmes: exclua um antes de adicionar outro</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Identificador de alarme inválido: %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>O identificador de alarme %1 já está em uso</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice da lista fora dos limites (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Falha ao definir os dados de “Tocsimo”</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>O visualizador de ajuda não está instalado!<byte value="xd"/> Não é possível exibir a ajuda!</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Não foi possível carregar o visualizador de ajuda!</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argumento inválido na codificação da data</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argumento inválido na codificação da hora</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Não foi possível criar a pasta %1 para seus alarmes e opções: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>maior que %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Arquivos de áudio|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Todos os arquivos (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Propriedades do alarme</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Modo do alarme:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Uma vez</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>A cada &amp;hora</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Diário</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Semanal</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensal</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>&amp;Anual</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>Da&amp;ta:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>H&amp;ora:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>A&amp;gora</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>Som do a&amp;larme:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Som do alarme</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Escolher o arquivo de som</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Reproduzir o som</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Parar o som</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>Mensagem de l&amp;embrete:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Mensagem de lembrete</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Está na hora de...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Data inválida</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Hora inválida</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Minimizar para a bandeja</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>So&amp;bre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Relógio Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Digital</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Papai Noel</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Carrilhão</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Galo</translation>
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
        <translation>&amp;Alarmes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Geral </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Iniciar automaticamente ao entrar</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>Ocultar automaticamente na &amp;bandeja</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Formato: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 horas</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Alarme </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>&amp;Repetir o som do alarme</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>&amp;Mostrar perdidos</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Mostrar alarmes perdidos</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>Sone&amp;ca de</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Soneca de</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Badaladas </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>A&amp;tivar badaladas</translation>
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
        <translation>&amp;Som:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Som da badalada</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Reproduzir a badalada</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Parar a badalada</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>A lista de alarmes está cheia: o Tocsimo guarda no máximo %1 alarmes. Exclua um alarme antes de adicionar outro</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Os lembretes adiados voltam enquanto o Tocsimo estiver aberto, mas não depois que ele for reiniciado</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Alarmes perdidos</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Estes alarmes deveriam ter tocado, mas não puderam:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(sem mensagem)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Alarmes perdidos: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Mensagem de lembrete</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Soneca</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Silencia o alarme e mostra este lembrete de novo mais tarde</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Ajuda do Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Não é possível ler a página %1 do arquivo de ajuda %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Não foi possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>O Tocsimo não pode ser executado a partir da pasta %1 porque o nome dela não é um texto UTF-8 válido. Mova o programa para uma pasta com outro nome</translation>
    </message>
</context>
</TS>
