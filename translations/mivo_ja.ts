<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Menu</name>
    <message>
        <source>Offset send</source>
        <translation>オフセット送信</translation>
    </message>
    <message>
        <source>Offset receive</source>
        <translation>オフセット受信</translation>
    </message>
    <message>
        <source>Offset initialize</source>
        <translation>オフセット初期化</translation>
    </message>
    <message>
        <source>Pallet send</source>
        <translation>パレット送信</translation>
    </message>
    <message>
        <source>Pallet receive</source>
        <translation>パレット受信</translation>
    </message>
    <message>
        <source>Pallet initialize</source>
        <translation>パレット初期化</translation>
    </message>
    <message>
        <source>Parameter send</source>
        <translation>パラメータ送信</translation>
    </message>
    <message>
        <source>Parameter receive</source>
        <translation>パラメータ受信</translation>
    </message>
    <message>
        <source>Parameter initialize</source>
        <translation>パラメータ初期化</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New programming</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Return to &amp;origin</source>
        <translation>原点復帰(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Program execute</source>
        <translation>プログラム実行(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Motor free</source>
        <translation>モータフリー(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>ステップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Parameter</source>
        <translation>パラメータ(&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;allet</source>
        <translation>パレット(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Offset</source>
        <translation>オフセット(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Direct</source>
        <translation>ダイレクト操作(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>表示(&amp;D)</translation>
    </message>
    <message>
        <source>Run &amp;history</source>
        <translation>運転履歴(&amp;H)</translation>
    </message>
    <message>
        <source>Communication &amp;log</source>
        <translation>通信ログ(&amp;L)</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>設定(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>コントローラと比較</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Chec&amp;k program</source>
        <translation>プログラムチェック(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;COM set</source>
        <translation>COM設定(&amp;C)</translation>
    </message>
    <message>
        <source>Step s&amp;end</source>
        <translation>ステップ送信(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Quick send</source>
        <translation>クイック送信(&amp;Q)</translation>
    </message>
    <message>
        <source>Step &amp;receive</source>
        <translation>ステップ受信(&amp;R)</translation>
    </message>
    <message>
        <source>Step &amp;initialize</source>
        <translation>ステップ初期化(&amp;I)</translation>
    </message>
    <message>
        <source>C&amp;ompare with controller</source>
        <translation>コントローラと比較(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>通信(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Error record display</source>
        <translation>エラー履歴表示(&amp;E)</translation>
    </message>
    <message>
        <source>Pa&amp;th preview</source>
        <translation>軌跡プレビュー(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;ycle estimate</source>
        <translation>サイクル見積り(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>バージョン(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>キーボード(&amp;K)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The language changes when the editor starts again.</source>
        <translation>言語はエディタを次に起動したときに切り替わります。</translation>
    </message>
</context>
<context>
    <name>mivo</name>
    <message>
        <source>STOP (stop command)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mivo::DirectPanel</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, not current</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mivo::KeyboardMap</name>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys of every window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the rows selected, or all of them, as text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mivo::SettingsDialog</name>
    <message>
        <source>MIVO Editor [Settings]</source>
        <translation>MIVO Editor [設定]</translation>
    </message>
    <message>
        <source>A shell command run after each run, told the run in MIVO_RESULT, MIVO_CYCLE_S, MIVO_PROGRAM, MIVO_ERROR and MIVO_START; empty for none</source>
        <translation>各運転の後に実行するシェルコマンド。運転の内容は MIVO_RESULT、MIVO_CYCLE_S、MIVO_PROGRAM、MIVO_ERROR、MIVO_START で渡されます。空欄なら実行しません</translation>
    </message>
    <message>
        <source>The plant&apos;s MQTT broker that hears each run and the robot&apos;s state, mqtt://HOST:PORT/PREFIX; empty for none</source>
        <translation>各運転とロボットの状態を受け取る工場の MQTT ブローカ。mqtt://HOST:PORT/PREFIX。空欄なら送りません</translation>
    </message>
    <message>
        <source>The language of the windows and messages, from the next start; the controller&apos;s own lines and the files stay as they are</source>
        <translation>ウィンドウとメッセージの言語（次回起動から）。コントローラ自身の行とファイルはそのままです</translation>
    </message>
    <message>
        <source>As the system is set</source>
        <translation>システムの設定に従う</translation>
    </message>
    <message>
        <source>After each run, &amp;run:</source>
        <translation>各運転の後に実行(&amp;R):</translation>
    </message>
    <message>
        <source>Plant &amp;broker (MQTT):</source>
        <translation>工場のブローカ (MQTT)(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>言語(&amp;L):</translation>
    </message>
</context>
<context>
    <name>mivo::StepEditor</name>
    <message>
        <source>Grid: open the step&apos;s command-entry dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send/Receive Range, first step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send/Receive Range, last step</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
