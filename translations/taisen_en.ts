<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <source>強さ: 1 適当、2 普通、3 強い、4 最強（既定 3）。</source>
        <translation>Strength: 1 適当, 2 普通, 3 強い, 4 最強 (Strongest) (default 3).</translation>
    </message>
    <message>
        <source>強さは 1、2、3、4 のどれかです: %1</source>
        <translation>The strength is one of 1, 2, 3 and 4: %1</translation>
    </message>
</context>
<context>
    <name>computer::ComputerPlayer</name>
    <message>
        <source>サーバーとの接続が切れました</source>
        <translation>The connection to the server was lost</translation>
    </message>
    <message>
        <source>サーバー %1 に接続できません</source>
        <translation>Cannot connect to the server %1</translation>
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
    <name>ui::Tbootform</name>
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
        <source>◆サーバーと接続完了</source>
        <translation>◆Connected to the host</translation>
    </message>
    <message>
        <source>対戦ゲム&#x3000;ロビー 【クライアント】</source>
        <translation>Taisen Lobby [guest]</translation>
    </message>
    <message>
        <source>▲サーバーとの接続に失敗しました</source>
        <translation>▲Could not connect to the host</translation>
    </message>
    <message>
        <source>対戦ゲム&#x3000;ロビー</source>
        <translation>Taisen Lobby</translation>
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
        <source>対戦ゲム&#x3000;ロビー 【サーバー】</source>
        <translation>Taisen Lobby [host]</translation>
    </message>
    <message>
        <source>◆サーバーを終了しました</source>
        <translation>◆Stopped hosting</translation>
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
        <translation>適当</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>強い</source>
        <translation>強い</translation>
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
</context>
<context>
    <name>ui::Tmainform</name>
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
        <source>移動中：%1,%2</source>
        <translation>Cell: %1,%2</translation>
    </message>
</context>
</TS>
