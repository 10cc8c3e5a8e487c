<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Игра с падающими блоками. Без аргументов открывает главное окно.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показать справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Подробнее: «%1 --help».</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Пауза...нажмите любую клавишу, чтобы продолжить</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Игра на паузе</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Хотите закончить игру?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Игра окончена!</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ваше имя:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Другая копия Klotix сохраняет свои рекорды</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1 — %2 очко, уровень «Медленно»</numerusform>
            <numerusform>%1 — %2 очка, уровень «Медленно»</numerusform>
            <numerusform>%1 — %2 очков, уровень «Медленно»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1 — %2 очко, уровень «Средне»</numerusform>
            <numerusform>%1 — %2 очка, уровень «Средне»</numerusform>
            <numerusform>%1 — %2 очков, уровень «Средне»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1 — %2 очко, уровень «Быстро»</numerusform>
            <numerusform>%1 — %2 очка, уровень «Быстро»</numerusform>
            <numerusform>%1 — %2 очков, уровень «Быстро»</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Не удалось сохранить ваш результат.

Файл: %1
Причина: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Не удалось сохранить ваш результат.

Папка: %1
Причина: %2</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 не подходит</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY и WAYLAND_DISPLAY не заданы</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>нет ответа от %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>нет ответа ни от %1, ни от %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>не удаётся открыть дисплей (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Скрыть</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Выйти из игры</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Клавиши: Влево и Вправо сдвигают фигуру, Вверх поворачивает её, Вниз сбрасывает её, P — пауза, Ctrl+Q — выход из игры.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Следующая фигура</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Очки: %1</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Уровень 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Уровень 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средне</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Уровень 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, очки</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, имена</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 очко</numerusform>
            <numerusform>%1, %2 очка</numerusform>
            <numerusform>%1, %2 очков</numerusform>
        </translation>
    </message>
</context>
</TS>
