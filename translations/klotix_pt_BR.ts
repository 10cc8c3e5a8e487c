<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>klotix::CommandLine</name>
    <message>
        <source>A falling-blocks game. Started without arguments, it opens its main window.</source>
        <translation>Um jogo de blocos que caem. Iniciado sem argumentos, abre a janela principal.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente “%1 --help” para mais informações.</translation>
    </message>
</context>
<context>
    <name>klotix::Dialogs</name>
    <message>
        <source>Pause...press a key to continue</source>
        <translation>Pausa… pressione uma tecla para continuar</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Jogo pausado</translation>
    </message>
    <message>
        <source>Do you want to stop playing?</source>
        <translation>Quer parar de jogar?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 ponto no nível Lento</numerusform>
            <numerusform>%1: %2 pontos no nível Lento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 ponto no nível Médio</numerusform>
            <numerusform>%1: %2 pontos no nível Médio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 ponto no nível Rápido</numerusform>
            <numerusform>%1: %2 pontos no nível Rápido</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result could not be saved.

File: %1
Reason: %2</source>
        <translation>Não foi possível salvar seu resultado.

Arquivo: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>Your result could not be saved.

Folder: %1
Reason: %2</source>
        <translation>Não foi possível salvar seu resultado.

Pasta: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Seu nome:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>Another copy of Klotix is saving its records</source>
        <translation>Outra cópia do Klotix está salvando os recordes</translation>
    </message>
</context>
<context>
    <name>klotix::Display</name>
    <message>
        <source>QT_QPA_PLATFORM=%1 cannot be used</source>
        <translation>QT_QPA_PLATFORM=%1 não pode ser usado</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY e WAYLAND_DISPLAY não estão definidas</translation>
    </message>
    <message>
        <source>no answer from %1</source>
        <translation>sem resposta de %1</translation>
    </message>
    <message>
        <source>no answer from %1 or %2</source>
        <translation>sem resposta de %1 nem de %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1)</source>
        <translation>não foi possível abrir um display (%1)</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixGame</name>
    <message>
        <source>Keys: Left and Right shift the piece, Up turns it, Down drops it, P pauses, Ctrl+Q quits the game.</source>
        <translation>Teclas: as setas para a esquerda e para a direita movem a peça, a seta para cima a gira, a seta para baixo a faz cair, P pausa, Ctrl+Q termina a partida.</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Próxima peça</translation>
    </message>
    <message>
        <source>Playfield</source>
        <translation>Área de jogo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <comment>the points display, read aloud: its value</comment>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Terminar partida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message>
        <source>Level 1</source>
        <translation>Nível 1</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nível 2</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nível 3</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Start new game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>%1, points</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, pontos</translation>
    </message>
    <message>
        <source>%1, names</source>
        <comment>a record list, read aloud: its level, what it holds</comment>
        <translation>%1, nomes</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 ponto</numerusform>
            <numerusform>%1, %2 pontos</numerusform>
        </translation>
    </message>
</context>
</TS>
