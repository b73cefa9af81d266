<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
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
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Horaria</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
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
        <translation>Tocsimo guarda como máximo %1 alarmas: elimine una antes de añadir otra</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Identificador de alarma %1 no válido</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>El identificador de alarma %1 ya está en uso</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de límites (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>No se pudieron establecer los datos de «Tocsimo»</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>El visor de ayuda no está instalado.<byte value="xd"/> No se puede mostrar la ayuda.</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>No se pudo cargar la función de ayuda.</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argumento no válido al codificar una fecha</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argumento no válido al codificar una hora</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>No se puede crear la carpeta %1 para sus alarmas y opciones: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>Archivos de audio|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Todos los archivos (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Propiedades de la alarma</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Modo de alarma:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Una vez</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>H&amp;oraria</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Diaria</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Semanal</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensual</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>Anua&amp;l</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Aho&amp;ra</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>So&amp;nido de alarma:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Sonido de alarma</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Elegir el archivo de sonido</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Reproducir el sonido</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Detener el sonido</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>M&amp;ensaje de recordatorio:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Mensaje de recordatorio</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Es hora de...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Hora no válida</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Minimizar en la bandeja</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Reloj Tocsimo, %1</translation>
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
        <translation>&amp;Papá Noel</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Campanada</translation>
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
        <translation>Acep&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>General </source>
        <translation>General </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Iniciar al abrir la sesión</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>Oc&amp;ultar el reloj en la bandeja</translation>
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
        <translation>Alarma </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>&amp;Repetir el sonido</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>A&amp;larmas perdidas</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Mostrar alarmas perdidas</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>Pospo&amp;ner</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Campanadas </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Acti&amp;var campanadas</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>&amp;Medias horas</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>&amp;Cuartos de hora</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>&amp;Sonido:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Sonido de las campanadas</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Reproducir la campanada</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Detener la campanada</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>La lista de alarmas está llena: Tocsimo guarda como máximo %1 alarmas. Elimine una alarma antes de añadir otra</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Los recordatorios pospuestos vuelven mientras Tocsimo esté en ejecución, pero no después de reiniciarlo</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Alarmas perdidas</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Estas alarmas debían sonar, pero no pudieron:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Prevista</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(sin mensaje)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Alarmas perdidas: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Mensaje de recordatorio</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posponer</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Silencia la alarma y vuelve a mostrar este recordatorio más tarde</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Ayuda de Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;No se puede leer la página %1 del archivo de ayuda %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo no puede ejecutarse desde la carpeta %1 porque su nombre no es un texto UTF-8 válido. Mueva el programa a una carpeta con otro nombre</translation>
    </message>
</context>
</TS>
