<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Повтор</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Однократно</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Ежечасно</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ежегодно</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo хранит не более %1 будильников: удалите один, прежде чем добавлять новый</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Недопустимый идентификатор будильника %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>Идентификатор будильника %1 уже используется</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Индекс списка вне допустимых границ (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Не удалось записать данные для «Tocsimo»</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Программа просмотра справки не установлена!<byte value="xd"/> Справку невозможно показать!</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Не удалось загрузить функцию показа справки!</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Недопустимый аргумент при кодировании даты</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Недопустимый аргумент при кодировании времени</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не является папкой</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Не удалось создать папку %1 для ваших будильников и параметров: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>размер больше %1 МиБ</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>файл недоступен для чтения</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>Аудиофайлы|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Все файлы (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Свойства будильника</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Повтор:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Однократно</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>Еже&amp;часно</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>Еже&amp;дневно</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Еже&amp;недельно</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>Еже&amp;месячно</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>Еже&amp;годно</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>Д&amp;ата:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Время:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Сейчас</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>&amp;Звук будильника:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Звук будильника</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Выбрать звуковой файл</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Воспроизвести звук</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Остановить звук</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>&amp;Текст напоминания:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Текст напоминания</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>О&amp;К</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Пора...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Неверная дата</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Неверное время</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>Свернуть в системный &amp;лоток</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Будильники</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Обложки</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Часы Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Цифровая</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Санта-Клаус</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Перезвон</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Петух</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>Бум</translation>
    </message>
    <message>
        <source>Yee Haa</source>
        <translation>Yee Haa</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>О&amp;К</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Будильники</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Будильники</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Общие </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Автозапуск при входе в систему</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>&amp;Сворачивать часы в системный лоток</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Формат: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>1&amp;2 часов</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>2&amp;4 часа</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Будильник </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>Повто&amp;рять звук</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Показ пр&amp;опущенных</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Показывать пропущенные будильники</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>О&amp;тложить на</translation>
    </message>
    <message>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Отложить на</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Бой часов </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>&amp;Включить бой часов</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;1 час</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>&amp;30 мин</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>1&amp;5 мин</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>&amp;Звук боя:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Звук боя часов</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Воспроизвести бой часов</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Остановить бой часов</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>Список будильников заполнен: Tocsimo хранит не более %1 будильников. Удалите будильник, прежде чем добавлять новый</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Отложенные напоминания вернутся, пока Tocsimo работает, но не после его перезапуска</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Пропущенные будильники</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Эти будильники должны были сработать, но не смогли:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(без сообщения)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n раз</numerusform>
            <numerusform>и ещё %n раза</numerusform>
            <numerusform>и ещё %n раз</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Пропущено будильников: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Текст напоминания</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Отложить</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Выключает звук и позже снова показывает это напоминание</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Справка Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Не удаётся прочитать страницу %1 из файла справки %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не удаётся открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo не может работать из папки %1, так как её имя не является допустимым текстом UTF-8. Переместите программу в папку с другим именем</translation>
    </message>
</context>
</TS>
