<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Un juego de bloques que caen. Sin argumentos, abre su ventana principal.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prueba «%1 --help» para más información.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pausa...pulsa una tecla para continuar</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partida en pausa</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>¿Quieres dejar de jugar?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Otra copia de Klotix está guardando sus récords</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 punto en el nivel Lento</numerusform>
            <numerusform>%1: %2 puntos en el nivel Lento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 punto en el nivel Medio</numerusform>
            <numerusform>%1: %2 puntos en el nivel Medio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 punto en el nivel Rápido</numerusform>
            <numerusform>%1: %2 puntos en el nivel Rápido</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>No se ha podido guardar tu resultado.

Archivo: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>No se ha podido guardar tu resultado.

Carpeta: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 no se puede usar</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY y WAYLAND_DISPLAY no están definidas</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>sin respuesta de %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>sin respuesta de %1 ni de %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>no se puede abrir una pantalla (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Abandonar partida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Teclas: Izquierda y Derecha mueven la pieza, Arriba la gira, Abajo la deja caer, P pausa, Ctrl+Q abandona la partida.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Pieza siguiente</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Puntos: %1</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nivel 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, puntos</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, nombres</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 punto</numerusform>
            <numerusform>%1, %2 puntos</numerusform>
        </translation>
    </message>
</context>
</TS>
