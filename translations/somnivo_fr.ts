<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 n’accepte pas de valeur</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action accepte %1, pas %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>option inconnue %1 (voir somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>argument inattendu %1 (voir somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop n’accepte aucune autre option</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily s’utilise avec --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file s’utilise avec --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile nécessite --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at attend une heure entre 00:00 et 23:59, pas %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 et %2 ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit attend un identifiant de processus ou un nom de programme, pas %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>processus introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 attend un nombre de minutes comme 30 ou 0.5, pas %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 accepte au plus %2 caractères, comme le champ des minutes, pas %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 nécessite plus de 0 minute</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 nécessite --in, --at, --idle, --media-end ou --after-exit</translation>
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
        <translation>Utilisation&#xa0;: somnivo [OPTION...]
Une minuterie d’endormissement&#xa0;: à la fin d’un compte à rebours, à une heure
donnée, après un moment d’inactivité, quand le média en cours se termine ou
quand un programme s’arrête, elle ferme la session, éteint, redémarre, met en
veille ou en hibernation, verrouille l’écran, éteint les écrans, ouvre un
fichier ou met seulement les lecteurs en pause, en baissant au besoin le volume
peu à peu et en noircissant l’écran. Sans option, elle affiche sa fenêtre. Avec
des options, elle programme ou arrête une minuterie dans l’instance déjà
lancée, ou démarre avec cette minuterie, comme si la fenêtre avait été
utilisée.

  --in MINUTES        terminer la minuterie dans MINUTES minutes (au plus
                      4 caractères&#xa0;: 30, 0.5)
  --at HH:MM          terminer la minuterie à cette heure
  --daily             avec --at&#xa0;: reprogrammer à chaque lancement du programme
  --idle MINUTES      terminer la minuterie après MINUTES minutes d’inactivité
  --media-end         terminer la minuterie quand le média en cours se termine
  --after-exit PID|NAME
                      terminer la minuterie quand ce processus, ou chacun de
                      vos processus portant ce nom, s’est arrêté
  --action ACTION     action à effectuer à la fin (par défaut&#xa0;: la dernière
                      choisie)&#xa0;:
                      %1
  --run-file PATH     avec --action runfile&#xa0;: le fichier à ouvrir à la fin
  --stop              arrêter la minuterie en cours
  --help              afficher cette aide et quitter
  --version           afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>le fichier choisi</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>L’ordinateur risque de ne pas pouvoir s’éteindre à la fin de la minuterie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>cet utilisateur n’a pas le droit de l’éteindre</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Cet ordinateur ne peut pas être éteint.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>L’ordinateur risque de ne pas pouvoir redémarrer à la fin de la minuterie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>cet utilisateur n’a pas le droit de le redémarrer</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Cet ordinateur ne peut pas redémarrer.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>L’ordinateur risque de ne pas pouvoir se mettre en veille à la fin de la minuterie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>cet utilisateur n’a pas le droit de le mettre en veille</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Cet ordinateur ne peut pas se mettre en veille.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>L’ordinateur risque de ne pas pouvoir passer en hibernation à la fin de la minuterie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>cet utilisateur n’a pas le droit de le mettre en hibernation</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Cet ordinateur ne peut pas passer en hibernation.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 à %2 (dans %n min)</numerusform>
            <numerusform>%1 à %2 (dans %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>un mot de passe sera demandé et personne ne sera peut-être là pour le saisir</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>cet ordinateur ne le permet pas</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 bloque %2 (%3)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>Cet environnement de bureau ne permet pas d’éteindre les écrans&#xa0;: la minuterie mettra seulement les lecteurs en pause.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>Cet environnement de bureau ne permet pas d’éteindre les écrans. La lecture sera mise en pause dans %1.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>l’extinction</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>la mise en veille et l’hibernation</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1 à la fin du média (le média est en pause)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1 à la fin du média (sa durée est inconnue)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 à la fin du média (dans environ %n min)</numerusform>
            <numerusform>%1 à la fin du média (dans environ %n min)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 après %2 min d’inactivité (inactif depuis %n min)</numerusform>
            <numerusform>%1 après %2 min d’inactivité (inactif depuis %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1 quand «&#xa0;%2&#xa0;» se termine</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>Cet environnement de bureau n’indique pas depuis combien de temps l’ordinateur est inactif.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 à %2, dans %n minute</numerusform>
            <numerusform>%1 à %2, dans %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 à la fin du média, dans environ %n minute</numerusform>
            <numerusform>%1 à la fin du média, dans environ %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 après %2 minutes d’inactivité, aucune activité depuis %n minute</numerusform>
            <numerusform>%1 après %2 minutes d’inactivité, aucune activité depuis %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>Le bus système n’est pas disponible.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>Le service de sessions ne connaît aucune session de cet utilisateur.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>Le service de sessions n’a pas répondu.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>Aucun service de verrouillage de l’écran n’a répondu.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>Cet environnement de bureau ne permet pas d’éteindre les écrans.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>Aucun programme n’est configuré pour ouvrir ce type de fichier.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>Aucun programme n’est configuré pour ouvrir ce type de lien.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Aucun fichier n’a été choisi.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>Ce n’est pas une adresse web ou de courriel.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>La session se fermera dans %1.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>La session n’a pas pu être fermée.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>L’ordinateur s’éteindra dans %1.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>L’ordinateur n’a pas pu être éteint.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>L’ordinateur redémarrera dans %1.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>L’ordinateur n’a pas pu redémarrer.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>Dans %1, %2 s’ouvrira.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>L’ordinateur se mettra en veille dans %1.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>L’ordinateur n’a pas pu être mis en veille.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>L’ordinateur passera en hibernation dans %1.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hiberner</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>L’ordinateur n’a pas pu passer en hibernation.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>L’écran se verrouillera dans %1.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Verrouiller l’écran</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>L’écran n’a pas pu être verrouillé.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>Les écrans s’éteindront dans %1.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Éteindre les écrans</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>Les écrans n’ont pas pu être éteints.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>La lecture sera mise en pause dans %1.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Mettre la lecture en pause</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>Aucun fichier à ouvrir n’a été choisi.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Ce compte à rebours est trop long&#xa0;: il peut durer au plus un an (%1 minutes).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Cette durée d’inactivité est trop longue&#xa0;: une minuterie peut durer au plus un an (%1 minutes).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Tant qu’un programme maintient l’écran allumé, cet environnement de bureau ne compte pas le temps d’inactivité.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>Aucun média n’est en cours de lecture.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>Le média en cours n’indique pas sa durée&#xa0;: «&#xa0;Fondu sonore&#xa0;» ne peut pas baisser le volume jusqu’à sa fin.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Choisissez le programme à attendre.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas en cours d’exécution.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Minuterie arrêtée</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Envoyez vos commentaires à</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>Endormez-vous facilement en écoutant votre musique préférée&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Envoyez vos commentaires à %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Écran noirci&#xa0;; appuyez sur une touche pour afficher le bureau</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - Fin imminente</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 min</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Fichier à ouvrir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Choisissez un fichier</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Choix du fichier à ouvrir</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Veuillez choisir le fichier à ouvrir à l’heure prévue.</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>Fichiers EXE</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>Fichiers de commandes</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - Minuterie </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>Réd&amp;uire au lancement</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>Lan&amp;cer à la connexion</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>Tl&amp;j</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>&amp;À</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>​</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Délai en minutes</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>&amp;minutes plus tard</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>R&amp;edém.</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>É&amp;teindre</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>Mettre en vei&amp;lle</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>&amp;Hiberner</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Verrouiller</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>Écran éte&amp;int</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>Pause uni&amp;quement</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>Fondu &amp;sonore</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>Écra&amp;n noir</translation>
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
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>Déma&amp;rrer</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Contrôle du volume</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>Impossible d’ouvrir le mélangeur.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>%n minute restante</numerusform>
            <numerusform>%n minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 min</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>À</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Dans</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Après</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>Apr&amp;ès</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Minutes d’inactivité</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>minutes &amp;d’inactivité</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>Quand le m&amp;édia en cours se termine</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Quand un programme s’arrête</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>s’&amp;arrête</translation>
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
        <translation>l’instance en cours n’a pas accepté la demande</translation>
    </message>
</context>
</TS>
