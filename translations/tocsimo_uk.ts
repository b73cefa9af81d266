<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Повідомлення</translation>
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
        <translation>Одноразово</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Щогодини</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Щодня</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Щотижня</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Щомісяця</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Щороку</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo зберігає не більше %1 будильників: вилучіть один, перш ніж додавати новий</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Некоректний ідентифікатор будильника %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>Ідентифікатор будильника %1 вже використовується</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Індекс списку поза допустимими межами (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Не вдалося записати дані для «Tocsimo»</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Програму перегляду довідки не встановлено!<byte value="xd"/> Довідку неможливо показати!</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>Не вдалося завантажити функцію показу довідки!</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Некоректний аргумент під час кодування дати</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Некоректний аргумент під час кодування часу</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не є текою</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Не вдалося створити теку %1 для ваших будильників і параметрів: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>файла не існує</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>розмір перевищує %1 МіБ</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>файл неможливо прочитати</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Гаразд</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>Звукові файли|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Усі файли (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Властивості будильника</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Повтор:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Одноразово</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>Щогод&amp;ини</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>Що&amp;дня</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Що&amp;тижня</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>Що&amp;місяця</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>Що&amp;року</translation>
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
        <translation>&amp;Час:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Зараз</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>З&amp;вук будильника:</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Звук будильника</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Вибрати звуковий файл</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Відтворити звук</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Зупинити звук</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>Текст &amp;нагадування:</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Текст нагадування</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Пора...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Некоректна дата</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Некоректний час</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Згорнути до системного лотка</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Будильники</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Оболонки</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>П&amp;ро програму</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Годинник Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Цифрова</translation>
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
        <translation>Дзвін</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Півень</translation>
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
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Будильники</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Будильники</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Додати</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Змінити</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>Ви&amp;лучити</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Загальні </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Автозапуск під час входу до системи</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>&amp;Ховати годинник до системного лотка</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Формат часу: </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>1&amp;2 годин</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>2&amp;4 години</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Будильник </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>Повто&amp;рювати звук</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Показ пр&amp;опущених</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Показувати пропущені будильники</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>Від&amp;класти на</translation>
    </message>
    <message>
        <source> min</source>
        <translation> хв</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Відкласти на</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Передзвін </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Ув&amp;імкнути передзвін</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;1 год</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>&amp;30 хв</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>1&amp;5 хв</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>З&amp;вук:</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Звук передзвону</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Відтворити передзвін</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Зупинити передзвін</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>Список будильників заповнено: Tocsimo зберігає не більше %1 будильників. Вилучіть будильник, перш ніж додавати новий</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Відкладені нагадування повертаються, поки Tocsimo працює, але не після його перезапуску</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Пропущені будильники</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Ці будильники мали спрацювати, але не змогли:</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(без повідомлення)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>і ще %n раз</numerusform>
            <numerusform>і ще %n рази</numerusform>
            <numerusform>і ще %n разів</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Пропущено будильників: %1</translation>
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
        <translation>Текст нагадування</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Відкласти</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Відкласти</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Вимикає звук і пізніше знову показує це нагадування</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Довідка Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;Не вдалося прочитати сторінку %1 з файла довідки %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не вдалося записати до %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не вдалося відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдалося відкрити файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдалося створити файл %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo не може працювати з теки %1, оскільки її назва не є коректним текстом UTF-8. Перенесіть програму до теки з іншою назвою</translation>
    </message>
</context>
</TS>
