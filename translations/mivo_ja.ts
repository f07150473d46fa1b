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
        <translation>ステップ(&amp;S)</translation>
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
        <translation>ステップ(&amp;S)</translation>
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
        <translation>運転履歴(&amp;H)</translation>
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
