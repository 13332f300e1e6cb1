<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action accetta %1, non %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>opzione sconosciuta %1 (vedi somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>argomento inatteso %1 (vedi somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop non accetta altre opzioni</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily si usa solo con --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file si usa solo con --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile richiede --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at accetta un orario tra 00:00 e 23:59, non %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>file inesistente: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 e %2 non possono essere usati insieme</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit accetta un ID di processo o il nome di un programma, non %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>processo inesistente: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 accetta i minuti come numero, ad esempio 30 o 0.5, non %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 accetta al massimo %2 caratteri, come la casella dei minuti, non %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 richiede più di 0 minuti</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 richiede --in, --at, --idle, --media-end o --after-exit</translation>
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
        <translation>Uso: somnivo [OPZIONE...]
Un timer per addormentarsi: alla fine di un conto alla rovescia, a un orario
dato, dopo un periodo di inattività, quando finisce la riproduzione in corso o
quando un programma si chiude, termina la sessione, spegne, riavvia, sospende,
iberna, blocca lo schermo, spegne gli schermi, apre un file o mette solo in
pausa i lettori, se richiesto abbassando gradualmente il volume e oscurando lo
schermo. Senza opzioni mostra la sua finestra. Con le opzioni avvia o ferma un
timer nella copia già in esecuzione, oppure si avvia con esso, come se si fosse
usata la finestra.

  --in MINUTES        termina il timer tra MINUTES minuti (al massimo 4
                      caratteri: 30, 0.5)
  --at HH:MM          termina il timer a quest&apos;ora
  --daily             con --at: riattiva il timer a ogni avvio del programma
  --idle MINUTES      termina il timer dopo MINUTES minuti di inattività
  --media-end         termina il timer quando finisce la riproduzione in corso
  --after-exit PID|NAME
                      termina il timer quando questo processo, o ogni tuo
                      processo con questo nome, è terminato
  --action ACTION     cosa fare alla fine (predefinito: l&apos;ultima scelta fatta):
                      %1
  --run-file PATH     con --action runfile: il file da aprire alla fine
  --stop              ferma il timer in corso
  --help              mostra questo aiuto ed esci
  --version           mostra la versione ed esci
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>il file scelto</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>Il computer potrebbe non spegnersi alla fine del timer: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>questo utente non ha il permesso di spegnerlo</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Questo computer non è in grado di spegnersi.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>Il computer potrebbe non riavviarsi alla fine del timer: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>questo utente non ha il permesso di riavviarlo</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Questo computer non è in grado di riavviarsi.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>Il computer potrebbe non andare in sospensione alla fine del timer: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>questo utente non ha il permesso di sospenderlo</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Questo computer non è in grado di andare in sospensione.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>Il computer potrebbe non andare in ibernazione alla fine del timer: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>questo utente non ha il permesso di ibernarlo</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Questo computer non è in grado di andare in ibernazione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 alle %2 (tra %n min)</numerusform>
            <numerusform>%1 alle %2 (tra %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>richiede una password e potrebbe non esserci nessuno a inserirla</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>questo computer non è in grado di farlo</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 sta bloccando %2 (%3)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>Questo desktop non offre alcun modo per spegnere gli schermi: il timer metterà solo in pausa i lettori.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>Questo desktop non offre alcun modo per spegnere gli schermi. La riproduzione verrà messa in pausa tra %1.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>lo spegnimento</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>la sospensione e l&apos;ibernazione</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1 alla fine della riproduzione (la riproduzione è in pausa)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1 alla fine della riproduzione (durata sconosciuta)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 alla fine della riproduzione (tra circa %n min)</numerusform>
            <numerusform>%1 alla fine della riproduzione (tra circa %n min)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 dopo %2 min di inattività (inattivo da %n min)</numerusform>
            <numerusform>%1 dopo %2 min di inattività (inattivo da %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1 quando «%2» termina</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>Questo desktop non indica da quanto tempo il computer è inattivo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 alle %2, tra %n minuto</numerusform>
            <numerusform>%1 alle %2, tra %n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 alla fine della riproduzione, tra circa %n minuto</numerusform>
            <numerusform>%1 alla fine della riproduzione, tra circa %n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 dopo %2 minuti di inattività, nessuna attività da %n minuto</numerusform>
            <numerusform>%1 dopo %2 minuti di inattività, nessuna attività da %n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>Il bus di sistema non è disponibile.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>Il servizio delle sessioni non conosce alcuna sessione di questo utente.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>Il servizio delle sessioni non ha risposto.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>Nessun blocco schermo ha risposto.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>Questo desktop non offre alcun modo per spegnere gli schermi.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>Nessun programma è impostato per aprire questo tipo di file.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>Nessun programma è impostato per aprire questo tipo di collegamento.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Non è stato scelto nessun file.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>Questo non è un indirizzo web o di posta elettronica.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>La sessione terminerà tra %1.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Termina la sessione</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>Impossibile terminare la sessione.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>Il computer si spegnerà tra %1.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>Impossibile spegnere il computer.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>Il computer si riavvierà tra %1.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>Impossibile riavviare il computer.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>Tra %1 si aprirà %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>Il computer andrà in sospensione tra %1.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>Impossibile sospendere il computer.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>Il computer andrà in ibernazione tra %1.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>Impossibile ibernare il computer.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>Lo schermo verrà bloccato tra %1.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Blocca lo schermo</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>Impossibile bloccare lo schermo.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>Gli schermi si spegneranno tra %1.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Spegni gli schermi</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>Impossibile spegnere gli schermi.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>La riproduzione verrà messa in pausa tra %1.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Metti in pausa la riproduzione</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>Non è stato scelto nessun file da aprire.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>Impossibile aprire «%1».</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Questo conto alla rovescia è troppo lungo: può durare al massimo un anno (%1 minuti).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Questo tempo di inattività è troppo lungo: un timer può durare al massimo un anno (%1 minuti).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Finché un programma tiene acceso lo schermo, questo desktop non conta il tempo di inattività.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>Nessun contenuto in riproduzione.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>La riproduzione in corso non indica quanto dura: «Dissolvenza» non può abbassare gradualmente il volume fino alla sua fine.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Scegli il programma da attendere.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>«%1» non è in esecuzione.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Timer fermato</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Invia i tuoi commenti a</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>Addormentati facilmente ascoltando la tua musica preferita!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Invia i tuoi commenti a %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Schermo oscurato; premi un tasto per mostrare il desktop</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - Sta per terminare</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 min</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>File da aprire</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Seleziona un file</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Impostazioni di «Apri file»</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Scegli il file da aprire alla fine del timer</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>File EXE</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>File batch</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - Timer spegnimento </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>&amp;Minimizza all&apos;avvio</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>A&amp;vvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>Ri&amp;peti</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>​</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>&amp;Tra</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Minuti del conto alla rovescia</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>min&amp;uti</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>Apri &amp;file</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>&amp;Riavvia</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>Spe&amp;gni</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>T&amp;ermina</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Sospendi</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>&amp;Iberna</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Blocca</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>Spegni s&amp;chermo</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>So&amp;lo pausa</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>&amp;Dissolvenza</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>Sc&amp;hermo nero</translation>
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
        <translation>Informa&amp;zioni</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Controllo del volume</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>Impossibile aprire il mixer.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Ferm&amp;a</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Manca %n minuto</numerusform>
            <numerusform>Mancano %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 min</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Tra</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>D&amp;opo</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Minuti di inattività</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>minuti di inattività</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>&amp;Quando finisce la riproduzione in corso</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Quando un programma termina</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Se</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>termi&amp;na</translation>
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
        <translation>la copia in esecuzione non ha accettato la richiesta</translation>
    </message>
</context>
</TS>
