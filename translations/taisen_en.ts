<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BoardTheme</name>
    <message>
        <source>青磁</source>
        <translation>Celadon</translation>
    </message>
    <message>
        <source>木目</source>
        <translation>Wood</translation>
    </message>
    <message>
        <source>ハイコントラスト</source>
        <translation>High contrast</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>このヘルプを表示して終了します。</source>
        <translation>Displays this help and exits.</translation>
    </message>
    <message>
        <source>版番号を表示して終了します。</source>
        <translation>Displays the version and exits.</translation>
    </message>
    <message>
        <source>対戦ゲム: ローカルネットワークで4人で遊ぶ盤ゲーム</source>
        <translation>Taisen: a board game for four players on the local network</translation>
    </message>
    <message>
        <source>窓を開かず、コンピューターとして ADDRESS のサーバーに参加します。</source>
        <translation>Joins the server at ADDRESS as a computer player, without a window.</translation>
    </message>
    <message>
        <source>サーバーのポート番号（既定 18389）。</source>
        <translation>The server&apos;s port (default 18389).</translation>
    </message>
    <message>
        <source>コンピューターの名前（既定 CPU）。</source>
        <translation>The computer player&apos;s name (default CPU).</translation>
    </message>
    <message>
        <source>知らないオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>余分な引数です: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--computer にサーバーのアドレスを指定してください</source>
        <translation>Give --computer the server&apos;s address</translation>
    </message>
    <message>
        <source>ポート番号は 0 から 65535 の整数です: %1</source>
        <translation>The port is a whole number from 0 to 65535: %1</translation>
    </message>
    <message>
        <source>強さ: 1 適当、2 普通、3 強い、4 最強（既定 3）。</source>
        <translation>Level: 1 random, 2 normal, 3 strong, 4 strongest (default 3).</translation>
    </message>
    <message>
        <source>強さは 1、2、3、4 のどれかです: %1</source>
        <translation>The level is 1, 2, 3 or 4: %1</translation>
    </message>
    <message>
        <source>対戦の記録を DIR に書きます。</source>
        <translation>Writes the games&apos; records into DIR.</translation>
    </message>
    <message>
        <source>対戦の記録 FILE を再生します。</source>
        <translation>Replays the game record FILE.</translation>
    </message>
    <message>
        <source>対戦の記録 FILE を分析し、手ごとの勝つ見込みと悪手を窓を開かずに書き出します。</source>
        <translation>Analyzes the game record FILE without a window and prints each move&apos;s chances to win and the mistakes.</translation>
    </message>
    <message>
        <source>--effort は --analyze と一緒に使います</source>
        <translation>--effort goes with --analyze</translation>
    </message>
    <message>
        <source>分析の手間は 1 から %1 の整数です: %2</source>
        <translation>The effort of the analysis is a whole number from 1 to %1: %2</translation>
    </message>
    <message>
        <source>コンピューター3人と一人で遊ぶゲームをすぐに始めます。</source>
        <translation>Start a game alone against three computer players at once.</translation>
    </message>
    <message>
        <source>一人で遊ぶときの盤のサイズ（%1 から %2）。</source>
        <translation>The board&apos;s size in a game alone (%1 to %2).</translation>
    </message>
    <message>
        <source>一人で遊ぶときのスコア: points（得点制）か count（個数制）。</source>
        <translation>The scoring rule in a game alone: points or count.</translation>
    </message>
    <message>
        <source>--%1 は --alone と一緒に使います</source>
        <translation>--%1 goes with --alone</translation>
    </message>
    <message>
        <source>--alone と --%1 は一緒に使えません</source>
        <translation>--alone and --%1 cannot be used together</translation>
    </message>
    <message>
        <source>盤のサイズは %1 から %2 の整数です: %3</source>
        <translation>The board&apos;s size is a whole number from %1 to %2: %3</translation>
    </message>
    <message>
        <source>スコアは points か count です: %1</source>
        <translation>The scoring rule is points or count: %1</translation>
    </message>
    <message>
        <source>%1 を起動できません: %2</source>
        <translation>%1 cannot be started: %2</translation>
    </message>
    <message>
        <source>分析の手間: 一局面のプレイアウト数（既定 %1、%2 × %2 より大きい盤では少なく）。</source>
        <translation>Effort of the analysis: playouts per position (default %1, fewer on boards larger than %2 × %2).</translation>
    </message>
    <message>
        <source>ブラウザー用ページのポート番号（既定はサーバーのポート + 1、0 で出さない）。</source>
        <translation>Port of the page for browsers (default the server port + 1, 0 for none).</translation>
    </message>
</context>
<context>
    <name>HelpKey</name>
    <message>
        <source>記録と成績</source>
        <translation>Records and standings</translation>
    </message>
    <message>
        <source>遊び方（この画面）</source>
        <translation>How to play (this window)</translation>
    </message>
    <message>
        <source>打てる所を表示</source>
        <translation>Show legal cells</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>新しいゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>消音と音の戻し</source>
        <translation>Mute and unmute</translation>
    </message>
    <message>
        <source>一手戻る</source>
        <translation>Back one move</translation>
    </message>
    <message>
        <source>一手進む</source>
        <translation>Forward one move</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analyze</translation>
    </message>
</context>
<context>
    <name>computer::Headless</name>
    <message>
        <source>ホストが接続を閉じたので、コンピューターも終わります。</source>
        <translation>The host closed the connection, so this computer player ends too.</translation>
    </message>
</context>
<context>
    <name>match::ComputerGuest</name>
    <message>
        <source>サーバー %1 に接続できません</source>
        <translation>Cannot connect to the server %1</translation>
    </message>
</context>
<context>
    <name>match::GuestTable</name>
    <message>
        <source>▲あなたの手は間に合わず、サーバーが打った手に置き換えました</source>
        <translation>▲Your move came too late; the server&apos;s move for your seat replaced it</translation>
    </message>
</context>
<context>
    <name>match::Station</name>
    <message>
        <source>接続中は一人で遊べません</source>
        <translation>A game alone cannot start while hosting or joined</translation>
    </message>
    <message>
        <source>◆ゲーム画面を閉じました。このゲームの残りは自動で打ちます</source>
        <translation>◆The game window was closed; the rest of this game is played automatically</translation>
    </message>
    <message>
        <source>◆ゲーム画面に戻りました</source>
        <translation>◆Back in the game window</translation>
    </message>
    <message>
        <source>▲サーバーとの接続が切れました</source>
        <translation>▲The connection to the host was lost</translation>
    </message>
    <message>
        <source>▲サーバーとの接続に失敗しました</source>
        <translation>▲Could not connect to the host</translation>
    </message>
    <message>
        <source>◆サーバーと接続完了</source>
        <translation>◆Connected to the host</translation>
    </message>
    <message>
        <source>◆サーバーから切断しました</source>
        <translation>◆Left the host</translation>
    </message>
    <message>
        <source>◆サーバーとして接続を待機中</source>
        <translation>◆Hosting: waiting for guests</translation>
    </message>
    <message>
        <source>◆サーバーを終了しました</source>
        <translation>◆Stopped hosting</translation>
    </message>
</context>
<context>
    <name>net</name>
    <message>
        <source>Windows ソケットエラー： %1 (%2) [API &apos;%3&apos;]</source>
        <translation>Socket error: %1 (%2) [API &apos;%3&apos;]</translation>
    </message>
    <message>
        <source>非同期ソケットエラー %1</source>
        <translation>Asynchronous socket error %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a whole number</translation>
    </message>
    <message>
        <source>▲受信した手を盤に置けません。盤面が他の端末と食い違っています</source>
        <translation>▲A move received cannot be placed on the board. This board no longer agrees with the other stations</translation>
    </message>
</context>
<context>
    <name>net::WebServer</name>
    <message>
        <source>◆ブラウザー用のページを出せません（ポート%1）：%2</source>
        <translation>◆The page for browsers cannot be served (port %1): %2</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>フォルダ</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>名前付きパイプ</source>
        <translation>a named pipe</translation>
    </message>
    <message>
        <source>デバイス</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>ソケット</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>普通のファイルではありません（%1）</source>
        <translation>Not a regular file (%1)</translation>
    </message>
    <message>
        <source>フォルダ %1 を作れません</source>
        <translation>The folder %1 cannot be made</translation>
    </message>
    <message>
        <source>記録 %1 を書けません: %2</source>
        <translation>The record %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>対戦の記録としては大きすぎます</source>
        <translation>Too large for a game record</translation>
    </message>
    <message>
        <source>対戦の記録ではありません</source>
        <translation>Not a game record</translation>
    </message>
</context>
<context>
    <name>record::Parser</name>
    <message>
        <source>手でも結果でもない行です</source>
        <translation>A line that is neither a move nor a result</translation>
    </message>
    <message>
        <source>記録が途中で切れています</source>
        <translation>The record is cut short</translation>
    </message>
    <message>
        <source>対戦の記録ではありません</source>
        <translation>Not a game record</translation>
    </message>
    <message>
        <source>日時が読めません</source>
        <translation>The date cannot be read</translation>
    </message>
    <message>
        <source>盤の大きさが読めません</source>
        <translation>The board size cannot be read</translation>
    </message>
    <message>
        <source>得点方法が読めません</source>
        <translation>The scoring rule cannot be read</translation>
    </message>
    <message>
        <source>制限時間が読めません</source>
        <translation>The time limit cannot be read</translation>
    </message>
    <message>
        <source>回転の有無が読めません</source>
        <translation>Whether the jewels rotate cannot be read</translation>
    </message>
    <message>
        <source>%1番席の名前が読めません</source>
        <translation>The name of seat %1 cannot be read</translation>
    </message>
    <message>
        <source>この端末の席が読めません</source>
        <translation>This station&apos;s seat cannot be read</translation>
    </message>
    <message>
        <source>手が多すぎます</source>
        <translation>Too many moves</translation>
    </message>
    <message>
        <source>手の席が読めません</source>
        <translation>A move&apos;s seat cannot be read</translation>
    </message>
    <message>
        <source>手のマスが盤にありません</source>
        <translation>A move&apos;s cell is not on the board</translation>
    </message>
    <message>
        <source>結果が読めません</source>
        <translation>The result cannot be read</translation>
    </message>
    <message>
        <source>結果の後に行が続いています</source>
        <translation>Lines follow the result</translation>
    </message>
</context>
<context>
    <name>record::Replay</name>
    <message>
        <source>%1手目: 対戦はもう終わっています</source>
        <translation>Move %1: the game is already over</translation>
    </message>
    <message>
        <source>%1手目: %2番席の手番ではありません</source>
        <translation>Move %1: it is not seat %2&apos;s turn</translation>
    </message>
    <message>
        <source>%1手目: %2 には打てません</source>
        <translation>Move %1: no face may go on %2</translation>
    </message>
    <message>
        <source>記録の結果と、手から求めた結果が違います</source>
        <translation>The record&apos;s result differs from the one its moves give</translation>
    </message>
</context>
<context>
    <name>rules::Game</name>
    <message>
        <source>Kuralo&#x3000;サイズ%1</source>
        <translation>Kuralo  size %1</translation>
    </message>
    <message>
        <source>リストのインデックスが範囲を超えています (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>時間制限 無し</source>
        <translation>No time limit</translation>
    </message>
    <message>
        <source>%1個</source>
        <translation>%1 faces</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>＋%1点</source>
        <translation>+%1 pts</translation>
    </message>
    <message>
        <source>Kuralo 【あなたの番です】</source>
        <translation>Kuralo [your turn]</translation>
    </message>
    <message>
        <source>Kuralo 【%1さんの番です】</source>
        <translation>Kuralo [%1&apos;s turn]</translation>
    </message>
    <message>
        <source>終了！</source>
        <translation>Finished!</translation>
    </message>
    <message>
        <source>ゲーム終了&#x3000;</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>Time up</translation>
    </message>
    <message>
        <source>残り%1秒</source>
        <translation>%1 s left</translation>
    </message>
    <message>
        <source>ゲーム中断&#x3000;</source>
        <translation>Game stopped</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>ビットマップイメージが不正です</source>
        <translation>Invalid bitmap image</translation>
    </message>
    <message>
        <source>対戦ゲム</source>
        <translation>Taisen</translation>
    </message>
    <message>
        <source>%1位 %2 %3点</source>
        <translation>#%1 %2 %3 pts</translation>
    </message>
    <message>
        <source>◆結果&#x3000;</source>
        <translation>◆Result: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>%1位 %2 %3個</source>
        <translation>#%1 %2 %3 faces</translation>
    </message>
    <message>
        <source>%1個</source>
        <translation>%1 faces</translation>
    </message>
    <message>
        <source>続ける</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ui::AloneDialog</name>
    <message>
        <source>赤</source>
        <translation>red</translation>
    </message>
    <message>
        <source>青</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>green</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>black</translation>
    </message>
    <message>
        <source>%1番席（%2）</source>
        <translation>Seat %1 (%2)</translation>
    </message>
    <message>
        <source>一人で遊ぶ</source>
        <translation>Play alone</translation>
    </message>
    <message>
        <source>あなたの席</source>
        <translation>Your seat</translation>
    </message>
    <message>
        <source>CPU%1：%2</source>
        <translation>CPU%1: %2</translation>
    </message>
</context>
<context>
    <name>ui::Analysis</name>
    <message>
        <source>分析中 %1/%2 手</source>
        <translation>Analysing: %1 of %2 moves judged</translation>
    </message>
</context>
<context>
    <name>ui::AnalysisOffer</name>
    <message>
        <source>この対戦を分析</source>
        <translation>Analyze this game</translation>
    </message>
    <message>
        <source>今の対戦の記録を再生し、各局面を分析します</source>
        <translation>Replays the record of this game and analyzes every position</translation>
    </message>
</context>
<context>
    <name>ui::ChanceGraph</name>
    <message>
        <source>%1番席 %2%</source>
        <translation>seat %1 %2%</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>得点の取り分の見込みのグラフ</source>
        <translation>Expected share of the points, move by move</translation>
    </message>
</context>
<context>
    <name>ui::ErrorBox</name>
    <message numerus="yes">
        <source>…ほか %n 件</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::HowToPlay</name>
    <message>
        <source>盤と初めの配置</source>
        <translation>The board and the starting layout</translation>
    </message>
    <message>
        <source>4人が1つの盤で遊びます。座席は1 赤（サーバー）、2 青、3 緑、4 黒で、この順に番が回ります。盤は一辺6から26マスです。各座席は中央の隣に宝石を1つと、その近くに顔をいくつか持って始めます。</source>
        <translation>Four players play on one board. The seats are 1 red (the host), 2 blue, 3 green and 4 black, and the turn goes round in that order. The board is 6 to 26 cells a side. Each seat starts with one jewel next to the centre and a few faces near it.</translation>
    </message>
    <message>
        <source>置き方と取り方</source>
        <translation>Placing and capturing</translation>
    </message>
    <message>
        <source>空いたマスに自分の顔を置きます。8方向のどれかで、ほかの座席の顔の並びを自分の顔か自分の宝石ではさめるマスにだけ置けます。はさんだ並びはすべて自分の色になります。宝石は色が変わらず、並びは宝石を越えません。置けないマスを選ぶとブザーが鳴るだけです。</source>
        <translation>Place one of your faces on an empty cell. A face may go only where, in at least one of the eight directions, it closes a line of other seats&apos; faces with your own face or your own jewel. Every closed line turns to your colour. Jewels never change colour, and a line never passes over one. Choosing a cell where no face may go only buzzes.</translation>
    </message>
    <message>
        <source>パスと終わり</source>
        <translation>Passes and the end</translation>
    </message>
    <message>
        <source>置けるマスがないときや置きたくないときは「パス」を押します。盤が埋まるか、パスが4回続くとゲームは終わり、盤の横に順位が出ます。同点は同じ順位です。</source>
        <translation>When no face may go, or you do not want to place one, press Pass. The game ends when the board is full or after four passes in a row; the places then show beside the board. Equal scores share a place.</translation>
    </message>
    <message>
        <source>得点制と個数制</source>
        <translation>The two scoring rules</translation>
    </message>
    <message>
        <source>得点制：1回の置きで取ったk個目の顔がk点です。3個取れば1+2+3で6点です。</source>
        <translation>Points: the k-th face captured by one placement scores k points, so capturing three scores 1 + 2 + 3 = 6.</translation>
    </message>
    <message>
        <source>個数制：得点は盤の上の自分の顔の数に従います。</source>
        <translation>Count: your score follows the number of your faces on the board.</translation>
    </message>
    <message>
        <source>宝石回転</source>
        <translation>Jewel rotation</translation>
    </message>
    <message>
        <source>サーバーが「宝石回転」を選ぶと、自分の宝石ではさんで取った置きのあと、4つの宝石が中央のまわりを時計回りに1マス動きます。</source>
        <translation>When the host has ticked Rotation, a placement whose capture was closed by the mover&apos;s own jewel turns all four jewels one cell clockwise round the centre.</translation>
    </message>
    <message>
        <source>時間制限と自動打ち</source>
        <translation>The time limit and automatic play</translation>
    </message>
    <message>
        <source>サーバーが「行動制限時間」を決めると、時間内に置かない番はパスになります。</source>
        <translation>When the host sets a time limit per turn, a turn in which nothing is placed in time passes.</translation>
    </message>
    <message>
        <source>「自動適当打ち(次から)」を選ぶと、次の番から置けるマスのどれかに自動で打ちます。ゲームの途中でゲーム画面を閉じると、そのゲームの終わりまで自動で打ちます。ロビーの参加者で自分の名前をダブルクリックすると（または右クリックの「ゲーム画面を表示」で）戻れます。</source>
        <translation>With Auto (next turn) ticked, the station places a face on a random legal cell from your next turn on. Closing the game window during a game does the same until the game ends; double-click your own name in the lobby&apos;s member list (or choose Show the game window on its right-click menu) to come back.</translation>
    </message>
    <message>
        <source>クリックでそのマスに置きます。矢印キー、Home、End、PageUp、PageDownで枠を動かし、EnterかSpaceで置きます。</source>
        <translation>A click places a face on that cell. The arrow keys, Home, End, Page Up and Page Down move the cursor frame; Enter or Space places a face there.</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>遊び方 (F1)</source>
        <translation>How to play (F1)</translation>
    </message>
    <message>
        <source>ロビー</source>
        <translation>Lobby</translation>
    </message>
    <message>
        <source>ゲーム画面</source>
        <translation>Game window</translation>
    </message>
    <message>
        <source>記録の再生</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>盤の操作と座標</source>
        <translation>Controls of the board and its coordinates</translation>
    </message>
    <message>
        <source>盤の上の文字が列、左の数字が行で、C10は左から3列目、上から10行目のマスです。状態表示、ヒント、記録の手の一覧と分析も、マスをこの名前で示します。座標は窓に余地があるときに表示されます。</source>
        <translation>The letters above the board name the columns and the numbers at its left the rows: C10 is the third column from the left, the tenth row from the top. The status bar, the hint, the move list of a replay and the analysis name cells the same way. The coordinates show when the window has room for them.</translation>
    </message>
    <message>
        <source>一人で遊ぶ</source>
        <translation>Play alone</translation>
    </message>
    <message>
        <source>ロビーの「一人で遊ぶ」を押すと、3人のコンピューターを相手にこのパソコンだけですぐ始まり、最初の番はあなたです。ボタンの小さな矢印の「相手と席を選ぶ...」で自分の席とコンピューターの強さを選べます。盤の大きさや得点制はロビーのゲーム設定に従います。</source>
        <translation>Press Play alone in the lobby: a game against three computer players starts at once on this computer only, and the first turn is yours. The small arrow of the button offers Choose opponents and seat..., where you choose your seat and the computers&apos; levels. The board size and the scoring rule are the lobby&apos;s game settings.</translation>
    </message>
    <message>
        <source>待った・やり直し・新しいゲーム</source>
        <translation>Undo, redo and new game</translation>
    </message>
    <message>
        <source>一人で遊ぶときは、「待った」で自分の前の番まで戻し（コンピューターの手も一緒に）、「やり直し」で戻した手をもう一度打ちます。「新しいゲーム」で次のゲームを始めます。ゲーム画面の下と盤の右クリックにあります。</source>
        <translation>In a game alone, Undo takes the board back to your previous turn (the computers&apos; replies with it) and Redo plays the moves taken back again. New game starts the next game. All three are at the bottom of the game window and on the board&apos;s right-click menu.</translation>
    </message>
    <message>
        <source>ネットワークのゲームでは待ったはできず、新しいゲームはサーバーの「ゲム開始」です。</source>
        <translation>A network game cannot be undone; its new game is the host&apos;s Start game.</translation>
    </message>
    <message>
        <source>記録・再生・分析</source>
        <translation>Records, replay and analysis</translation>
    </message>
    <message>
        <source>対戦はすべて記録されます。ロビーの「記録」で対戦と成績の一覧を開き、対戦を選んで「再生」を押すとその対戦を一手ずつ見られます。</source>
        <translation>Every game is recorded. Records in the lobby lists the games and the standings; choose a game and press Play to see it move by move.</translation>
    </message>
    <message>
        <source>再生の画面で「分析」を押すと、どの局面も探索して各席の勝つ見込みをグラフに描き、悪手に印を付け、その局面で探索が選んだマスを示します。終わったばかりの対戦は、ゲーム画面の「この対戦を分析」から開けます。</source>
        <translation>In the replay, Analyze searches every position, draws each seat&apos;s chance as a graph, marks the mistakes and shows the cell the search preferred there. A game just finished opens from Analyze this game in the game window.</translation>
    </message>
    <message>
        <source>ネットワークで・コンピューターと</source>
        <translation>On a network, with computer players</translation>
    </message>
    <message>
        <source>1人が「待機開始」でサーバーになり、ほかの人は「クライアントとして接続」を選んでサーバーのIPアドレスとポート番号を入れ、「接続」を押します。</source>
        <translation>One player presses Host and becomes the host; the others choose Join a host, type the host&apos;s IP address and port, and press Join.</translation>
    </message>
    <message>
        <source>足りない席はサーバーが埋められます。参加者の見出しの＋（または参加者一覧の右クリック）で「コンピューターを加える」と強さを選びます。4人そろうとサーバーが「ゲム開始」を押せます。</source>
        <translation>The host fills the seats nobody takes: the + beside the players&apos; heading (or a right click on the player list) adds a computer player of a chosen level. When all four are there, the host can press Start game.</translation>
    </message>
    <message>
        <source>スマートフォンやタブレットは、アプリを入れずにブラウザーから参加できます。サーバーのロビーが示すコードでブラウザーから入ります。</source>
        <translation>Phones and tablets join from a web browser, with nothing to install: open the host with the code its lobby shows.</translation>
    </message>
    <message>
        <source>見た目と音</source>
        <translation>Look and sound</translation>
    </message>
    <message>
        <source>盤の右クリックの「表示と音の設定...」で、盤の色（ハイコントラストを含む3種類）、座標の表示、音量を選べます。Mで音を消し、もう一度Mで戻します。どれも次に起動したときにも残ります。</source>
        <translation>Look and sound... on the board&apos;s right-click menu chooses the board&apos;s colours (three themes, one of high contrast), whether the coordinates show, and the volume. M mutes the sounds and M again brings them back. All of it is kept for the next start.</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>ui::LookControls</name>
    <message>
        <source>表示と音の設定...</source>
        <translation>Look and sound...</translation>
    </message>
    <message>
        <source>消音</source>
        <translation>Mute</translation>
    </message>
</context>
<context>
    <name>ui::LookDialog</name>
    <message>
        <source>表示と音</source>
        <translation>Look and sound</translation>
    </message>
    <message>
        <source>盤の色</source>
        <translation>Board colours</translation>
    </message>
    <message>
        <source>盤の座標を表示</source>
        <translation>Show the board&apos;s coordinates</translation>
    </message>
    <message>
        <source>座標</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>消音 (M)</source>
        <translation>Mute (M)</translation>
    </message>
    <message>
        <source>消音</source>
        <translation>Mute</translation>
    </message>
</context>
<context>
    <name>ui::RecordsWindow</name>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>名前で絞り込む</source>
        <translation>Filter by name</translation>
    </message>
    <message>
        <source>再読込</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>盤</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>得点方法</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>参加者</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>勝者</source>
        <translation>Winner</translation>
    </message>
    <message>
        <source>対戦</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>対戦数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>平均順位</source>
        <translation>Average place</translation>
    </message>
    <message>
        <source>最高得点</source>
        <translation>Best score</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Standings</translation>
    </message>
    <message>
        <source>%1×%1</source>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>（未完了）</source>
        <translation>(unfinished)</translation>
    </message>
</context>
<context>
    <name>ui::ReplayWindow</name>
    <message>
        <source>記録の再生 %1</source>
        <translation>Replay of %1</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>盤</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>手の一覧</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>最初へ</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>一手戻る</source>
        <translation>Back one move</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>一手進む</source>
        <translation>Forward one move</translation>
    </message>
    <message>
        <source>最後へ</source>
        <translation>To the end</translation>
    </message>
    <message>
        <source>再生の速さ</source>
        <translation>Replay speed</translation>
    </message>
    <message>
        <source>%1秒に1手</source>
        <translation>One move every %1 s</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>パス</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>（未完了の対戦）</source>
        <translation>(unfinished game)</translation>
    </message>
    <message>
        <source>この手の評価</source>
        <translation>Verdict on this move</translation>
    </message>
    <message>
        <source>%1&#x3000;✗悪手</source>
        <translation>%1  ✗ mistake</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analyze</translation>
    </message>
    <message>
        <source>分析の進み具合</source>
        <translation>Analysis progress</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>分析を中止</source>
        <translation>Cancel the analysis</translation>
    </message>
    <message>
        <source>%1&#x3000;悪手。探索の選ぶ手は %2（盤の◆）</source>
        <translation>%1. A mistake: the search prefers %2 (◆ on the board)</translation>
    </message>
    <message>
        <source>どの局面も探索して、各席の得点の取り分の見込みと悪手を示します（A）</source>
        <translation>Searches every position and shows each seat&apos;s expected share of the points and the mistakes (A)</translation>
    </message>
    <message>
        <source>盤の下のグラフ: 各席の得点の取り分の見込み</source>
        <translation>The graph below the board: each seat&apos;s expected share of the points</translation>
    </message>
    <message>
        <source>%1手目 %2: 得点の取り分の見込み %3% → %4%</source>
        <translation>Move %1, %2: expected share of the points %3% → %4%</translation>
    </message>
</context>
<context>
    <name>ui::Tbootform</name>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>対戦ゲム&#x3000;ロビー (for Kuralo ver1.7)</source>
        <translation>Taisen Lobby (for Kuralo ver1.7)</translation>
    </message>
    <message>
        <source>盤のサイズ：%1</source>
        <translation>Board size: %1</translation>
    </message>
    <message>
        <source>行動制限時間：なし</source>
        <translation>Time per move: none</translation>
    </message>
    <message>
        <source>行動制限時間：%1秒</source>
        <translation>Time per move: %1 s</translation>
    </message>
    <message>
        <source>対戦ゲム&#x3000;ロビー 【クライアント】</source>
        <translation>Taisen Lobby [guest]</translation>
    </message>
    <message>
        <source>対戦ゲム&#x3000;ロビー</source>
        <translation>Taisen Lobby</translation>
    </message>
    <message>
        <source>対戦ゲム&#x3000;ロビー 【サーバー】</source>
        <translation>Taisen Lobby [host]</translation>
    </message>
    <message>
        <source>お名前</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>ポート番号</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>サウンドを使用する</source>
        <translation>Use sound</translation>
    </message>
    <message>
        <source>接続方式</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>サーバーとして待機</source>
        <translation>Host a game</translation>
    </message>
    <message>
        <source>クライアントとして接続</source>
        <translation>Join a host</translation>
    </message>
    <message>
        <source>ローカルかもしれないあなたのIP</source>
        <translation>Your IP (maybe local only)</translation>
    </message>
    <message>
        <source>待機開始</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>接続先IPアドレス</source>
        <translation>Host&apos;s IP address</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>切断</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>得点制</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>個数制</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>盤のサイズ：8</source>
        <translation>Board size: 8</translation>
    </message>
    <message>
        <source>宝石回転</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>ゲム開始</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source> 会話</source>
        <translation> Chat</translation>
    </message>
    <message>
        <source> 参加者</source>
        <translation> Members</translation>
    </message>
    <message>
        <source>送信</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>ドラッグでサイズ変更が可能です</source>
        <translation>Drag the window&apos;s edges to resize it</translation>
    </message>
    <message>
        <source>コンピューターの対戦相手</source>
        <translation>Computer players</translation>
    </message>
    <message>
        <source>コンピューターの対戦相手を加える・外す</source>
        <translation>Add or remove computer players</translation>
    </message>
    <message>
        <source>適当</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>強い</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>最強</source>
        <translation>Strongest</translation>
    </message>
    <message>
        <source>コンピューターを加える（%1）</source>
        <translation>Add a computer player (%1)</translation>
    </message>
    <message>
        <source>コンピューターを外す</source>
        <translation>Remove this computer player</translation>
    </message>
    <message>
        <source>ゲーム画面を表示</source>
        <translation>Show the game window</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>これまでの対戦の記録と成績</source>
        <translation>Games played so far, and standings</translation>
    </message>
    <message>
        <source>ゲームの途中です。ロビーを閉じると、このゲームを抜けて終了します。</source>
        <translation>A game is running. Closing the lobby leaves this game and ends the program.</translation>
    </message>
    <message>
        <source>参加者を外す</source>
        <translation>Send this member away</translation>
    </message>
    <message>
        <source>一人で遊ぶ</source>
        <translation>Play alone</translation>
    </message>
    <message>
        <source>コンピューター3人とすぐに対戦します（ネットワークは使いません）</source>
        <translation>Play three computer players at once (no network)</translation>
    </message>
    <message>
        <source>相手と席を選ぶ...</source>
        <translation>Choose opponents and seat...</translation>
    </message>
    <message>
        <source>対戦ゲム</source>
        <translation>Taisen</translation>
    </message>
    <message>
        <source>%1さんが別のアドレスから%2番席に戻ろうとしています。席を返しますか？
返さなければ、新しい参加者として観戦します。</source>
        <translation>%1 wants to take seat %2 back from another address. Give the seat back?
If not, %1 watches as a new member.</translation>
    </message>
    <message>
        <source>ゲームの途中です。閉じると、このゲームは中断します。</source>
        <translation>The game is not over. Closing the window stops this game.</translation>
    </message>
</context>
<context>
    <name>ui::Tmainform</name>
    <message>
        <source>盤</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>%1、%2番席、%3</source>
        <translation>%1, seat %2, %3</translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, to move</translation>
    </message>
    <message>
        <source>空き</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>赤の顔</source>
        <translation>red face</translation>
    </message>
    <message>
        <source>青の顔</source>
        <translation>blue face</translation>
    </message>
    <message>
        <source>緑の顔</source>
        <translation>green face</translation>
    </message>
    <message>
        <source>黒の顔</source>
        <translation>black face</translation>
    </message>
    <message>
        <source>赤の宝石</source>
        <translation>red jewel</translation>
    </message>
    <message>
        <source>青の宝石</source>
        <translation>blue jewel</translation>
    </message>
    <message>
        <source>緑の宝石</source>
        <translation>green jewel</translation>
    </message>
    <message>
        <source>黒の宝石</source>
        <translation>black jewel</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>、打てる</source>
        <translation>, legal</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>累計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>時間制限 無し</source>
        <translation>No time limit</translation>
    </message>
    <message>
        <source>パス</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>自動適当打ち(次から)</source>
        <translation>Auto (next turn)</translation>
    </message>
    <message>
        <source>打てる所を表示</source>
        <translation>Show legal cells</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>打てる所がありません：パスです</source>
        <translation>No face may go anywhere: pass</translation>
    </message>
    <message>
        <source>ゲームの途中です。閉じると、このゲームの終わりまで自動で打ちます。</source>
        <translation>A game is running. If you close the window, this station plays your turns automatically until the game ends.</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>新しいゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ゲームの途中です。閉じると、このゲームは中断します。</source>
        <translation>The game is not over. Closing the window stops this game.</translation>
    </message>
    <message>
        <source>ヒント：%1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>移動中：%1</source>
        <translation>Cell: %1</translation>
    </message>
</context>
<context>
    <name>ui::WebPageButton</name>
    <message>
        <source>ブラウザーから参加</source>
        <translation>Join from a browser</translation>
    </message>
    <message>
        <source>スマートフォンなどのブラウザーから参加できるページ</source>
        <translation>The page through which phones and other browsers join</translation>
    </message>
    <message>
        <source>ブラウザーから参加できるようにする</source>
        <translation>Let browsers join</translation>
    </message>
    <message>
        <source>ページのアドレスとQRコード...</source>
        <translation>The page&apos;s address and QR code...</translation>
    </message>
    <message>
        <source>同じネットワークのスマートフォンでQRコードを読むか、アドレスを開いてください。</source>
        <translation>On a phone on the same network, scan the QR code or open the address.</translation>
    </message>
    <message>
        <source>%1 のQRコード</source>
        <translation>QR code of %1</translation>
    </message>
    <message>
        <source>携帯</source>
        <translation>☎</translation>
    </message>
</context>
</TS>
