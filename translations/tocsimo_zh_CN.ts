<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>重复</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>一次</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>每小时</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>每年</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo 最多保存 %1 个闹钟：请先删除一个再添加新的</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>无效的闹钟标识符 %1</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>闹钟标识符 %1 已被使用</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>列表索引越界（%1）</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>无法为“Tocsimo”设置数据</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>未安装帮助查看器！<byte value="xd"/> 无法显示帮助！</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>无法加载显示帮助的功能！</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>日期编码的参数无效</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>时间编码的参数无效</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>无法创建用于保存闹钟和选项的文件夹 %1：%2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>大于 %1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>音频文件|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|所有文件 (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>闹钟属性</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>重复：</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>一次(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>每小时(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>每天(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>每周(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>每月(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>每年(&amp;Y)</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>日期(&amp;A)：</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>时间(&amp;T)：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>现在(&amp;N)</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>闹钟声音(&amp;S)：</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>闹钟声音</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>选择声音文件</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>停止声音</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>提醒消息(&amp;R)：</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>提醒消息</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>确定(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>该……了</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>日期无效</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>时间无效</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>最小化到托盘(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>闹钟(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>皮肤(&amp;K)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>关于(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Tocsimo 时钟，%1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>数字(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>圣诞老人(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>钟声</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>公鸡</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>轰隆</translation>
    </message>
    <message>
        <source>Yee Haa</source>
        <translation>Yee Haa</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>确定(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>闹钟(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>添加(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>删除(&amp;L)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>General </source>
        <translation>常规 </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>登录桌面时自动运行(&amp;R)</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>启动后自动隐藏到系统托盘(&amp;H)</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>时间格式(&amp;I)： </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>12小时制(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>24小时制(&amp;2)</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>闹钟 </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>重复闹钟声音(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>显示错过的闹钟(&amp;M)</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>显示错过的闹钟</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>稍后提醒(&amp;Z)</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>稍后提醒间隔</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>报时 </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>启用报时声音(&amp;N)</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>整点(&amp;Y)</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>每半小时(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>每刻钟(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>报时声音(&amp;C)：</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>报时声音</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>播放报时声音</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>停止报时声音</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>闹钟列表已满：Tocsimo 最多保存 %1 个闹钟。请先删除一个闹钟再添加新的</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1。Tocsimo 运行期间，稍后提醒的提醒会再次出现，但重新启动后不会再出现</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>错过的闹钟</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>以下闹钟已到时间，但未能响起(&amp;T)：</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>到期时间</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>（无消息）</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另外 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>错过的闹钟：%1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>提醒消息</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>稍后提醒(&amp;S)</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>停止闹铃，稍后再次显示此提醒</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo 帮助&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;无法从帮助文件 %2 中读取页面 %1。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>文件夹 %1 的名称不是有效的 UTF-8 文本，Tocsimo 无法从该文件夹运行。请将程序移动到其他名称的文件夹中</translation>
    </message>
</context>
</TS>
