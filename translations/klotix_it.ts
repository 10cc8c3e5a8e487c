<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Un gioco di blocchi che cadono. Avviato senza argomenti, apre la finestra principale.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Maggiori informazioni con «%1 --help».</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pausa… premi un tasto per continuare</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partita in pausa</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Vuoi smettere di giocare?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fine partita!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 punto al livello Lento</numerusform>
            <numerusform>%1: %2 punti al livello Lento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 punto al livello Medio</numerusform>
            <numerusform>%1: %2 punti al livello Medio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 punto al livello Veloce</numerusform>
            <numerusform>%1: %2 punti al livello Veloce</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Impossibile salvare il tuo risultato.

File: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Impossibile salvare il tuo risultato.

Cartella: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Il tuo nome:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Un’altra copia di Klotix sta salvando i suoi record</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 non è utilizzabile</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY e WAYLAND_DISPLAY non sono impostate</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>nessuna risposta da %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>nessuna risposta da %1 né da %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>impossibile aprire un display (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Tasti: le frecce sinistra e destra spostano il pezzo, la freccia su lo ruota, la freccia giù lo fa cadere, P mette in pausa, Ctrl+Q termina la partita.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Pezzo successivo</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Termina partita</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Livello 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Livello 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Livello 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, punti</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, nomi</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 punto</numerusform>
            <numerusform>%1, %2 punti</numerusform>
        </translation>
    </message>
</context>
</TS>
