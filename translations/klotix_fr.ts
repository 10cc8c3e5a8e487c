<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Un jeu de blocs qui tombent. Lancé sans argument, il ouvre sa fenêtre principale.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pause...appuyez sur une touche pour continuer</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Voulez-vous arrêter de jouer&#xa0;?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Une autre copie de Klotix enregistre ses records</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1 : %2 point au niveau Lent</numerusform>
            <numerusform>%1 : %2 points au niveau Lent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1 : %2 point au niveau Moyen</numerusform>
            <numerusform>%1 : %2 points au niveau Moyen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1 : %2 point au niveau Rapide</numerusform>
            <numerusform>%1 : %2 points au niveau Rapide</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Votre résultat n’a pas pu être enregistré.

Fichier&#xa0;: %1
Raison&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Votre résultat n’a pas pu être enregistré.

Dossier&#xa0;: %1
Raison&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 est inutilisable</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY et WAYLAND_DISPLAY ne sont pas définis</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>pas de réponse de %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>pas de réponse de %1 ni de %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>impossible d’ouvrir un affichage (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Quitter la partie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Touches : Gauche et Droite déplacent la pièce, Haut la tourne, Bas la fait tomber, P met en pause, Ctrl+Q quitte la partie.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Pièce suivante</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Aire de jeu</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Points : %1</translation>
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
        <translation>Lent</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Niveau 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, points</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, noms</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 point</numerusform>
            <numerusform>%1, %2 points</numerusform>
        </translation>
    </message>
</context>
</TS>
