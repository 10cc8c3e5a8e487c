<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>떨어지는 블록 게임입니다. 인수 없이 실행하면 메인 창이 열립니다.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>명령행 옵션 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예기치 않은 인수 &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>자세한 내용은 &apos;%1 --help&apos; 명령을 실행하세요.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>일시 정지... 계속하려면 아무 키나 누르세요</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>게임 일시 정지</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>게임을 그만하시겠습니까?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>게임 오버</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>게임 오버!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2점 (느림)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2점 (보통)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2점 (빠름)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>결과를 저장할 수 없습니다.

파일: %1
이유: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>결과를 저장할 수 없습니다.

폴더: %1
이유: %2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>플레이어 이름:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>플레이어 이름</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>다른 Klotix가 기록을 저장하고 있습니다</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 설정은 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY와 WAYLAND_DISPLAY가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>%1 디스플레이에서 응답이 없습니다</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>%1, %2 모두 응답이 없습니다</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>디스플레이를 열 수 없습니다 (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>조작 키: 왼쪽·오른쪽 키는 블록 이동, 위쪽 키는 회전, 아래쪽 키는 바로 떨어뜨리기, P 키는 일시 정지, Ctrl+Q 키는 게임 끝내기입니다.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>다음 블록</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>게임판</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>점수: %1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>일시 정지(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>숨기기(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>게임 끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>레벨 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>레벨 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>레벨 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>End</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>새 게임(&amp;S)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, 점수</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, 이름</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2점</numerusform>
        </translation>
    </message>
</context>
</TS>
