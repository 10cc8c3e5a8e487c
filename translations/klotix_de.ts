<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Ein Spiel mit fallenden Blöcken. Ohne Argumente gestartet, öffnet es sein Hauptfenster.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Weitere Informationen mit „%1 --help“.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pause...weiter mit beliebiger Taste</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Möchtest du das Spiel beenden?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Ein anderes Klotix speichert gerade seine Rekorde</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 Punkt auf Stufe Langsam</numerusform>
            <numerusform>%1: %2 Punkte auf Stufe Langsam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 Punkt auf Stufe Mittel</numerusform>
            <numerusform>%1: %2 Punkte auf Stufe Mittel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 Punkt auf Stufe Schnell</numerusform>
            <numerusform>%1: %2 Punkte auf Stufe Schnell</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Dein Ergebnis konnte nicht gespeichert werden.

Datei: %1
Grund: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Dein Ergebnis konnte nicht gespeichert werden.

Ordner: %1
Grund: %2</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 ist nicht nutzbar</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>keine Antwort von %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>keine Antwort von %1 oder %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>kann keine Anzeige öffnen (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>Spiel &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Tasten: Links und Rechts verschieben den Stein, Hoch dreht ihn, Runter lässt ihn fallen, P hält an, Strg+Q beendet das Spiel.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Nächster Stein</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>Neues &amp;Spiel</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, Punkte</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, Namen</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 Punkt</numerusform>
            <numerusform>%1, %2 Punkte</numerusform>
        </translation>
    </message>
</context>
</TS>
