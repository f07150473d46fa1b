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
        <translation>原点復帰(&amp;G)</translation>
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
    <message>
        <source>File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Received contents delete</source>
        <translation>受信内容の消去(&amp;C)</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示(&amp;D)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ(&amp;S)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>パラメータ(&amp;P)</translation>
    </message>
    <message>
        <source>Pallet</source>
        <translation>パレット(&amp;A)</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット(&amp;O)</translation>
    </message>
    <message>
        <source>Path preview</source>
        <translation>軌跡プレビュー(&amp;T)</translation>
    </message>
    <message>
        <source>Run history</source>
        <translation>運転履歴(&amp;H)</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>通信ログ(&amp;L)</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>設定(&amp;I)...</translation>
    </message>
    <message>
        <source>Initial screen move</source>
        <translation>初期画面へ移動</translation>
    </message>
    <message>
        <source>New programming</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>原点復帰</translation>
    </message>
    <message>
        <source>Motor free</source>
        <translation>モータフリー</translation>
    </message>
    <message>
        <source>Program execute</source>
        <translation>プログラム実行</translation>
    </message>
    <message>
        <source>Step send</source>
        <translation>ステップ送信</translation>
    </message>
    <message>
        <source>Quick send</source>
        <translation>クイック送信</translation>
    </message>
    <message>
        <source>Step receive</source>
        <translation>ステップ受信</translation>
    </message>
    <message>
        <source>Step initialize</source>
        <translation>ステップ初期化</translation>
    </message>
    <message>
        <source>Operation execute</source>
        <translation>運転実行</translation>
    </message>
    <message>
        <source>Error record display</source>
        <translation>エラー履歴表示</translation>
    </message>
    <message>
        <source>Program No. acquire</source>
        <translation>プログラム番号取得</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード(&amp;K)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
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
    <message>
        <source>Save step times</source>
        <translation>ステップ時間の保存</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV エクスポート</translation>
    </message>
    <message>
        <source>Is new programming executed?</source>
        <translation>新規プログラミングを実行しますか？</translation>
    </message>
    <message>
        <source>Offset contents</source>
        <translation>オフセット内容</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Is new program written?</source>
        <translation>新規プログラムを書き込みますか？</translation>
    </message>
    <message>
        <source>Pallet contents</source>
        <translation>パレット内容</translation>
    </message>
    <message>
        <source>Parameter contents</source>
        <translation>パラメータ内容</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Specify printing range</source>
        <translation>印刷範囲を指定してください</translation>
    </message>
    <message>
        <source>Printing information transfer is completed.</source>
        <translation>印刷情報の転送が完了しました。</translation>
    </message>
    <message>
        <source>Printing information transfer is interrupted. Printing won&apos;t be completed.</source>
        <translation>印刷情報の転送が中断されました。印刷は完了しません。</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>プリンタを使用できません。</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>コントローラと比較</translation>
    </message>
    <message>
        <source>&apos;Move to direct screen&apos; cannot be executed while &apos;Operating&apos; is displayed</source>
        <translation>「運転中」の表示中は「ダイレクト画面へ移動」を実行できません</translation>
    </message>
    <message>
        <source>Operating</source>
        <translation>運転中</translation>
    </message>
    <message>
        <source>Teaching control cannot be made under offline</source>
        <translation>オフライン中はティーチングできません</translation>
    </message>
    <message>
        <source>Under offline</source>
        <translation>オフライン中</translation>
    </message>
    <message>
        <source>File of the same name exists.  Overwrite?</source>
        <translation>同じ名前のファイルがあります。上書きしますか？</translation>
    </message>
    <message>
        <source>PGM %1 will be started.  OK?</source>
        <translation>PGM %1 を起動します。よろしいですか？</translation>
    </message>
    <message>
        <source>PGM %1 will be started. OK?</source>
        <translation>PGM %1 を起動します。よろしいですか？</translation>
    </message>
    <message>
        <source>Run history</source>
        <translation>運転履歴</translation>
    </message>
    <message>
        <source>Plant broker</source>
        <translation>工場のブローカ</translation>
    </message>
    <message>
        <source>GO move will be executed.  OK?</source>
        <translation>GO 移動を実行します。よろしいですか？</translation>
    </message>
    <message>
        <source>GO move</source>
        <translation>GO 移動</translation>
    </message>
    <message>
        <source>END: Program operation end</source>
        <translation>END: プログラム運転終了</translation>
    </message>
    <message>
        <source>RUN execute</source>
        <translation>RUN 実行</translation>
    </message>
    <message>
        <source>Return-to-origin will be executed.  OK?</source>
        <translation>原点復帰を実行します。よろしいですか？</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>原点復帰</translation>
    </message>
    <message>
        <source>Step will be executed.  OK?</source>
        <translation>ステップを実行します。よろしいですか？</translation>
    </message>
    <message>
        <source>Step execute</source>
        <translation>ステップ実行</translation>
    </message>
    <message>
        <source>ZI move will be executed.  OK?</source>
        <translation>ZI 移動を実行します。よろしいですか？</translation>
    </message>
    <message>
        <source>ZI move</source>
        <translation>ZI 移動</translation>
    </message>
    <message>
        <source>Is offset data write executed?</source>
        <translation>オフセットデータを書き込みますか？</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>PGM%1 will be started.  OK?</source>
        <translation>PGM%1 を起動します。よろしいですか？</translation>
    </message>
    <message>
        <source>PGM %1 will be initialized.  OK?</source>
        <translation>PGM %1 を初期化します。よろしいですか？</translation>
    </message>
    <message>
        <source>The controller did not confirm the stop.  The robot may still be moving: stop it with its own emergency stop.</source>
        <translation>コントローラが停止を確認しませんでした。ロボットはまだ動いている可能性があります。ロボット本体の非常停止で止めてください。</translation>
    </message>
    <message>
        <source>Stop not confirmed</source>
        <translation>停止未確認</translation>
    </message>
    <message>
        <source>Stop not confirmed: the robot may still be moving; use its emergency stop</source>
        <translation>停止未確認：ロボットが動いている可能性があります。非常停止を使ってください</translation>
    </message>
    <message>
        <source>Return-to-origin will be executed. OK?</source>
        <translation>原点復帰を実行します。よろしいですか？</translation>
    </message>
    <message>
        <source>Return-to-origin</source>
        <translation>原点復帰</translation>
    </message>
    <message>
        <source>Return to origin?</source>
        <translation>原点復帰しますか？</translation>
    </message>
    <message>
        <source>Counter initialize</source>
        <translation>カウンタ初期化</translation>
    </message>
    <message>
        <source>Step initialize</source>
        <translation>ステップ初期化</translation>
    </message>
    <message>
        <source>Pallet counter will be initialized.  OK?</source>
        <translation>パレットカウンタを初期化します。よろしいですか？</translation>
    </message>
    <message>
        <source>All pallet counters will be initialized.  OK?</source>
        <translation>すべてのパレットカウンタを初期化します。よろしいですか？</translation>
    </message>
    <message>
        <source>Check PGM No.</source>
        <translation>PGM No. を確認してください。</translation>
    </message>
    <message>
        <source>All steps will be initialized.  OK?</source>
        <translation>すべてのステップを初期化します。よろしいですか？</translation>
    </message>
    <message>
        <source>Error record will be deleted.  OK?</source>
        <translation>エラー履歴を削除します。よろしいですか？</translation>
    </message>
    <message>
        <source>Error record delete</source>
        <translation>エラー履歴削除</translation>
    </message>
    <message>
        <source>Is release No. acquired?</source>
        <translation>リリース No. を取得しますか？</translation>
    </message>
    <message>
        <source>Release No.</source>
        <translation>リリース No.</translation>
    </message>
    <message>
        <source>Is memory check executed?</source>
        <translation>メモリチェックを実行しますか？</translation>
    </message>
    <message>
        <source>Memory check</source>
        <translation>メモリチェック</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>転送中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Monitor receive</source>
        <translation>モニタ受信</translation>
    </message>
    <message>
        <source>Monitor is started</source>
        <translation>モニタを開始しました</translation>
    </message>
    <message>
        <source>Monitor is ended</source>
        <translation>モニタを終了しました</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: line %2 holds the character %3, which Windows-1252 cannot hold</source>
        <translation>%1 を読み込めません：%2 行目に Windows-1252 で扱えない文字 %3 があります。</translation>
    </message>
    <message>
        <source>MIVO step file (*.stp)</source>
        <translation>MIVO ステップファイル (*.stp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <translation>すべて (*.*)</translation>
    </message>
    <message>
        <source>ZEB data file (*.crd)</source>
        <translation>ZEB データファイル (*.crd)</translation>
    </message>
    <message>
        <source>all (*.*)</source>
        <translation>すべて (*.*)</translation>
    </message>
    <message>
        <source>Program save</source>
        <translation>プログラム保存</translation>
    </message>
    <message>
        <source>Data will be saved.  OK?</source>
        <translation>データを保存します。よろしいですか？</translation>
    </message>
    <message>
        <source>Is step data saved?</source>
        <translation>ステップデータを保存しますか？</translation>
    </message>
    <message>
        <source>Step contents</source>
        <translation>ステップ内容</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>MIVO parameter file(*.prm)</source>
        <translation>MIVO パラメータファイル(*.prm)</translation>
    </message>
    <message>
        <source>CSV file(*.csv)</source>
        <translation>CSV ファイル(*.csv)</translation>
    </message>
    <message>
        <source>All(*.*)</source>
        <translation>すべて(*.*)</translation>
    </message>
    <message>
        <source>ZEB data file(*.crd)</source>
        <translation>ZEB データファイル(*.crd)</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>File of the same name exists. Overwrite?</source>
        <translation>同じ名前のファイルがあります。上書きしますか？</translation>
    </message>
    <message>
        <source>Is data saved?</source>
        <translation>データを保存しますか？</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Completed. Check data.</source>
        <translation>完了しました。データを確認してください。</translation>
    </message>
    <message>
        <source>MIVO pallet file(*.plt)</source>
        <translation>MIVO パレットファイル(*.plt)</translation>
    </message>
    <message>
        <source>MIVO offset file(*.off)</source>
        <translation>MIVO オフセットファイル(*.off)</translation>
    </message>
    <message>
        <source>Data will be saved. OK?</source>
        <translation>データを保存します。よろしいですか？</translation>
    </message>
    <message>
        <source>GO move?</source>
        <translation>GO 移動しますか？</translation>
    </message>
    <message>
        <source>Is parameter data saved?</source>
        <translation>パラメータデータを保存しますか？</translation>
    </message>
    <message>
        <source>parameter contents</source>
        <translation>パラメータ内容</translation>
    </message>
    <message>
        <source>ZI move?</source>
        <translation>ZI 移動しますか？</translation>
    </message>
    <message>
        <source>MIVO palet file(*.plt)</source>
        <translation>MIVO パレットファイル(*.plt)</translation>
    </message>
    <message>
        <source>Is pallet data saved?</source>
        <translation>パレットデータを保存しますか？</translation>
    </message>
    <message>
        <source>pallet contents</source>
        <translation>パレット内容</translation>
    </message>
    <message>
        <source>Is offset data saved?</source>
        <translation>オフセットデータを保存しますか？</translation>
    </message>
    <message>
        <source>offset contents</source>
        <translation>オフセット内容</translation>
    </message>
    <message>
        <source>The offset teaching value will be written to the program number set by the rotary switch. Perform offset teaching?</source>
        <translation>オフセットのティーチング値は、ロータリスイッチで設定したプログラム番号に書き込まれます。オフセットをティーチングしますか？</translation>
    </message>
    <message>
        <source>Offset move</source>
        <translation>オフセット移動</translation>
    </message>
    <message>
        <source>A line break cannot be inputted in %1</source>
        <translation>%1 には改行を入力できません。</translation>
    </message>
    <message>
        <source>A NUL character cannot be inputted in %1</source>
        <translation>%1 には NUL 文字を入力できません。</translation>
    </message>
    <message>
        <source>A comma cannot be inputted in %1</source>
        <translation>%1 にはカンマを入力できません。</translation>
    </message>
    <message>
        <source>The run history has no folder: neither XDG_DATA_HOME nor HOME is set. Runs are not kept.</source>
        <translation>運転履歴のフォルダがありません。XDG_DATA_HOME も HOME も設定されていません。運転は記録されません。</translation>
    </message>
    <message>
        <source>The run history %1 cannot be opened: %2. Runs are not kept.</source>
        <translation>運転履歴 %1 を開けません：%2。運転は記録されません。</translation>
    </message>
    <message>
        <source>The run history %1 cannot be read: %2. Runs are not kept.</source>
        <translation>運転履歴 %1 を読み込めません：%2。運転は記録されません。</translation>
    </message>
    <message>
        <source>The run history %1 was made by a newer version of this program. Runs are not kept.</source>
        <translation>運転履歴 %1 はこのプログラムの新しいバージョンで作成されています。運転は記録されません。</translation>
    </message>
    <message>
        <source>The run history %1 cannot be made: %2. Runs are not kept.</source>
        <translation>運転履歴 %1 を作成できません：%2。運転は記録されません。</translation>
    </message>
    <message>
        <source>The run history was damaged (%1). It is kept as %2 and a new history is begun.</source>
        <translation>運転履歴が破損していました（%1）。%2 として保存し、新しい運転履歴を開始します。</translation>
    </message>
    <message>
        <source>A run could not be kept in the run history %1: the disk is full. Runs that cannot be written are not kept.</source>
        <translation>運転を運転履歴 %1 に記録できませんでした。ディスクがいっぱいです。書き込めない運転は記録されません。</translation>
    </message>
    <message>
        <source>A run could not be kept in the run history %1: %2. Runs that cannot be written are not kept.</source>
        <translation>運転を運転履歴 %1 に記録できませんでした：%2。書き込めない運転は記録されません。</translation>
    </message>
    <message>
        <source>The controller did not answer within %1 s on %2.  Check the cable and the port, that the controller is powered and that its line is set to 19200 baud.</source>
        <translation>%2 のコントローラが %1 秒以内に応答しませんでした。ケーブルとポート、コントローラの電源、通信速度が 19200 baud に設定されていることを確認してください。</translation>
    </message>
    <message>
        <source>The flight recorder cannot write %1: %2</source>
        <translation>フライトレコーダが %1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>The flight recorder cannot compress %1</source>
        <translation>フライトレコーダが %1 を圧縮できません</translation>
    </message>
    <message>
        <source>Communication error occurs!  Make offline once</source>
        <translation>通信エラーが発生しました。一度オフラインにしてください。</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Port cannot be open</source>
        <translation>ポートを開けません</translation>
    </message>
    <message>
        <source>Circuit open</source>
        <translation>回線オープン</translation>
    </message>
    <message>
        <source>The line to %1 failed: %2.  The link went off line.</source>
        <translation>%1 への回線が切断されました：%2。通信はオフラインになりました。</translation>
    </message>
    <message>
        <source>Offset position teach</source>
        <translation>オフセット位置ティーチング</translation>
    </message>
    <message>
        <source>Is offset sending executed?</source>
        <translation>オフセットを送信しますか？</translation>
    </message>
    <message>
        <source>Sending error</source>
        <translation>送信エラー</translation>
    </message>
    <message>
        <source>Program No. ranges from 0 to 5.</source>
        <translation>プログラム No. は 0 から 5 までです。</translation>
    </message>
    <message>
        <source>Offset send</source>
        <translation>オフセット送信</translation>
    </message>
    <message>
        <source>Offset sending is completed</source>
        <translation>オフセットの送信が完了しました</translation>
    </message>
    <message>
        <source>Is offset receiving executed?</source>
        <translation>オフセットを受信しますか？</translation>
    </message>
    <message>
        <source>Offset receive</source>
        <translation>オフセット受信</translation>
    </message>
    <message>
        <source>Offset receiving is completed</source>
        <translation>オフセットの受信が完了しました</translation>
    </message>
    <message>
        <source>Offset data of PGM No.%1 will be initialized.  OK?</source>
        <translation>PGM No.%1 のオフセットデータを初期化します。よろしいですか？</translation>
    </message>
    <message>
        <source>Offset initialize</source>
        <translation>オフセット初期化</translation>
    </message>
    <message>
        <source>Initialize is interrupted</source>
        <translation>初期化が中断されました</translation>
    </message>
    <message>
        <source>Error occurs</source>
        <translation>エラーが発生しました</translation>
    </message>
    <message>
        <source>Offset initialize is completed</source>
        <translation>オフセットの初期化が完了しました</translation>
    </message>
    <message>
        <source>File cannot be open</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Pallet position teach</source>
        <translation>パレット位置ティーチング</translation>
    </message>
    <message>
        <source>Is pallet sending executed?</source>
        <translation>パレットを送信しますか？</translation>
    </message>
    <message>
        <source>Pallet error</source>
        <translation>パレットエラー</translation>
    </message>
    <message>
        <source>Pallet No. ranges from 0 to 19</source>
        <translation>パレット No. は 0 から 19 までです</translation>
    </message>
    <message>
        <source>Pallet send</source>
        <translation>パレット送信</translation>
    </message>
    <message>
        <source>Pallet sending is completed</source>
        <translation>パレットの送信が完了しました</translation>
    </message>
    <message>
        <source>Is pallet receiving executed?</source>
        <translation>パレットを受信しますか？</translation>
    </message>
    <message>
        <source>Pallet receive</source>
        <translation>パレット受信</translation>
    </message>
    <message>
        <source>Pallet receiving is completed</source>
        <translation>パレットの受信が完了しました</translation>
    </message>
    <message>
        <source>Is pallet initialize executed?</source>
        <translation>パレットを初期化しますか？</translation>
    </message>
    <message>
        <source>Initialize error</source>
        <translation>初期化エラー</translation>
    </message>
    <message>
        <source>Pallet initialize</source>
        <translation>パレット初期化</translation>
    </message>
    <message>
        <source>Error occurs!</source>
        <translation>エラーが発生しました！</translation>
    </message>
    <message>
        <source>Initialize is completed</source>
        <translation>初期化が完了しました</translation>
    </message>
    <message>
        <source>  ZI position teach  </source>
        <translation>  ZI 位置ティーチング  </translation>
    </message>
    <message>
        <source>Parameter initialize</source>
        <translation>パラメータ初期化</translation>
    </message>
    <message>
        <source>Parameter initialize is completed</source>
        <translation>パラメータの初期化が完了しました</translation>
    </message>
    <message>
        <source>%1 holds at most 1 character</source>
        <translation>%1 は 1 文字までです</translation>
    </message>
    <message>
        <source>%1 holds at most %2 characters</source>
        <translation>%1 は %2 文字までです</translation>
    </message>
    <message>
        <source>In case of lead 2, the maximum speed is 70mm/s</source>
        <translation>リード 2 の場合、最高速度は 70mm/s です</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
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
        <source>Is parameter sending executed?</source>
        <translation>パラメータを送信しますか？</translation>
    </message>
    <message>
        <source>Sending is interrupted</source>
        <translation>送信が中断されました</translation>
    </message>
    <message>
        <source>Error occurs! No.%1</source>
        <translation>エラーが発生しました！ No.%1</translation>
    </message>
    <message>
        <source>Parameter sending is completed</source>
        <translation>パラメータの送信が完了しました</translation>
    </message>
    <message>
        <source>Is parameter receiving executed?</source>
        <translation>パラメータを受信しますか？</translation>
    </message>
    <message>
        <source>Receiving is interrupted</source>
        <translation>受信が中断されました</translation>
    </message>
    <message>
        <source>Parameter receiving is completed</source>
        <translation>パラメータの受信が完了しました</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ended with exit code %2 (the shell found no such command). Later failures of it are not said.</source>
        <translation>運転ごとのコマンド &apos;%1&apos; が終了コード %2 で終了しました（シェルがそのコマンドを見つけられません）。以後の失敗は通知しません。</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ended with exit code %2 (the shell could not run it). Later failures of it are not said.</source>
        <translation>運転ごとのコマンド &apos;%1&apos; が終了コード %2 で終了しました（シェルが実行できません）。以後の失敗は通知しません。</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ended with exit code %2. Later failures of it are not said.</source>
        <translation>運転ごとのコマンド &apos;%1&apos; が終了コード %2 で終了しました。以後の失敗は通知しません。</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, was ended by signal %2 (%3). Later failures of it are not said.</source>
        <translation>運転ごとのコマンド &apos;%1&apos; がシグナル %2（%3）で終了しました。以後の失敗は通知しません。</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, could not be started: %2. Later failures of it are not said.</source>
        <translation>運転ごとのコマンド &apos;%1&apos; を起動できませんでした：%2。以後の失敗は通知しません。</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ran longer than its time limit of %2 and was stopped. Later failures of it are not said.</source>
        <translation>運転ごとのコマンド &apos;%1&apos; が制限時間 %2 を超えたため停止しました。以後の失敗は通知しません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds more than 200 bytes.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。トピックの接頭辞が 200 バイトを超えています。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds an empty topic level.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。トピックの接頭辞に空のレベルがあります。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds &apos;+&apos; or &apos;#&apos;, which only subscriptions may hold.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。トピックの接頭辞に &apos;+&apos; または &apos;#&apos; があります。これらは購読にしか使えません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds a control character.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。トピックの接頭辞に制御文字があります。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds bytes that are no UTF-8.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。トピックの接頭辞に UTF-8 でないバイトがあります。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): only mqtt:// is taken (no TLS, no web sockets).</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。使えるのは mqtt:// だけです（TLS、WebSocket は不可）。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): it does not begin with mqtt://.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。mqtt:// で始まっていません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): a user name or password is not taken.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。ユーザ名やパスワードは使えません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 address has no &apos;]&apos;.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。IPv6 アドレスに &apos;]&apos; がありません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 address in brackets is not one.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。角括弧内が IPv6 アドレスではありません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 address in brackets is followed by more than a port.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。角括弧内の IPv6 アドレスの後にポート以外のものがあります。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the port after &apos;:&apos; is missing.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。&apos;:&apos; の後のポートがありません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the host is missing.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。ホストがありません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the host may hold only letters, digits, &apos;.&apos;, &apos;-&apos; and &apos;_&apos;.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。ホストに使えるのは英字、数字、&apos;.&apos;、&apos;-&apos;、&apos;_&apos; だけです。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the port is no number from 1 to 65535.</source>
        <translation>&apos;%1&apos; はブローカのアドレス (mqtt://HOST:PORT/PREFIX) ではありません。ポートが 1 から 65535 までの数ではありません。</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 cannot be reached (%2); runs wait for it, up to %3.</source>
        <translation>工場のブローカ %1 に接続できません（%2）。運転は %3 件まで送信を待ちます。</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 refused the connection (%2); runs wait for it, up to %3.</source>
        <translation>工場のブローカ %1 が接続を拒否しました（%2）。運転は %3 件まで送信を待ちます。</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 went away (%2); runs wait for it, up to %3.</source>
        <translation>工場のブローカ %1 との接続が切れました（%2）。運転は %3 件まで送信を待ちます。</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 cannot be told: no MQTT client (%2).</source>
        <translation>工場のブローカ %1 に通知できません。MQTT クライアントがありません（%2）。</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 has not taken the runs: beyond the %2 that wait for it the oldest are dropped (%3 so far).</source>
        <translation>工場のブローカ %1 が運転を受け取っていません。待機中の %2 件を超えた分は古いものから破棄されます（これまでに %3 件）。</translation>
    </message>
    <message>
        <source>Is error record received?</source>
        <translation>エラー履歴を受信しますか？</translation>
    </message>
    <message>
        <source>Error record receive</source>
        <translation>エラー履歴受信</translation>
    </message>
    <message>
        <source>Error occurs!  %1</source>
        <translation>エラーが発生しました。%1</translation>
    </message>
    <message>
        <source>Receiving error</source>
        <translation>受信エラー</translation>
    </message>
    <message>
        <source>Operation start</source>
        <translation>運転開始</translation>
    </message>
    <message>
        <source>No reply from the controller for %1</source>
        <translation>%1 に対するコントローラの応答がありません。</translation>
    </message>
    <message>
        <source>The controller&apos;s reply for %1 was cut at the %2 bytes a line may hold: %3</source>
        <translation>%1 に対するコントローラの応答は、1 行の上限 %2 バイトで切れました：%3</translation>
    </message>
    <message>
        <source>The controller&apos;s reply for %1 is no value it can hold: %2</source>
        <translation>%1 に対するコントローラの応答は、保持できる値ではありません：%2</translation>
    </message>
    <message>
        <source>Reply error</source>
        <translation>応答エラー</translation>
    </message>
    <message>
        <source>Stop operation</source>
        <translation>動作停止</translation>
    </message>
    <message>
        <source>MSTOP send</source>
        <translation>MSTOP 送信</translation>
    </message>
    <message>
        <source>Flight recorder</source>
        <translation>フライトレコーダ</translation>
    </message>
    <message>
        <source>Step position teach</source>
        <translation>ステップ位置ティーチング</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Select command</source>
        <translation>コマンドを選択してください。</translation>
    </message>
    <message>
        <source>Too few measured steps follow the program&apos;s run from step 0 to fit it: %1</source>
        <translation>ステップ 0 からのプログラムの流れに沿う計測ステップが少なすぎて、合わせられません：%1</translation>
    </message>
    <message>
        <source>No END is reached from step 0</source>
        <translation>ステップ 0 から END に到達しません。</translation>
    </message>
    <message>
        <source>No END is reached: the program goes round without one</source>
        <translation>END に到達しません：プログラムが END なしで循環します。</translation>
    </message>
    <message>
        <source>step %1 jumps to &apos;%2&apos;, which is no step</source>
        <translation>ステップ %1 のジャンプ先「%2」はステップではありません。</translation>
    </message>
    <message>
        <source>No END is reached: the program calls deeper and deeper</source>
        <translation>END に到達しません：プログラムの呼び出しが深くなり続けます。</translation>
    </message>
    <message>
        <source>step %1 returns, but no call led there</source>
        <translation>ステップ %1 で戻りますが、そこへ至る呼び出しがありません。</translation>
    </message>
    <message>
        <source>%1 %2 is outside the %3 stroke %4 to %5</source>
        <translation>%1 %2 は %3 のストローク %4 ～ %5 の範囲外です。</translation>
    </message>
    <message>
        <source>Jump-to &apos;%1&apos; is no step number</source>
        <translation>ジャンプ先「%1」はステップ番号ではありません。</translation>
    </message>
    <message>
        <source>Jump to step %1 is past 999</source>
        <translation>ジャンプ先のステップ %1 は 999 を超えています。</translation>
    </message>
    <message>
        <source>Jump to step %1, which is empty</source>
        <translation>ジャンプ先のステップ %1 は空です。</translation>
    </message>
    <message>
        <source>The circle lacks its second CIR row</source>
        <translation>円弧の 2 行目の CIR がありません。</translation>
    </message>
    <message>
        <source>The program check found step %1: %2.  Send anyway?</source>
        <translation>プログラムチェックで問題が見つかりました（ステップ %1：%2）。送信しますか？</translation>
    </message>
    <message>
        <source>The program check found %1 problems, the first step %2: %3.  Send anyway?</source>
        <translation>プログラムチェックで %1 件の問題が見つかりました（最初はステップ %2：%3）。送信しますか？</translation>
    </message>
    <message>
        <source>Check program</source>
        <translation>プログラムチェック</translation>
    </message>
    <message>
        <source>Is PGM No.%1 initialize executed?</source>
        <translation>PGM 番号 %1 を初期化しますか？</translation>
    </message>
    <message>
        <source>Program initialize is completed</source>
        <translation>プログラムの初期化が完了しました。</translation>
    </message>
    <message>
        <source>Program initialize</source>
        <translation>プログラム初期化</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value (step %2)</source>
        <translation>「%1」は有効な整数ではありません（ステップ %2）。</translation>
    </message>
    <message>
        <source>Steps %1 and %2 are one circle step: they cannot be separated</source>
        <translation>ステップ %1 と %2 は 1 つの円弧ステップです。分けることはできません。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Paste cannot be executed, because range is different</source>
        <translation>範囲が異なるため、貼り付けできません。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>%1
Remembered for robot %2.</source>
        <translation>%1
ロボット %2 用に記憶しました。</translation>
    </message>
    <message>
        <source>Check sending range</source>
        <translation>送信範囲を確認してください。</translation>
    </message>
    <message>
        <source>+ cannot be inputted</source>
        <translation>+ は入力できません。</translation>
    </message>
    <message>
        <source>- cannot be inputted</source>
        <translation>- は入力できません。</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no step command</source>
        <translation>「%1」はステップのコマンドではありません。</translation>
    </message>
    <message>
        <source>Operation &apos;%1&apos; is no operation code</source>
        <translation>オペレーション「%1」はオペレーションコードではありません。</translation>
    </message>
    <message>
        <source>Operation %1 is none of %2&apos;s</source>
        <translation>オペレーション %1 は %2 のものではありません。</translation>
    </message>
    <message>
        <source>Input X value</source>
        <translation>X の値を入力してください。</translation>
    </message>
    <message>
        <source>Input Y value</source>
        <translation>Y の値を入力してください。</translation>
    </message>
    <message>
        <source>Input Z value</source>
        <translation>Z の値を入力してください。</translation>
    </message>
    <message>
        <source>Input R value</source>
        <translation>R の値を入力してください。</translation>
    </message>
    <message>
        <source>Input X2 value</source>
        <translation>X2 の値を入力してください。</translation>
    </message>
    <message>
        <source>Input Y2 value</source>
        <translation>Y2 の値を入力してください。</translation>
    </message>
    <message>
        <source>Input X3 value</source>
        <translation>X3 の値を入力してください。</translation>
    </message>
    <message>
        <source>Input Y3 value</source>
        <translation>Y3 の値を入力してください。</translation>
    </message>
    <message>
        <source>Set input port from 0 to 14</source>
        <translation>入力ポートは 0 ～ 14 で設定してください。</translation>
    </message>
    <message>
        <source>Set output port from 0 to 12</source>
        <translation>出力ポートは 0 ～ 12 で設定してください。</translation>
    </message>
    <message>
        <source>Set output port from 0 to 13</source>
        <translation>出力ポートは 0 ～ 13 で設定してください。</translation>
    </message>
    <message>
        <source>Set timer from 1 to 100(x 0.1sec)</source>
        <translation>タイマは 1 ～ 100(× 0.1 秒) で設定してください。</translation>
    </message>
    <message>
        <source>Set pallet No. from 0 to 19</source>
        <translation>パレット番号は 0 ～ 19 で設定してください。</translation>
    </message>
    <message>
        <source>Input 1 and above</source>
        <translation>1 以上を入力してください。</translation>
    </message>
    <message>
        <source>Set speed rate from 1 to 100%</source>
        <translation>速度率は 1 ～ 100% で設定してください。</translation>
    </message>
    <message>
        <source>Cannot compute due to speed data error</source>
        <translation>速度データのエラーのため計算できません。</translation>
    </message>
    <message>
        <source>Input speed rate</source>
        <translation>速度率を入力してください。</translation>
    </message>
    <message>
        <source>Input pallet No.</source>
        <translation>パレット番号を入力してください。</translation>
    </message>
    <message>
        <source>Input TIMER</source>
        <translation>TIMER を入力してください。</translation>
    </message>
    <message>
        <source>Input I/O port</source>
        <translation>I/O ポートを入力してください。</translation>
    </message>
    <message>
        <source>Input jump-to value</source>
        <translation>ジャンプ先を入力してください。</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is no number</source>
        <translation>%1「%2」は数値ではありません。</translation>
    </message>
    <message>
        <source>A circle takes two steps: it cannot start at step %1</source>
        <translation>円弧は 2 ステップを使います。ステップ %1 からは始められません。</translation>
    </message>
    <message>
        <source>Step send</source>
        <translation>ステップ送信</translation>
    </message>
    <message>
        <source>Step receive</source>
        <translation>ステップ受信</translation>
    </message>
    <message>
        <source>Sending is completed</source>
        <translation>送信が完了しました。</translation>
    </message>
    <message>
        <source>Error No. %1</source>
        <translation>エラー No. %1</translation>
    </message>
    <message>
        <source>Command type error No. %1</source>
        <translation>コマンド種別エラー No. %1</translation>
    </message>
    <message>
        <source>Send to PGM%1 will be executed.  OK?</source>
        <translation>PGM%1 に送信します。よろしいですか？</translation>
    </message>
    <message>
        <source>Sending range starts inside circle step No. %1</source>
        <translation>送信範囲が円弧ステップ No. %1 の途中から始まっています。</translation>
    </message>
    <message>
        <source>Circle step No. %1 lacks its second CIR row</source>
        <translation>円弧ステップ No. %1 の 2 行目の CIR がありません。</translation>
    </message>
    <message>
        <source>PGM %1 on the controller is now empty; %2</source>
        <translation>コントローラの PGM %1 は空になりました。%2</translation>
    </message>
    <message>
        <source>PGM %1 on the controller now holds steps 0 to %2 only; %3</source>
        <translation>コントローラの PGM %1 にはステップ 0 ～ %2 しかありません。%3</translation>
    </message>
    <message>
        <source>The comparison is of PGM%1, the controller&apos;s current program is PGM%2. Nothing was sent.</source>
        <translation>比較したのは PGM%1 ですが、コントローラの現在のプログラムは PGM%2 です。何も送信していません。</translation>
    </message>
    <message>
        <source>Is step received?</source>
        <translation>ステップを受信しますか？</translation>
    </message>
    <message>
        <source>Step receiving is completed</source>
        <translation>ステップの受信が完了しました。</translation>
    </message>
    <message>
        <source>Because of overstepping of jump-to, subsequent files cannot be open</source>
        <translation>ジャンプ先が範囲を超えるため、以降のデータを開けません。</translation>
    </message>
    <message>
        <source>Steps over 1000 cannot be open</source>
        <translation>1000 を超えるステップは開けません。</translation>
    </message>
    <message>
        <source>Data is not received properly</source>
        <translation>データを正しく受信できませんでした</translation>
    </message>
    <message>
        <source>@OFF command cannot be sent</source>
        <translation>@OFF コマンドを送信できません</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>@OFF command will be sent. OK?</source>
        <translation>@OFF コマンドを送信します。よろしいですか？</translation>
    </message>
    <message>
        <source>answered No: nothing was done</source>
        <translation>「いいえ」と回答されました: 何も実行していません</translation>
    </message>
    <message>
        <source>direct wants a command</source>
        <translation>direct にはコマンドが必要です</translation>
    </message>
    <message>
        <source>unknown direct command %1</source>
        <translation>不明な direct コマンド %1</translation>
    </message>
    <message>
        <source>--range is for steps send/receive</source>
        <translation>--range は steps send/receive 専用です</translation>
    </message>
    <message>
        <source>--port DEVICE is needed</source>
        <translation>--port DEVICE が必要です</translation>
    </message>
    <message>
        <source>stopped by a signal; the port was closed</source>
        <translation>シグナルにより停止しました。ポートを閉じました</translation>
    </message>
    <message>
        <source>direct %1 did not complete</source>
        <translation>direct %1 は完了しませんでした</translation>
    </message>
    <message>
        <source>--pallet is for a pallet file (.plt)</source>
        <translation>--pallet はパレットファイル (.plt) 専用です</translation>
    </message>
    <message>
        <source>--calibrate wants a step file and its step times: --calibrate A.stp A.csv</source>
        <translation>--calibrate にはステップファイルとそのステップ時間が必要です: --calibrate A.stp A.csv</translation>
    </message>
    <message>
        <source>estimate takes one step file</source>
        <translation>estimate にはステップファイルを1つ指定します</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>wrong number of operands</source>
        <translation>オペランドの数が正しくありません</translation>
    </message>
    <message>
        <source>%1: mivo writes data files only, never ZEB files (.crd)</source>
        <translation>%1: mivo はデータファイルのみを書き込み、ZEB ファイル (.crd) は書き込みません</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
    <message>
        <source>No reply from the controller to %1 within %2 s</source>
        <translation>%1 に対するコントローラの応答が %2 秒以内にありません</translation>
    </message>
    <message>
        <source>No reply from the controller to %1</source>
        <translation>%1 に対するコントローラの応答がありません</translation>
    </message>
    <message>
        <source>unknown port command</source>
        <translation>不明なポートコマンド</translation>
    </message>
    <message>
        <source>--quick is for steps send</source>
        <translation>--quick は steps send 専用です</translation>
    </message>
    <message>
        <source>--quick sends the whole program: no --range with it</source>
        <translation>--quick はプログラム全体を送信します: --range とは併用できません</translation>
    </message>
    <message>
        <source>--kind is for convert</source>
        <translation>--kind は convert 専用です</translation>
    </message>
    <message>
        <source>--parameters is for check and steps send</source>
        <translation>--parameters は check と steps send 専用です</translation>
    </message>
    <message>
        <source>--pallet is for convert</source>
        <translation>--pallet は convert 専用です</translation>
    </message>
    <message>
        <source>--range wants A-B</source>
        <translation>--range には A-B を指定します</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf is needed</source>
        <translation>--pdf OUT.pdf が必要です</translation>
    </message>
    <message>
        <source>--pdf wants a file name</source>
        <translation>--pdf にはファイル名を指定します</translation>
    </message>
    <message>
        <source>--range is for steps and parameters</source>
        <translation>--range はステップとパラメータ専用です</translation>
    </message>
    <message>
        <source>%1 did not complete</source>
        <translation>%1 は完了しませんでした</translation>
    </message>
    <message>
        <source>%1 names no %2: give %3 N</source>
        <translation>%1 には %2 の指定がありません: %3 N を指定してください</translation>
    </message>
    <message>
        <source>%1 wants FILE</source>
        <translation>%1 には FILE が必要です</translation>
    </message>
    <message>
        <source>--pallet and --program are for convert and compare</source>
        <translation>--pallet と --program は convert と compare 専用です</translation>
    </message>
    <message>
        <source>--only is for restore</source>
        <translation>--only は restore 専用です</translation>
    </message>
    <message>
        <source>%1 names %2: a backup takes another name (for example backup.zip)</source>
        <translation>%1 は%2の名前です: バックアップには別の名前を付けてください (例: backup.zip)</translation>
    </message>
    <message>
        <source>--program is for an offset file (.off)</source>
        <translation>--program はオフセットファイル (.off) 専用です</translation>
    </message>
    <message>
        <source>pallet 0 to 19</source>
        <translation>パレット 0～19</translation>
    </message>
    <message>
        <source>program 0 to 5</source>
        <translation>プログラム 0～5</translation>
    </message>
    <message>
        <source>--timeout wants seconds above 0</source>
        <translation>--timeout には 0 より大きい秒数を指定します</translation>
    </message>
    <message>
        <source>--kind wants step, parameter, pallet or offset</source>
        <translation>--kind には step、parameter、pallet、offset のいずれかを指定します</translation>
    </message>
    <message>
        <source>cannot tell what %1 is to hold: name it .stp, .csv, .prm, .plt or .off, or give --kind step, parameter, pallet or offset</source>
        <translation>%1 に何を保存するか判断できません: .stp、.csv、.prm、.plt、.off のいずれかの名前にするか、--kind step、parameter、pallet、offset を指定してください</translation>
    </message>
    <message>
        <source>%1 would be %2, --kind says %3</source>
        <translation>%1 は%2になりますが、--kind の指定は%3です</translation>
    </message>
    <message>
        <source>%1 is %2, %3 would be %4</source>
        <translation>%1 は%2ですが、%3 は%4になります</translation>
    </message>
    <message>
        <source>%1 is not for direct %2</source>
        <translation>%1 は direct %2 には使えません</translation>
    </message>
    <message>
        <source>direct %1: wrong number of operands</source>
        <translation>direct %1: オペランドの数が正しくありません</translation>
    </message>
    <message>
        <source>direct %1: &apos;%2&apos; is longer than %3 characters</source>
        <translation>direct %1: 「%2」は %3 文字を超えています</translation>
    </message>
    <message>
        <source>direct output wants N and on or off</source>
        <translation>direct output には N と on または off を指定します</translation>
    </message>
    <message>
        <source>direct output: &apos;%1&apos; is no output number 0 to 15</source>
        <translation>direct output: 「%1」は出力番号 0～15 ではありません</translation>
    </message>
    <message>
        <source>direct output: &apos;%1&apos; is not on or off</source>
        <translation>direct output: 「%1」は on でも off でもありません</translation>
    </message>
    <message>
        <source>direct jog wants one axis: X+ X- Y+ Y- Z+ Z- R+ R-</source>
        <translation>direct jog には軸を1つ指定します: X+ X- Y+ Y- Z+ Z- R+ R-</translation>
    </message>
    <message>
        <source>direct jog: &apos;%1&apos; is none of X+ X- Y+ Y- Z+ Z- R+ R-</source>
        <translation>direct jog: 「%1」は X+ X- Y+ Y- Z+ Z- R+ R- のいずれでもありません</translation>
    </message>
    <message>
        <source>--mode wants 1, 2 or 3</source>
        <translation>--mode には 1、2、3 のいずれかを指定します</translation>
    </message>
    <message>
        <source>--hold is for modes 2 and 3</source>
        <translation>--hold はモード 2 と 3 専用です</translation>
    </message>
    <message>
        <source>--hold wants seconds above 0</source>
        <translation>--hold には 0 より大きい秒数を指定します</translation>
    </message>
    <message>
        <source>direct monitor takes no operands</source>
        <translation>direct monitor にオペランドは指定できません</translation>
    </message>
    <message>
        <source>--cycles wants a whole number above 0</source>
        <translation>--cycles には 0 より大きい整数を指定します</translation>
    </message>
    <message>
        <source>--program wants a program number 0 to 5</source>
        <translation>--program にはプログラム番号 0～5 を指定します</translation>
    </message>
    <message>
        <source>%1 wants a local date, 2026-12-09, or a date and time, 2026-12-09T08:30</source>
        <translation>%1 には現地の日付 (2026-12-09) または日時 (2026-12-09T08:30) を指定します</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is no time like 2026-12-08T03:04:05 (.mmm may follow) or day like 2026-12-08</source>
        <translation>%1 「%2」は 2026-12-08T03:04:05 (.mmm を付けても可) のような時刻でも 2026-12-08 のような日付でもありません</translation>
    </message>
    <message>
        <source>--until %1 is before --since %2</source>
        <translation>--until %1 が --since %2 より前です</translation>
    </message>
    <message>
        <source>the flight recorder&apos;s folder is not known: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>フライトレコーダのフォルダが不明です: XDG_STATE_HOME も HOME も設定されていません</translation>
    </message>
    <message>
        <source>no flight recorder files in %1</source>
        <translation>%1 にフライトレコーダのファイルがありません</translation>
    </message>
    <message>
        <source>%1 wants send FILE, receive NUMBER FILE or init NUMBER</source>
        <translation>%1 には send FILE、receive NUMBER FILE、init NUMBER のいずれかを指定します</translation>
    </message>
    <message>
        <source>ROBOT is one of 10, 11, 12, 20, 21, 22, 30, 31, 32, not %1</source>
        <translation>ROBOT は 10、11、12、20、21、22、30、31、32 のいずれかです (%1 ではありません)</translation>
    </message>
    <message>
        <source>params wants send FILE, receive FILE or init ROBOT [FILE]</source>
        <translation>params には send FILE、receive FILE、init ROBOT [FILE] のいずれかを指定します</translation>
    </message>
    <message>
        <source>cannot tell what %1 holds: name it .stp, .prm, .plt or .off, or give --kind</source>
        <translation>%1 の内容を判断できません: .stp、.prm、.plt、.off のいずれかの名前にするか、--kind を指定してください</translation>
    </message>
    <message>
        <source>%1 is not of the kind --kind names</source>
        <translation>%1 は --kind で指定した種類ではありません</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>PDF を描画できませんでした</translation>
    </message>
    <message>
        <source>a step file</source>
        <translation>ステップファイル</translation>
    </message>
    <message>
        <source>a parameter file</source>
        <translation>パラメータファイル</translation>
    </message>
    <message>
        <source>a pallet file</source>
        <translation>パレットファイル</translation>
    </message>
    <message>
        <source>an offset file</source>
        <translation>オフセットファイル</translation>
    </message>
    <message>
        <source>DEVICE  the serial device the controller is on</source>
        <translation>DEVICE  コントローラが接続されたシリアルデバイス</translation>
    </message>
    <message>
        <source>answer every question Yes</source>
        <translation>すべての質問に「はい」と答える</translation>
    </message>
    <message>
        <source>SECONDS  how long a reply is waited for (10 unless given)</source>
        <translation>SECONDS  応答を待つ時間 (指定しなければ 10)</translation>
    </message>
    <message>
        <source>FILE  append every line sent and received to FILE, with its time</source>
        <translation>FILE  送受信したすべての行を時刻付きで FILE に追記する</translation>
    </message>
    <message>
        <source>A-B  the steps (parameters, for print) from A to B</source>
        <translation>A-B  A から B までのステップ (print ではパラメータ)</translation>
    </message>
    <message>
        <source>send the whole program as Quick send does</source>
        <translation>クイック送信と同じくプログラム全体を送信する</translation>
    </message>
    <message>
        <source>FILE.prm  the parameter file: check positions against its strokes, estimate with its limits</source>
        <translation>FILE.prm  パラメータファイル: そのストロークで位置を検査し、その制限で見積もる</translation>
    </message>
    <message>
        <source>step|parameter|pallet|offset  what a file holds whose name does not say</source>
        <translation>step|parameter|pallet|offset  名前から内容がわからないファイルの内容</translation>
    </message>
    <message>
        <source>N  the pallet number</source>
        <translation>N  パレット番号</translation>
    </message>
    <message>
        <source>N  the program: an offset file&apos;s, or the runs listed</source>
        <translation>N  プログラム: オフセットファイルのもの、または一覧にする運転のもの</translation>
    </message>
    <message>
        <source>DATE  from this local day (2026-12-09) or time (2026-12-09T08:30)</source>
        <translation>DATE  この現地の日 (2026-12-09) または時刻 (2026-12-09T08:30) から</translation>
    </message>
    <message>
        <source>DATE  to this local day or time, the whole day it names when a day</source>
        <translation>DATE  この現地の日または時刻まで (日の場合はその日全体)</translation>
    </message>
    <message>
        <source>the runs as CSV, with a header line</source>
        <translation>運転をヘッダ行付きの CSV で出力する</translation>
    </message>
    <message>
        <source>CMD  run CMD after the run (MIVO_RESULT, MIVO_CYCLE_S ... in its environment)</source>
        <translation>CMD  運転の後に CMD を実行する (環境変数に MIVO_RESULT、MIVO_CYCLE_S など)</translation>
    </message>
    <message>
        <source>mqtt://HOST:PORT/PREFIX  tell the plant&apos;s broker of each run and the robot&apos;s state</source>
        <translation>mqtt://HOST:PORT/PREFIX  各運転とロボットの状態を工場のブローカに通知する</translation>
    </message>
    <message>
        <source>PARTS  send only these of steps,parameters,pallets,offsets</source>
        <translation>PARTS  steps,parameters,pallets,offsets のうちこれらだけを送信する</translation>
    </message>
    <message>
        <source>OUT.pdf  the PDF file to write</source>
        <translation>OUT.pdf  書き込む PDF ファイル</translation>
    </message>
    <message>
        <source>print the cycle time after END</source>
        <translation>END の後にサイクルタイムを出力する</translation>
    </message>
    <message>
        <source>FILE.csv  write the run&apos;s step times, as the monitor saw them, to FILE.csv</source>
        <translation>FILE.csv  モニタで計測した運転のステップ時間を FILE.csv に書き込む</translation>
    </message>
    <message>
        <source>A.stp A.csv  fit the estimate to a measured run first: program A and its step times</source>
        <translation>A.stp A.csv  まず計測した運転に見積りを合わせる: プログラム A とそのステップ時間</translation>
    </message>
    <message>
        <source>1|2|3  the jog mode</source>
        <translation>1|2|3  ジョグのモード</translation>
    </message>
    <message>
        <source>SECONDS  how long a jog in mode 2 or 3 is held (0.5 unless given)</source>
        <translation>SECONDS  モード 2 または 3 でジョグを保持する時間 (指定しなければ 0.5)</translation>
    </message>
    <message>
        <source>N  end the monitor after N scans</source>
        <translation>N  N 回のスキャンでモニタを終了する</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>この説明</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>The backup is of PGM%1, the controller&apos;s current program is PGM%2. Nothing was sent.</source>
        <translation>バックアップは PGM%1 のものですが、コントローラの現在のプログラムは PGM%2 です。何も送信していません。</translation>
    </message>
    <message>
        <source>PGM %1</source>
        <translation>PGM %1</translation>
    </message>
    <message>
        <source>the archive still holds the whole program: restore again</source>
        <translation>アーカイブにはプログラム全体が残っています。もう一度復元してください</translation>
    </message>
    <message>
        <source>pallet %1</source>
        <translation>パレット %1</translation>
    </message>
    <message>
        <source>offsets of PGM %1</source>
        <translation>PGM %1 のオフセット</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>the file has 1 line</source>
        <translation>ファイルは 1 行です</translation>
    </message>
    <message>
        <source>the file has %1 lines</source>
        <translation>ファイルは %1 行です</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>an offset file has 5, one value a line</source>
        <translation>オフセットファイルは 5 行で、1 行に 1 つの値です</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last value line, an offset file has 5 lines: %3</source>
        <translation>%2 行中の %1 行目が最後の値の行の後にあります。オフセットファイルは 5 行です：%3</translation>
    </message>
    <message>
        <source>a pallet file has 10, one value a line</source>
        <translation>パレットファイルは 10 行で、1 行に 1 つの値です</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last value line, a pallet file has 10 lines: %3</source>
        <translation>%2 行中の %1 行目が最後の値の行の後にあります。パレットファイルは 10 行です：%3</translation>
    </message>
    <message>
        <source>a ZEB data file has no block for pallet No. %1</source>
        <translation>ZEB データファイルにはパレット No. %1 のブロックがありません</translation>
    </message>
    <message>
        <source>pallet No. %1 stands in lines %2 to %3</source>
        <translation>パレット No. %1 は %2 ～ %3 行目にあります</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目：%2</translation>
    </message>
    <message>
        <source>a parameter file has 44, one value a line</source>
        <translation>パラメータファイルは 44 行で、1 行に 1 つの値です</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last value line, a parameter file has 44 lines: %3</source>
        <translation>%2 行中の %1 行目が最後の値の行の後にあります。パラメータファイルは 44 行です：%3</translation>
    </message>
    <message>
        <source>line %1, characters %2 to %3</source>
        <translation>%1 行目の %2 ～ %3 文字目</translation>
    </message>
    <message>
        <source>the parameters of a ZEB data file stand in lines %1 to %2</source>
        <translation>ZEB データファイルのパラメータは %1 ～ %2 行目にあります</translation>
    </message>
    <message>
        <source>the file is empty; a step file has 1000 lines</source>
        <translation>ファイルが空です。ステップファイルは 1000 行です</translation>
    </message>
    <message>
        <source>the file ends after line %1; a step file has 1000 lines</source>
        <translation>ファイルは %1 行目で終わっています。ステップファイルは 1000 行です</translation>
    </message>
    <message>
        <source>line %1 of %2 has 1 comma, a step line has at least 7: %3</source>
        <translation>%2 行中の %1 行目にはカンマが 1 個しかありません。ステップの行には 7 つ以上必要です：%3</translation>
    </message>
    <message>
        <source>line %1 of %2 has %3 commas, a step line has at least 7: %4</source>
        <translation>%2 行中の %1 行目にはカンマが %3 個しかありません。ステップの行には 7 つ以上必要です：%4</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last step line, a step file has 1000 lines: %3</source>
        <translation>%2 行中の %1 行目が最後のステップの行の後にあります。ステップファイルは 1000 行です：%3</translation>
    </message>
    <message>
        <source>send the whole program again</source>
        <translation>プログラム全体をもう一度送信してください</translation>
    </message>
    <message>
        <source>the steps of a ZEB data file stand in lines 1 to %1</source>
        <translation>ZEB データファイルのステップは 1 ～ %1 行目にあります</translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is not the header &apos;%3&apos;</source>
        <translation>%1 行目：「%2」は見出し行「%3」ではありません</translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is no step and its seconds</source>
        <translation>%1 行目：「%2」はステップとその秒数ではありません</translation>
    </message>
    <message>
        <source>the file holds no step times</source>
        <translation>ファイルにステップ時間がありません</translation>
    </message>
    <message>
        <source>The step times</source>
        <translation>ステップ時間</translation>
    </message>
    <message>
        <source>The runs shown</source>
        <translation>表示中の運転</translation>
    </message>
    <message>
        <source>the device belongs to the group %1; join it with &quot;sudo usermod -aG %1 %2&quot;, then log out and in again</source>
        <translation>デバイスはグループ %1 のものです。「sudo usermod -aG %1 %2」で参加し、ログアウトしてからログインし直してください</translation>
    </message>
    <message>
        <source>%1: no such device (%2)</source>
        <translation>%1：デバイスがありません（%2）</translation>
    </message>
    <message>
        <source>%1: permission denied (%2); %3</source>
        <translation>%1：アクセスが拒否されました（%2）。%3</translation>
    </message>
    <message>
        <source>%1: busy, in use by another program (%2)</source>
        <translation>%1：使用中です。別のプログラムが使っています（%2）</translation>
    </message>
    <message>
        <source>Nothing is ticked: tick the items to send first.</source>
        <translation>チェックされた項目がありません。先に送信する項目をチェックしてください。</translation>
    </message>
    <message>
        <source>Nothing is ticked: tick the items to take first.</source>
        <translation>チェックされた項目がありません。先に取り込む項目をチェックしてください。</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2: %3</source>
        <translation>%1 を %2 に保存できませんでした：%3</translation>
    </message>
    <message>
        <source>Not a text file (it contains NUL bytes)</source>
        <translation>テキストファイルではありません（NUL バイトを含みます）</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>File is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>zlib cannot start</source>
        <translation>zlib を開始できません</translation>
    </message>
    <message>
        <source>damaged compressed data: %1</source>
        <translation>圧縮データが壊れています：%1</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>圧縮データが壊れています</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>圧縮データが途中で切れています</translation>
    </message>
    <message>
        <source>another program holds its lock</source>
        <translation>別のプログラムがロックしています</translation>
    </message>
    <message>
        <source>the line was hung up (device closed or unplugged)</source>
        <translation>回線が切断されました（デバイスが閉じられたか抜かれました）</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>Run %1, %2, %3, %4</source>
        <translation>運転 %1, %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>mivo</name>
    <message>
        <source>STOP (stop command)</source>
        <translation>STOP (停止コマンド)</translation>
    </message>
</context>
<context>
    <name>mivo::CancelDialog</name>
    <message>
        <source>MIVO Editor [Cancel]</source>
        <translation>MIVO Editor [キャンセル]</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>転送中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>MSTOP send</source>
        <translation>MSTOP 送信</translation>
    </message>
</context>
<context>
    <name>mivo::CommandDialog</name>
    <message>
        <source>MIVO Editor [Command Select]</source>
        <translation>MIVO Editor [コマンド選択]</translation>
    </message>
    <message>
        <source>Select command</source>
        <translation>コマンド選択</translation>
    </message>
    <message>
        <source>Jump-to</source>
        <translation>ジャンプ先</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Teaching</source>
        <translation>ティーチング</translation>
    </message>
    <message>
        <source>0:POI (point motion)</source>
        <translation>0:POI (ポイント動作)</translation>
    </message>
    <message>
        <source>0:POI(point motion)</source>
        <translation>0:POI(ポイント動作)</translation>
    </message>
    <message>
        <source>0:Point move (XY -&gt; Z move)</source>
        <translation>0:ポイント移動 (XY -&gt; Z 移動)</translation>
    </message>
    <message>
        <source>1:Point move (after ZI rise -&gt; XY -&gt; Z move)</source>
        <translation>1:ポイント移動 (ZI 上昇後 -&gt; XY -&gt; Z 移動)</translation>
    </message>
    <message>
        <source>2:Point move (after Z0 rise -&gt; XY -&gt; Z move)</source>
        <translation>2:ポイント移動 (Z0 上昇後 -&gt; XY -&gt; Z 移動)</translation>
    </message>
    <message>
        <source> 2:Point move(after Z0 rise -&gt; XY -&gt; Z move)</source>
        <translation> 2:ポイント移動(Z0 上昇後 -&gt; XY -&gt; Z 移動)</translation>
    </message>
    <message>
        <source>3:ZI rise only</source>
        <translation>3:ZI 上昇のみ</translation>
    </message>
    <message>
        <source>4:Z0 rise only</source>
        <translation>4:Z0 上昇のみ</translation>
    </message>
    <message>
        <source>4:ZO rise only</source>
        <translation>4:Z0 上昇のみ</translation>
    </message>
    <message>
        <source>5:Return to origin</source>
        <translation>5:原点復帰</translation>
    </message>
    <message>
        <source>6:R-axis motion only</source>
        <translation>6:R 軸動作のみ</translation>
    </message>
    <message>
        <source>7:Point move (XYZ absolute value move)</source>
        <translation>7:ポイント移動 (XYZ 絶対値移動)</translation>
    </message>
    <message>
        <source>8:Point move (XYZ relative value move)</source>
        <translation>8:ポイント移動 (XYZ 相対値移動)</translation>
    </message>
    <message>
        <source>8:Point move(XYZ relative value move)</source>
        <translation>8:ポイント移動(XYZ 相対値移動)</translation>
    </message>
    <message>
        <source>1:LIN (interpolation motion)</source>
        <translation>1:LIN (補間動作)</translation>
    </message>
    <message>
        <source>1:LIN(interpolation motion)</source>
        <translation>1:LIN(補間動作)</translation>
    </message>
    <message>
        <source>0:Linear interpolation move (XYZ move)</source>
        <translation>0:直線補間移動 (XYZ 移動)</translation>
    </message>
    <message>
        <source>1:Continuous interpolation memory start</source>
        <translation>1:連続補間メモリ開始</translation>
    </message>
    <message>
        <source>2:Continuous interpolation memory end</source>
        <translation>2:連続補間メモリ終了</translation>
    </message>
    <message>
        <source>4:R linear interpolation (XYR move)</source>
        <translation>4:R 直線補間 (XYR 移動)</translation>
    </message>
    <message>
        <source>2:PAL (pallet motion)</source>
        <translation>2:PAL (パレット動作)</translation>
    </message>
    <message>
        <source>0:Pallet move</source>
        <translation>0:パレット移動</translation>
    </message>
    <message>
        <source>1:Pallet count-up output</source>
        <translation>1:パレットカウントアップ出力</translation>
    </message>
    <message>
        <source>2:Pallet counter clear</source>
        <translation>2:パレットカウンタクリア</translation>
    </message>
    <message>
        <source>3:CIR (circle motion)</source>
        <translation>3:CIR (円弧動作)</translation>
    </message>
    <message>
        <source>0:Circular interpolation move</source>
        <translation>0:円弧補間移動</translation>
    </message>
    <message>
        <source>4:SEQ (sequence command)</source>
        <translation>4:SEQ (シーケンスコマンド)</translation>
    </message>
    <message>
        <source>0:Input ON wait</source>
        <translation>0:入力オン待ち</translation>
    </message>
    <message>
        <source>1:Input OFF wait</source>
        <translation>1:入力オフ待ち</translation>
    </message>
    <message>
        <source>2:Output ON</source>
        <translation>2:出力オン</translation>
    </message>
    <message>
        <source>3:Output OFF</source>
        <translation>3:出力オフ</translation>
    </message>
    <message>
        <source>4:Timer</source>
        <translation>4:タイマ</translation>
    </message>
    <message>
        <source>4:TIMER</source>
        <translation>4:タイマ</translation>
    </message>
    <message>
        <source>6:Conditional JUMP (ON)</source>
        <translation>6:条件ジャンプ (オン)</translation>
    </message>
    <message>
        <source>7:Conditional JUMP (OFF)</source>
        <translation>7:条件ジャンプ (オフ)</translation>
    </message>
    <message>
        <source>8:Unconditional JUMP</source>
        <translation>8:無条件ジャンプ</translation>
    </message>
    <message>
        <source>900:Conditional CALL JUMP</source>
        <translation>900:条件 CALL ジャンプ</translation>
    </message>
    <message>
        <source>916:Unconditional CALL JUMP</source>
        <translation>916:無条件 CALL ジャンプ</translation>
    </message>
    <message>
        <source>917:Return</source>
        <translation>917:リターン</translation>
    </message>
    <message>
        <source>917:RETURN</source>
        <translation>917:リターン</translation>
    </message>
    <message>
        <source>5:END (end command)</source>
        <translation>5:END (終了コマンド)</translation>
    </message>
    <message>
        <source>0:Unconditionality end</source>
        <translation>0:無条件終了</translation>
    </message>
    <message>
        <source>1:1cycle end</source>
        <translation>1:1 サイクル終了</translation>
    </message>
    <message>
        <source>2:Repetition driving</source>
        <translation>2:繰り返し運転</translation>
    </message>
    <message>
        <source>Rate(%)</source>
        <translation>速度率(%)</translation>
    </message>
    <message>
        <source>No.(0 - 19)</source>
        <translation>番号(0 - 19)</translation>
    </message>
    <message>
        <source>I/O port</source>
        <translation>I/O ポート</translation>
    </message>
    <message>
        <source>TIMER(*0.1S)</source>
        <translation>タイマ(*0.1秒)</translation>
    </message>
</context>
<context>
    <name>mivo::CommunicationLog</name>
    <message>
        <source>Log folder: </source>
        <translation>ログフォルダ: </translation>
    </message>
    <message>
        <source>MIVO Editor [Communication log]</source>
        <translation>MIVO Editor [通信ログ]</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>ログフォルダを開く</translation>
    </message>
</context>
<context>
    <name>mivo::ComparePanel</name>
    <message>
        <source>No differences: the controller holds the same.</source>
        <translation>差異はありません。コントローラの内容は同じです。</translation>
    </message>
    <message>
        <source>Out of date: the data or the controller changed after this compare. Compare again.</source>
        <translation>古くなっています。比較の後にデータかコントローラが変わりました。もう一度比較してください。</translation>
    </message>
    <message>
        <source>Send selected</source>
        <translation>選択を送信</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>選択を取り込む</translation>
    </message>
</context>
<context>
    <name>mivo::CycleTimePanel</name>
    <message>
        <source>Cycle time</source>
        <translation>サイクルタイム</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Clears the cycle times measured so far</source>
        <translation>これまでに計測したサイクルタイムを消去します</translation>
    </message>
    <message>
        <source>Save step times...</source>
        <translation>ステップ時間の保存...</translation>
    </message>
    <message>
        <source>Saves the last cycle&apos;s step times, in the order they ran, as a CSV file (step,seconds)</source>
        <translation>直前のサイクルのステップ時間を実行順に CSV ファイル (step,seconds) で保存します</translation>
    </message>
    <message>
        <source>Run history...</source>
        <translation>運転履歴...</translation>
    </message>
    <message>
        <source>Shows every run kept: their cycle times charted, their steps, CSV export</source>
        <translation>記録されたすべての運転を表示：サイクルタイムのグラフ、ステップ、CSV 出力</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>Slowest steps of the last cycle, with the monitor on during the run. Resolution: one monitor scan.</source>
        <translation>運転中にモニタをオンにしたときの、直前のサイクルで最も遅いステップ。分解能：モニタ 1 スキャン。</translation>
    </message>
    <message>
        <source>Cycle time: %1</source>
        <translation>サイクルタイム: %1</translation>
    </message>
    <message>
        <source>Runs: 0</source>
        <translation>運転回数: 0</translation>
    </message>
    <message>
        <source>Runs: %1   shortest %2   mean %3   longest %4</source>
        <translation>運転回数: %1   最短 %2   平均 %3   最長 %4</translation>
    </message>
</context>
<context>
    <name>mivo::DirectPanel</name>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>未読込</translation>
    </message>
    <message>
        <source>, not current</source>
        <translation>、最新ではありません</translation>
    </message>
</context>
<context>
    <name>mivo::DirectScreen</name>
    <message>
        <source>MIVO Editor [direct]</source>
        <translation>MIVO Editor [ダイレクト操作]</translation>
    </message>
    <message>
        <source>Step times (*.csv)</source>
        <translation>ステップ時間 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 signal output, state</source>
        <translation>%1 信号出力の状態</translation>
    </message>
    <message>
        <source>DO %1 output, state</source>
        <translation>DO %1 出力の状態</translation>
    </message>
    <message>
        <source>Received infomation display</source>
        <translation>受信情報表示</translation>
    </message>
    <message>
        <source>Command list</source>
        <translation>コマンド一覧</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>原点復帰</translation>
    </message>
    <message>
        <source>Program execute</source>
        <translation>プログラム実行</translation>
    </message>
    <message>
        <source>Step operation execute</source>
        <translation>ステップ運転実行</translation>
    </message>
    <message>
        <source>Offset execute (after @GO→teach is set)</source>
        <translation>オフセット実行 (@GO→ティーチング設定後)</translation>
    </message>
    <message>
        <source>ZI move</source>
        <translation>ZI 移動</translation>
    </message>
    <message>
        <source>Release No. receive</source>
        <translation>リリース番号受信</translation>
    </message>
    <message>
        <source>All counters initialize</source>
        <translation>全カウンタ初期化</translation>
    </message>
    <message>
        <source>Program step initialize</source>
        <translation>プログラムステップ初期化</translation>
    </message>
    <message>
        <source>All program steps initialize</source>
        <translation>全プログラムステップ初期化</translation>
    </message>
    <message>
        <source>Error record initialize</source>
        <translation>エラー履歴初期化</translation>
    </message>
    <message>
        <source>Parameter initialize</source>
        <translation>パラメータ初期化</translation>
    </message>
    <message>
        <source>Memory check</source>
        <translation>メモリチェック</translation>
    </message>
    <message>
        <source>Present motion step display</source>
        <translation>現在の動作ステップ表示</translation>
    </message>
    <message>
        <source>Program No. display</source>
        <translation>プログラム番号表示</translation>
    </message>
    <message>
        <source>Present position display</source>
        <translation>現在位置表示</translation>
    </message>
    <message>
        <source>Return-to-origin complete check</source>
        <translation>原点復帰完了確認</translation>
    </message>
    <message>
        <source>Specified counter initialize</source>
        <translation>指定カウンタ初期化</translation>
    </message>
    <message>
        <source>Specified counter value acquire</source>
        <translation>指定カウンタ値取得</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>PAL NO.</source>
        <translation>パレット番号</translation>
    </message>
    <message>
        <source>Position, program</source>
        <translation>位置・プログラム</translation>
    </message>
    <message>
        <source>X Position</source>
        <translation>X 位置</translation>
    </message>
    <message>
        <source>Y Position</source>
        <translation>Y 位置</translation>
    </message>
    <message>
        <source>Z Position</source>
        <translation>Z 位置</translation>
    </message>
    <message>
        <source>R Position</source>
        <translation>R 位置</translation>
    </message>
    <message>
        <source>STEP No.</source>
        <translation>ステップ番号</translation>
    </message>
    <message>
        <source>DO/DI monitor</source>
        <translation>DO/DI モニタ</translation>
    </message>
    <message>
        <source>Start monitor</source>
        <translation>モニタ開始</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>モニタ中</translation>
    </message>
    <message>
        <source>START signal state</source>
        <translation>START 信号の状態</translation>
    </message>
    <message>
        <source>%1 state</source>
        <translation>%1 の状態</translation>
    </message>
    <message>
        <source>Stop command</source>
        <translation>停止コマンド</translation>
    </message>
    <message>
        <source>Motor free</source>
        <translation>モータフリー</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Communication cancel</source>
        <translation>通信キャンセル</translation>
    </message>
    <message>
        <source>Not current: the controller&apos;s last reply was no value</source>
        <translation>最新ではありません：コントローラの最後の応答は値ではありませんでした</translation>
    </message>
    <message>
        <source>End monitor</source>
        <translation>モニタ終了</translation>
    </message>
</context>
<context>
    <name>mivo::ErrorDialog</name>
    <message>
        <source>Error display</source>
        <translation>エラー表示</translation>
    </message>
</context>
<context>
    <name>mivo::ErrorRecordDialog</name>
    <message>
        <source>MIVO Editor [Error-Record]</source>
        <translation>MIVO Editor [エラー履歴]</translation>
    </message>
    <message>
        <source>The higher up on the list, the more recent the error.</source>
        <translation>リストの上にあるほど新しいエラーです。</translation>
    </message>
</context>
<context>
    <name>mivo::GridParameterModel</name>
    <message>
        <source>Prm No.</source>
        <translation>Prm番号</translation>
    </message>
    <message>
        <source>Parameter&apos;s Name</source>
        <translation>パラメータ名</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Input range</source>
        <translation>入力範囲</translation>
    </message>
    <message>
        <source>Initial value</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>mivo::GridStepModel</name>
    <message>
        <source>Step No.</source>
        <translation>ステップ番号</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>オペレーション</translation>
    </message>
    <message>
        <source>JUMP</source>
        <translation>ジャンプ</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Estimated: %1</source>
        <translation>見積り：%1</translation>
    </message>
    <message>
        <source> in %1 visits</source>
        <translation> (%1 回通過)</translation>
    </message>
    <message>
        <source>
Far above the steps around it</source>
        <translation>
前後のステップよりかなり長い</translation>
    </message>
</context>
<context>
    <name>mivo::HistoryTableModel</name>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>サイクル</translation>
    </message>
    <message>
        <source>Program hash</source>
        <translation>プログラムハッシュ</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>ロボット</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Above the upper control limit</source>
        <translation>上方管理限界を超過</translation>
    </message>
    <message>
        <source>Below the lower control limit</source>
        <translation>下方管理限界を下回る</translation>
    </message>
</context>
<context>
    <name>mivo::HistoryWindow</name>
    <message>
        <source>Select a run to see where its cycle goes; Ctrl+click a second one to compare the two step by step.</source>
        <translation>運転を選ぶとサイクルタイムの内訳を表示します。Ctrl+クリックで2つ目を選ぶと、ステップごとに比較します。</translation>
    </message>
    <message>
        <source>Run history</source>
        <translation>運転履歴</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 件の運転</translation>
    </message>
    <message>
        <source>%1 of %2 runs</source>
        <translation>%2 件中 %1 件の運転</translation>
    </message>
    <message>
        <source>Select one run to see its steps, or two to compare them.</source>
        <translation>運転を1つ選ぶとステップを、2つ選ぶと比較を表示します。</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>開始日(&amp;F)</translation>
    </message>
    <message>
        <source>Only runs started on or after this day</source>
        <translation>この日以降に開始した運転のみ</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>終了日(&amp;T)</translation>
    </message>
    <message>
        <source>Only runs started on or before this day</source>
        <translation>この日以前に開始した運転のみ</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV エクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the runs shown to a CSV file</source>
        <translation>表示中の運転を CSV ファイルに書き出す</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>プログラム(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Result:</source>
        <translation>結果(&amp;R):</translation>
    </message>
</context>
<context>
    <name>mivo::InitDialog</name>
    <message>
        <source>MIVO Editor [init]</source>
        <translation>MIVO Editor [初期化]</translation>
    </message>
    <message>
        <source>Select robot No. to be initialized</source>
        <translation>初期化するロボット番号を選択してください</translation>
    </message>
    <message>
        <source>Select robot No. to be initialized.</source>
        <translation>初期化するロボット番号を選択してください。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>mivo::JogControls</name>
    <message>
        <source>Teach command</source>
        <translation>ティーチングコマンド</translation>
    </message>
    <message>
        <source>Teach move : %1</source>
        <translation>ジョグ : %1</translation>
    </message>
    <message>
        <source>1(Quantitative movement)</source>
        <translation>1(定量移動)</translation>
    </message>
    <message>
        <source>2(Slow movement)</source>
        <translation>2(低速移動)</translation>
    </message>
    <message>
        <source>3(Fast movement)</source>
        <translation>3(高速移動)</translation>
    </message>
</context>
<context>
    <name>mivo::KeyboardMap</name>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Keys of every window</source>
        <translation>全ウィンドウのキー</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copies the rows selected, or all of them, as text.</source>
        <translation>選択した行（選択がなければ全行）をテキストとしてコピーします。</translation>
    </message>
</context>
<context>
    <name>mivo::LineSwitch</name>
    <message>
        <source>Line switch</source>
        <translation>回線スイッチ</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
</context>
<context>
    <name>mivo::OffsetEditor</name>
    <message>
        <source>MIVO Editor [Offset]</source>
        <translation>MIVO Editor [オフセット]</translation>
    </message>
    <message>
        <source>Offset value</source>
        <translation>オフセット値</translation>
    </message>
    <message>
        <source>PgmNo.</source>
        <translation>プログラム番号</translation>
    </message>
</context>
<context>
    <name>mivo::PalletEditor</name>
    <message>
        <source>MIVO Editor [Pallet]</source>
        <translation>MIVO Editor [パレット]</translation>
    </message>
    <message>
        <source>PALLET No.</source>
        <translation>パレット番号</translation>
    </message>
    <message>
        <source>X section number</source>
        <translation>X分割数</translation>
    </message>
    <message>
        <source>Y section number</source>
        <translation>Y分割数</translation>
    </message>
</context>
<context>
    <name>mivo::ParameterEditor</name>
    <message>
        <source>MIVO Editor [Parameter]</source>
        <translation>MIVO Editor [パラメータ]</translation>
    </message>
</context>
<context>
    <name>mivo::PortDialog</name>
    <message>
        <source>MIVO Editor [COM Select]</source>
        <translation>MIVO Editor [COM選択]</translation>
    </message>
    <message>
        <source>COM set</source>
        <translation>COM設定</translation>
    </message>
    <message>
        <source>Serial ports found</source>
        <translation>検出されたシリアルポート</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>mivo::PrintDialog</name>
    <message>
        <source>Specify printing range</source>
        <translation>印刷範囲を指定してください</translation>
    </message>
    <message>
        <source>MIVO Editor [Print]</source>
        <translation>MIVO Editor [印刷]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Print stop</source>
        <translation>印刷停止</translation>
    </message>
    <message>
        <source>printing</source>
        <translation>印刷中</translation>
    </message>
</context>
<context>
    <name>mivo::ProgressDialog</name>
    <message>
        <source>Transferring</source>
        <translation>転送中</translation>
    </message>
    <message>
        <source>Stop transfer</source>
        <translation>転送停止</translation>
    </message>
</context>
<context>
    <name>mivo::RunChart</name>
    <message>
        <source>Mean %1</source>
        <translation>平均 %1</translation>
    </message>
    <message>
        <source>Run %1, %2, %3
Cycle %4</source>
        <translation>運転 %1, %2, %3
サイクル %4</translation>
    </message>
    <message>
        <source>, above the upper control limit</source>
        <translation>, 上方管理限界を超過</translation>
    </message>
    <message>
        <source>, below the lower control limit</source>
        <translation>, 下方管理限界を下回る</translation>
    </message>
    <message>
        <source>program changed</source>
        <translation>プログラム変更</translation>
    </message>
    <message>
        <source>No run with a cycle time to chart</source>
        <translation>グラフにするサイクルタイムのある運転がありません</translation>
    </message>
    <message>
        <source>Cycle time (s)</source>
        <translation>サイクルタイム (s)</translation>
    </message>
    <message>
        <source>All runs within the control limits</source>
        <translation>すべての運転が管理限界内</translation>
    </message>
    <message>
        <source>%1 run outside the control limits</source>
        <translation>%1 件の運転が管理限界外</translation>
    </message>
    <message>
        <source>%1 runs outside the control limits</source>
        <translation>%1 件の運転が管理限界外</translation>
    </message>
    <message>
        <source>Fewer than 2 cycles: no control limits</source>
        <translation>サイクルが2件未満: 管理限界なし</translation>
    </message>
    <message>
        <source>Runs shown, oldest first</source>
        <translation>表示中の運転 (古い順)</translation>
    </message>
    <message>
        <source>UCL %1</source>
        <translation>UCL %1</translation>
    </message>
    <message>
        <source>LCL %1</source>
        <translation>LCL %1</translation>
    </message>
</context>
<context>
    <name>mivo::RunTraceWindow</name>
    <message>
        <source>Path preview</source>
        <translation>軌跡プレビュー</translation>
    </message>
    <message>
        <source>&amp;Follow run</source>
        <translation>運転に追従(&amp;F)</translation>
    </message>
    <message>
        <source>The running step&apos;s row current at each scan of the monitor</source>
        <translation>モニタのスキャンごとに、実行中のステップの行を選択します。</translation>
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
    <name>mivo::StartScreen</name>
    <message>
        <source>MIVO Series Editor</source>
        <translation>MIVO Series Editor</translation>
    </message>
    <message>
        <source>Ver. </source>
        <translation>Ver. </translation>
    </message>
    <message>
        <source>Click the starting button</source>
        <translation>開始ボタンをクリックしてください</translation>
    </message>
    <message>
        <source>Start MIVO Editor</source>
        <translation>MIVO Editor を開始</translation>
    </message>
</context>
<context>
    <name>mivo::StepBars</name>
    <message>
        <source>Select a run to see where its cycle goes.</source>
        <translation>運転を選ぶとサイクルタイムの内訳を表示します。</translation>
    </message>
    <message>
        <source>No step times were kept for this run: the monitor was not on while it ran.</source>
        <translation>この運転のステップ時間は記録されていません。運転中にモニタがオンではありませんでした。</translation>
    </message>
    <message>
        <source>%1 steps, their times summed %2, in the order first visited</source>
        <translation>%1 ステップ、合計時間 %2、初回通過順</translation>
    </message>
    <message>
        <source>No step times were kept for either run: the monitor was not on while it ran.</source>
        <translation>どちらの運転もステップ時間は記録されていません。運転中にモニタがオンではありませんでした。</translation>
    </message>
    <message>
        <source>No step times were kept for the first run: the monitor was not on while it ran.</source>
        <translation>1番目の運転のステップ時間は記録されていません。運転中にモニタがオンではありませんでした。</translation>
    </message>
    <message>
        <source>No step times were kept for the second run: the monitor was not on while it ran.</source>
        <translation>2番目の運転のステップ時間は記録されていません。運転中にモニタがオンではありませんでした。</translation>
    </message>
    <message>
        <source>Second run %1 over all steps; slower at %2 step</source>
        <translation>2番目の運転は全ステップで %1、%2 ステップで遅い</translation>
    </message>
    <message>
        <source>Second run %1 over all steps; slower at %2 steps</source>
        <translation>2番目の運転は全ステップで %1、%2 ステップで遅い</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>ステップ %1</translation>
    </message>
    <message>
        <source>%1  slower</source>
        <translation>%1  遅い</translation>
    </message>
    <message>
        <source>not visited</source>
        <translation>未通過</translation>
    </message>
</context>
<context>
    <name>mivo::StepChooser</name>
    <message>
        <source>MIVO Editor [read]</source>
        <translation>MIVO Editor [読込]</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>ステップ番号</translation>
    </message>
    <message>
        <source>Select the step number to perform offset teaching.</source>
        <translation>オフセットをティーチングするステップ番号を選択してください。</translation>
    </message>
    <message>
        <source>GO movement starts when switching to the Teaching dialog box.</source>
        <translation>ティーチングダイアログに切り替えると GO 移動を開始します。</translation>
    </message>
    <message>
        <source>Read step</source>
        <translation>ステップ読込</translation>
    </message>
    <message>
        <source>Teaching dialog box</source>
        <translation>ティーチングダイアログ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>mivo::StepEditor</name>
    <message>
        <source>Grid: open the step&apos;s command-entry dialog</source>
        <translation>表: ステップのコマンド入力ダイアログを開く</translation>
    </message>
    <message>
        <source>Send/Receive Range, first step</source>
        <translation>送受信範囲、先頭ステップ</translation>
    </message>
    <message>
        <source>Send/Receive Range, last step</source>
        <translation>送受信範囲、最終ステップ</translation>
    </message>
    <message>
        <source>MIVO Editor [Main-Step]</source>
        <translation>MIVO Editor [メイン-ステップ]</translation>
    </message>
    <message>
        <source> Send/Receive Range </source>
        <translation> 送受信範囲 </translation>
    </message>
    <message>
        <source>Pgm No.  </source>
        <translation>Pgm 番号  </translation>
    </message>
    <message>
        <source>Program check</source>
        <translation>プログラムチェック</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>ステップ %1：%2</translation>
    </message>
    <message>
        <source>No findings: the program passes the check.</source>
        <translation>問題はありません。プログラムはチェックに合格しました。</translation>
    </message>
    <message>
        <source>The program&apos;s cycle from step 0 to its END by the motion law, before it runs</source>
        <translation>運転前に、運動則で求めたステップ 0 から END までのプログラムのサイクル</translation>
    </message>
    <message>
        <source>the parameter editor&apos;s values</source>
        <translation>パラメータエディタの値</translation>
    </message>
    <message>
        <source>robot 22&apos;s values</source>
        <translation>ロボット 22 の値</translation>
    </message>
    <message>
        <source>, calibrated for robot %1</source>
        <translation>、ロボット %1 用にキャリブレーション済み</translation>
    </message>
    <message>
        <source>Estimated cycle: - (%1)</source>
        <translation>見積りサイクル：-（%1）</translation>
    </message>
    <message>
        <source>   Limits: %1%2</source>
        <translation>   制限値：%1%2</translation>
    </message>
    <message>
        <source>   (far above the steps around it)</source>
        <translation>   （前後のステップよりかなり長い）</translation>
    </message>
    <message>
        <source>Cycle estimate</source>
        <translation>サイクル見積り</translation>
    </message>
    <message>
        <source>Calibrate from step times...</source>
        <translation>ステップ時間からキャリブレーション...</translation>
    </message>
    <message>
        <source>Fits the estimate to this robot from the step times saved after a run of this program (the direct screen&apos;s &quot;Save step times...&quot;)</source>
        <translation>このプログラムの運転後に保存したステップ時間（ダイレクト操作画面の「ステップ時間を保存...」）から、見積りをこのロボットに合わせます。</translation>
    </message>
    <message>
        <source>Forget calibration</source>
        <translation>キャリブレーションを破棄</translation>
    </message>
    <message>
        <source>Estimates with the parameters&apos; own accelerations again</source>
        <translation>パラメータ本来の加速度で再び見積ります。</translation>
    </message>
    <message>
        <source>Step times (*.csv)</source>
        <translation>ステップ時間 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Path preview</source>
        <translation>軌跡プレビュー</translation>
    </message>
</context>
<context>
    <name>mivo::StopStateMark</name>
    <message>
        <source>Stopping…</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止済み</translation>
    </message>
</context>
<context>
    <name>mivo::TeachScreen</name>
    <message>
        <source>MIVO Editor [Teach]</source>
        <translation>MIVO Editor [ティーチング]</translation>
    </message>
    <message>
        <source>X Position</source>
        <translation>X 位置</translation>
    </message>
    <message>
        <source>Y Position</source>
        <translation>Y 位置</translation>
    </message>
    <message>
        <source>Z Position</source>
        <translation>Z 位置</translation>
    </message>
    <message>
        <source>R Position</source>
        <translation>R 位置</translation>
    </message>
    <message>
        <source>X2 Position</source>
        <translation>X2 位置</translation>
    </message>
    <message>
        <source>Y2 Position</source>
        <translation>Y2 位置</translation>
    </message>
    <message>
        <source>X3 Position</source>
        <translation>X3 位置</translation>
    </message>
    <message>
        <source>Y3 Position</source>
        <translation>Y3 位置</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>原点復帰</translation>
    </message>
    <message>
        <source>Stop command</source>
        <translation>停止コマンド</translation>
    </message>
    <message>
        <source>Motor free</source>
        <translation>モータフリー</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Communication cancel</source>
        <translation>通信キャンセル</translation>
    </message>
    <message>
        <source>Circle,Pallet position</source>
        <translation>円弧・パレット位置</translation>
    </message>
    <message>
        <source>GO move</source>
        <translation>GO 移動</translation>
    </message>
    <message>
        <source>Pos %1</source>
        <translation>位置 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mivo::VersionDialog</name>
    <message>
        <source>MIVO Editor [Version]</source>
        <translation>MIVO Editor [バージョン]</translation>
    </message>
    <message>
        <source>Support software</source>
        <translation>サポートソフトウェア</translation>
    </message>
    <message>
        <source>Ver. : </source>
        <translation>Ver. : </translation>
    </message>
    <message>
        <source>MIVO main unit</source>
        <translation>MIVO 本体</translation>
    </message>
    <message>
        <source>Main Ver. : </source>
        <translation>メイン Ver. : </translation>
    </message>
    <message>
        <source>Xsub Ver. : </source>
        <translation>Xサブ Ver. : </translation>
    </message>
    <message>
        <source>Ysub Ver. : </source>
        <translation>Yサブ Ver. : </translation>
    </message>
    <message>
        <source>Zsub Ver. : </source>
        <translation>Zサブ Ver. : </translation>
    </message>
    <message>
        <source>Rsub Ver. : </source>
        <translation>Rサブ Ver. : </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
