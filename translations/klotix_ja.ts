<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>落ち物パズルゲームです。引数なしで起動すると、メインウィンドウが開きます。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>「%1」は予期しない引数です。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>一時停止中…続けるには何かキーを押してください</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>ゲームをやめますか？</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>ゲームオーバー！</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1：%2点（低速）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1：%2点（中速）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1：%2点（高速）</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>結果を保存できませんでした。

ファイル：%1
理由：%2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>結果を保存できませんでした。

フォルダー：%1
理由：%2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>プレイヤー名：</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>プレイヤー名</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>別のKlotixが記録を保存しています</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1は使用できません</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAYもWAYLAND_DISPLAYも設定されていません</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>%1から応答がありません</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>%1からも%2からも応答がありません</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>ディスプレイを開けません（%1）</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>操作キー：左右キーでピースを移動、上キーで回転、下キーで一気に落下、Pキーで一時停止、Ctrl+Qでゲームを終了します。</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>次のピース</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>フィールド</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>得点：%1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隠す(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>ゲームを終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>レベル1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>低速</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>レベル2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中速</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>レベル3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>新しいゲーム(&amp;S)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1、得点</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1、名前</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1、%2点</numerusform>
        </translation>
    </message>
</context>
</TS>
