<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Gra w spadające klocki. Uruchomiona bez argumentów otwiera okno główne.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Więcej informacji: „%1 --help”.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pauza… naciśnij dowolny klawisz, aby kontynuować</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Gra wstrzymana</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Czy chcesz zakończyć grę?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Koniec gry!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 punkt na poziomie „Wolny”</numerusform>
            <numerusform>%1: %2 punkty na poziomie „Wolny”</numerusform>
            <numerusform>%1: %2 punktów na poziomie „Wolny”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 punkt na poziomie „Średni”</numerusform>
            <numerusform>%1: %2 punkty na poziomie „Średni”</numerusform>
            <numerusform>%1: %2 punktów na poziomie „Średni”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 punkt na poziomie „Szybki”</numerusform>
            <numerusform>%1: %2 punkty na poziomie „Szybki”</numerusform>
            <numerusform>%1: %2 punktów na poziomie „Szybki”</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Nie udało się zapisać wyniku.

Plik: %1
Przyczyna: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Nie udało się zapisać wyniku.

Folder: %1
Przyczyna: %2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Twoje imię:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Inna kopia programu Klotix zapisuje właśnie swoje rekordy</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>nie można użyć QT_QPA_PLATFORM=%1</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>zmienne DISPLAY i WAYLAND_DISPLAY nie są ustawione</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>brak odpowiedzi od %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>brak odpowiedzi od %1 ani od %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>nie można otworzyć ekranu (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Klawisze: strzałki w lewo i w prawo przesuwają klocek, strzałka w górę obraca go, strzałka w dół zrzuca go, P wstrzymuje grę, Ctrl+Q kończy grę.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Następny klocek</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ukryj</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Zakończ grę</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Poziom 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolny</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Poziom 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Poziom 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Szybki</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, punkty</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, imiona</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 punkt</numerusform>
            <numerusform>%1, %2 punkty</numerusform>
            <numerusform>%1, %2 punktów</numerusform>
        </translation>
    </message>
</context>
</TS>
