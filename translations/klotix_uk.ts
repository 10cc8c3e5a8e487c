<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Гра з блоками, що падають. Без аргументів відкриває головне вікно.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Відображає довідку щодо опцій командного рядка.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Докладніше: «%1 --help».</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Пауза… натисніть будь-яку клавішу, щоб продовжити</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Гру призупинено</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Бажаєте завершити гру?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Кінець гри!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 очко на рівні «Повільно»</numerusform>
            <numerusform>%1: %2 очки на рівні «Повільно»</numerusform>
            <numerusform>%1: %2 очок на рівні «Повільно»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 очко на рівні «Середньо»</numerusform>
            <numerusform>%1: %2 очки на рівні «Середньо»</numerusform>
            <numerusform>%1: %2 очок на рівні «Середньо»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 очко на рівні «Швидко»</numerusform>
            <numerusform>%1: %2 очки на рівні «Швидко»</numerusform>
            <numerusform>%1: %2 очок на рівні «Швидко»</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Не вдалося зберегти ваш результат.

Файл: %1
Причина: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Не вдалося зберегти ваш результат.

Тека: %1
Причина: %2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ваше ім’я:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше ім’я</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Це не звичайний файл</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Інша копія Klotix зберігає свої рекорди</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 не підходить</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY і WAYLAND_DISPLAY не задано</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>немає відповіді від %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>немає відповіді ні від %1, ні від %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>не вдається відкрити дисплей (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Клавіші: стрілки ліворуч і праворуч зсувають фігуру, стрілка вгору повертає її, стрілка вниз скидає її, P — пауза, Ctrl+Q — завершення гри.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Наступна фігура</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Сховати</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Завершити гру</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Опції</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Рівень 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Рівень 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середньо</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Рівень 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, очки</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, імена</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 очко</numerusform>
            <numerusform>%1, %2 очки</numerusform>
            <numerusform>%1, %2 очок</numerusform>
        </translation>
    </message>
</context>
</TS>
