<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Ett spel med fallande block. Startat utan argument öppnar det sitt huvudfönster.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Visar hjälp om kommandoradens flaggor.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prova ”%1 --help” för mer information.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Paus...tryck på en tangent för att fortsätta</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spelet är pausat</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Vill du sluta spela?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spelet är slut!</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ditt namn:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Inte en vanlig fil</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>En annan kopia av Klotix sparar sina rekord</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 poäng på nivå Långsam</numerusform>
            <numerusform>%1: %2 poäng på nivå Långsam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 poäng på nivå Medel</numerusform>
            <numerusform>%1: %2 poäng på nivå Medel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 poäng på nivå Snabb</numerusform>
            <numerusform>%1: %2 poäng på nivå Snabb</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Ditt resultat kunde inte sparas.

Fil: %1
Orsak: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Ditt resultat kunde inte sparas.

Mapp: %1
Orsak: %2</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 kan inte användas</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY och WAYLAND_DISPLAY är inte satta</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>inget svar från %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>inget svar från %1 eller %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>kan inte öppna en skärm (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Paus</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Dölj</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Avsluta spelet</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Alternativ</translation>
    </message>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Tangenter: Vänster och Höger flyttar biten, Upp vrider den, Ner släpper den, P pausar, Ctrl+Q avslutar spelet.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Nästa bit</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Poäng: %1</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Nivå 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Långsam</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivå 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nivå 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>Nytt &amp;spel</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, poäng</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, namn</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 poäng</numerusform>
            <numerusform>%1, %2 poäng</numerusform>
        </translation>
    </message>
</context>
</TS>
