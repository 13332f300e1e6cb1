<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi informado duas vezes</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action aceita %1, não %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>opção desconhecida %1 (veja somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>argumento inesperado %1 (veja somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop não aceita outras opções</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily só pode ser usado com --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file só pode ser usado com --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile precisa de --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at aceita um horário de 00:00 a 23:59, não %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>arquivo inexistente: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 e %2 não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit aceita um ID de processo ou o nome de um programa, não %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>processo inexistente: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 aceita os minutos como um número, por exemplo 30 ou 0.5, não %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 aceita no máximo %2 caracteres, como a caixa de minutos, não %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 precisa de mais de 0 minutos</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 precisa de --in, --at, --idle, --media-end ou --after-exit</translation>
    </message>
    <message>
        <source>Usage: somnivo [OPTION...]
A sleep timer: at the end of a countdown, at a clock time, after a while without
input, when the media playing now ends or when a program exits, it logs off,
shuts down, restarts, suspends, hibernates, locks the screen, turns the screens
off, opens a file or only pauses the players, optionally fading the volume and
blacking out the screen. Without options it shows its window. With them it arms
or stops a run in the copy already running, or starts one with it, as if the
window had been used.

  --in MINUTES        end the run in MINUTES minutes (at most 4 characters: 30, 0.5)
  --at HH:MM          end the run at this clock time
  --daily             with --at: arm again at every start of the program
  --idle MINUTES      end the run after MINUTES minutes without input
  --media-end         end the run when the media playing now ends
  --after-exit PID|NAME
                      end the run when this process, or every process of
                      yours with this name, has exited
  --action ACTION     what to do at the end (default: as last chosen):
                      %1
  --run-file PATH     with --action runfile: the file to open at the end
  --stop              stop the run that is going
  --help              show this help and end
  --version           show the version and end
</source>
        <translation>Uso: somnivo [OPÇÃO...]
Um temporizador para dormir: ao fim de uma contagem regressiva, em um horário
marcado, após algum tempo de inatividade, ao fim da reprodução atual ou quando
um programa termina, ele encerra a sessão, desliga, reinicia, suspende ou
hiberna o computador, bloqueia a tela, apaga as telas, abre um arquivo ou
apenas pausa os reprodutores e, se desejado, diminui o volume aos poucos e
escurece a tela. Sem opções, mostra a sua janela. Com elas, programa ou
interrompe uma contagem na cópia já em execução, ou inicia o programa já com
essa contagem, como se a janela tivesse sido usada.

  --in MINUTES        encerra a contagem em MINUTES minutos (no máximo
                      4 caracteres: 30, 0.5)
  --at HH:MM          encerra a contagem neste horário
  --daily             com --at: agenda de novo sempre que o programa iniciar
  --idle MINUTES      encerra a contagem após MINUTES minutos de inatividade
  --media-end         encerra a contagem ao fim da reprodução atual
  --after-exit PID|NAME
                      encerra a contagem quando este processo, ou todos os seus
                      processos com este nome, tiverem terminado
  --action ACTION     o que fazer no fim (padrão: a última escolha):
                      %1
  --run-file PATH     com --action runfile: o arquivo a abrir no fim
  --stop              interrompe a contagem em andamento
  --help              mostra esta ajuda e sai
  --version           mostra a versão e sai
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>o arquivo escolhido</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>Talvez o computador não desligue ao fim desta contagem: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>este usuário não tem permissão para desligá-lo</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Este computador não pode ser desligado.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>Talvez o computador não reinicie ao fim desta contagem: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>este usuário não tem permissão para reiniciá-lo</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Este computador não pode ser reiniciado.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>Talvez o computador não seja suspenso ao fim desta contagem: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>este usuário não tem permissão para suspendê-lo</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Este computador não pode ser suspenso.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>Talvez o computador não hiberne ao fim desta contagem: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>este usuário não tem permissão para hiberná-lo</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Este computador não pode hibernar.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 às %2 (em %n min)</numerusform>
            <numerusform>%1 às %2 (em %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>é pedida uma senha, e talvez não haja ninguém presente para digitá-la</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>este computador não é capaz de fazer isso</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 está bloqueando %2 (%3)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>Este ambiente de trabalho não oferece meio de apagar as telas: a contagem apenas pausará os reprodutores.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>Este ambiente de trabalho não oferece meio de apagar as telas. A reprodução será pausada em %1.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>o desligamento</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>a suspensão e a hibernação</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1 ao fim da reprodução (a reprodução está pausada)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1 ao fim da reprodução (duração desconhecida)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 ao fim da reprodução (em cerca de %n min)</numerusform>
            <numerusform>%1 ao fim da reprodução (em cerca de %n min)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 após %2 min de inatividade (inativo há %n min)</numerusform>
            <numerusform>%1 após %2 min de inatividade (inativo há %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1 quando “%2” terminar</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>Este ambiente de trabalho não informa há quanto tempo o computador está inativo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 às %2, em %n minuto</numerusform>
            <numerusform>%1 às %2, em %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 ao fim da reprodução, em cerca de %n minuto</numerusform>
            <numerusform>%1 ao fim da reprodução, em cerca de %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 após %2 minutos de inatividade, sem atividade há %n minuto</numerusform>
            <numerusform>%1 após %2 minutos de inatividade, sem atividade há %n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>O barramento do sistema não está disponível.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>O serviço de sessões não conhece nenhuma sessão deste usuário.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>O serviço de sessões não respondeu.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>Nenhum bloqueador de tela respondeu.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>Este ambiente de trabalho não oferece meio de apagar as telas.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>Nenhum programa está configurado para abrir este tipo de arquivo.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>Nenhum programa está configurado para abrir este tipo de link.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Nenhum arquivo foi escolhido.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>Este não é um endereço da web nem de e-mail.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>A sessão será encerrada em %1.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>Não foi possível encerrar a sessão.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>O computador será desligado em %1.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>Não foi possível desligar o computador.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>O computador será reiniciado em %1.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>Não foi possível reiniciar o computador.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>Em %1 será aberto %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>O computador será suspenso em %1.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>Não foi possível suspender o computador.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>O computador hibernará em %1.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>Não foi possível hibernar o computador.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>A tela será bloqueada em %1.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Bloquear a tela</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>Não foi possível bloquear a tela.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>As telas serão apagadas em %1.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Apagar as telas</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>Não foi possível apagar as telas.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>A reprodução será pausada em %1.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Pausar a reprodução</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>Nenhum arquivo foi escolhido em “Abrir arquivo”.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>“Abrir arquivo” não conseguiu abrir “%1”.</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Esta contagem regressiva é longa demais: ela pode durar no máximo um ano (%1 minutos).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Este tempo de inatividade é longo demais: a contagem pode durar no máximo um ano (%1 minutos).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Enquanto um programa mantém a tela ligada, este ambiente de trabalho não conta o tempo de inatividade.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>Nada está sendo reproduzido.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>A reprodução atual não informa quanto tempo dura: “Esmaecer” não consegue diminuir o volume aos poucos até o fim dela.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Escolha por qual programa esperar.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>“%1” não está em execução.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Contagem interrompida</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Envie seus comentários para</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>Adormeça com facilidade ouvindo sua música favorita!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Envie seus comentários para %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Tela escurecida; pressione uma tecla para mostrar a área de trabalho</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - Termina em breve</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 min</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Arquivo a abrir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Selecione um arquivo</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Configurar “Abrir arquivo”</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Escolha o arquivo que deseja abrir no horário programado</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>Arquivos EXE</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>Arquivos em lote</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - Temporizador </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>Iniciar minimi&amp;zado</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>Ini&amp;ciar com a sessão</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Agendamento</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>Diári&amp;o</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>À&amp;s</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>&amp;Em</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Minutos da contagem regressiva</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>Rei&amp;niciar</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>&amp;Desligar</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>S&amp;uspender</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>&amp;Hibernar</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>Blo&amp;quear</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>Apa&amp;gar a tela</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>Só &amp;pausar</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>Es&amp;maecer</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>Te&amp;la preta</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>So&amp;bre</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>Inicia&amp;r</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Controle de volume</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>Não foi possível abrir o mixer.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Resta %n minuto</numerusform>
            <numerusform>Restam %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 min</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Às</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Em</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Após</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>Após</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Minutos de inatividade</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>minutos de inati&amp;vidade</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>Ao &amp;fim da reprodução atual</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Quando um programa terminar</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Se</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>&amp;terminar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the request</source>
        <translation>a cópia em execução não aceitou o pedido</translation>
    </message>
</context>
</TS>
