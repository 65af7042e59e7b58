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
</context>
</TS>
