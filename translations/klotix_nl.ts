<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Een spel met vallende blokken. Zonder argumenten gestart opent het zijn hoofdvenster.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Probeer ‘%1 --help’ voor meer informatie.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pauze… druk op een toets om verder te gaan</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spel gepauzeerd</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Wil je stoppen met spelen?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel afgelopen</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spel afgelopen!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 punt op niveau Langzaam</numerusform>
            <numerusform>%1: %2 punten op niveau Langzaam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 punt op niveau Normaal</numerusform>
            <numerusform>%1: %2 punten op niveau Normaal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 punt op niveau Snel</numerusform>
            <numerusform>%1: %2 punten op niveau Snel</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Je resultaat kon niet worden opgeslagen.

Bestand: %1
Reden: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Je resultaat kon niet worden opgeslagen.

Map: %1
Reden: %2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Je naam:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Een ander exemplaar van Klotix slaat zijn records op</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 is niet bruikbaar</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>geen antwoord van %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>geen antwoord van %1 of %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>kan geen display openen (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Toetsen: pijl-links en pijl-rechts verschuiven het stuk, pijl-omhoog draait het, pijl-omlaag laat het vallen, P pauzeert, Ctrl+Q beëindigt het spel.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Volgend stuk</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Spel beëindigen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Niveau 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, punten</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, namen</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 punt</numerusform>
            <numerusform>%1, %2 punten</numerusform>
        </translation>
    </message>
</context>
</TS>
