<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>一款下落方块游戏。不带参数启动时将打开主窗口。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助信息。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>请尝试执行“%1 --help”以获取更多信息。</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>已暂停……按任意键继续</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>游戏已暂停</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>确定要结束游戏吗？</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>游戏结束！</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1：%2 分（慢速）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1：%2 分（中速）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1：%2 分（快速）</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>无法保存您的成绩。

文件：%1
原因：%2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>无法保存您的成绩。

文件夹：%1
原因：%2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>您的名字：</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>您的名字</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是常规文件</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>另一个 Klotix 正在保存纪录</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>无法使用 QT_QPA_PLATFORM=%1</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY 和 WAYLAND_DISPLAY 均未设置</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>%1 没有响应</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>%1 和 %2 都没有响应</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>无法打开显示（%1）</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>按键：左、右方向键移动方块，上方向键旋转，下方向键让方块直接落下，P 键暂停，Ctrl+Q 结束游戏。</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>下一个方块</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>游戏区</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>得分：%1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隐藏(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>结束游戏(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>等级 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢速</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>等级 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中速</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>等级 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>End</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>新游戏(&amp;S)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1，得分</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1，名字</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1，%2 分</numerusform>
        </translation>
    </message>
</context>
</TS>
