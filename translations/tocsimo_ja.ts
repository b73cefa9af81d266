<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>繰り返し</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>1 回</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>毎時</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>毎年</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo が保存できるアラームは最大 %1 件です。追加する前にいずれかを削除してください</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>アラーム ID %1 は無効です</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>アラーム ID %1 は既に使用されています</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>リストのインデックスが範囲外です (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>「Tocsimo」のデータを設定できませんでした</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>ヘルプビューアーがインストールされていません！<byte value="xd"/> ヘルプを表示できません！</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>ヘルプを表示する機能を読み込めません！</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>日付の変換に無効な引数が渡されました</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>時刻の変換に無効な引数が渡されました</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>アラームと設定を保存するフォルダー %1 を作成できません: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>オーディオファイル|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|すべてのファイル (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>アラームのプロパティ</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>繰り返し:</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>1 回(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>毎時(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>毎日(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>毎週(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>毎月(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>毎年(&amp;Y)</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>日付(&amp;A):</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>時刻(&amp;T):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>今(&amp;N)</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>アラーム音(&amp;S):</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>アラーム音</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>サウンドファイルを選択</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>サウンドを再生</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>サウンドを停止</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>通知メッセージ(&amp;R):</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>通知メッセージ</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>OK(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>…の時間です</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>日付が無効です</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>時刻が無効です</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>トレイに格納(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>アラーム(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>スキン(&amp;K)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>バージョン情報(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Tocsimo 時計、%1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>デジタル(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>サンタクロース(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>チャイム</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>おんどり</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>ドーン</translation>
    </message>
    <message>
        <source>Yee Haa</source>
        <translation>Yee Haa</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>OK(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>アラーム(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>追加(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General </source>
        <translation>全般 </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>ログイン時に自動起動(&amp;R)</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>起動時に時計をシステムトレイに格納(&amp;H)</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>時刻の形式(&amp;I): </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>12時間制(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>24時間制(&amp;2)</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>アラーム </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>アラーム音を繰り返す(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>見逃しを表示(&amp;M)</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>見逃したアラームを表示</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>スヌーズ(&amp;Z)</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>スヌーズ時間</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>チャイム </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>チャイムを鳴らす(&amp;N)</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>毎時(&amp;Y)</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>30 分ごと(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>15 分ごと(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>チャイム音(&amp;C):</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>チャイム音</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>チャイムを再生</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>チャイムを停止</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>アラームの一覧がいっぱいです。Tocsimo が保存できるアラームは最大 %1 件です。追加する前にアラームを削除してください</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1。スヌーズ中の通知は Tocsimo の実行中には再表示されますが、再起動後には表示されません</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>見逃したアラーム</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>次のアラームは時刻になりましたが鳴りませんでした(&amp;T):</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(メッセージなし)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>見逃したアラーム: %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>通知メッセージ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>スヌーズ(&amp;S)</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>アラーム音を止め、後でこの通知をもう一度表示します</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo ヘルプ&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;ヘルプファイル %2 からページ %1 を読み込めません。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>ファイル %1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>ファイル %1 を開けません</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>ファイル %1 を作成できません</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>フォルダー %1 の名前が有効な UTF-8 テキストではないため、Tocsimo をそこから実行できません。別の名前のフォルダーにプログラムを移動してください</translation>
    </message>
</context>
</TS>
