<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 wurde zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action erwartet %1, nicht %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>unbekannte Option %1 (siehe somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>unerwartetes Argument %1 (siehe somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop lässt keine weiteren Optionen zu</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily geht nur zusammen mit --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file geht nur zusammen mit --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile braucht --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at erwartet eine Uhrzeit von 00:00 bis 23:59, nicht %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>Datei nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit erwartet eine Prozess-ID oder einen Programmnamen, nicht %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>Prozess nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 erwartet die Minuten als Zahl wie 30 oder 0.5, nicht %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 erlaubt wie das Minutenfeld höchstens %2 Zeichen, nicht %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 braucht mehr als 0 Minuten</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 braucht --in, --at, --idle, --media-end oder --after-exit</translation>
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
        <translation>Aufruf: somnivo [OPTION...]
Ein Einschlaf-Timer: Am Ende eines Countdowns, zu einer Uhrzeit, nach einer
Weile ohne Eingabe, wenn die aktuelle Wiedergabe endet oder wenn ein Programm
beendet wird, meldet er ab, fährt herunter, startet neu, versetzt den Computer
in Bereitschaft oder in den Ruhezustand, sperrt den Bildschirm, schaltet die
Bildschirme aus, öffnet eine Datei oder pausiert nur die Player; auf Wunsch
blendet er dabei die Lautstärke aus und schaltet den Bildschirm schwarz. Ohne
Optionen zeigt er sein Fenster. Mit Optionen stellt oder stoppt er einen Timer
in der bereits laufenden Instanz oder startet selbst mit diesem Timer, als wäre
das Fenster bedient worden.

  --in MINUTES        Timer nach MINUTES Minuten ablaufen lassen (höchstens
                      4 Zeichen: 30, 0.5)
  --at HH:MM          Timer um diese Uhrzeit ablaufen lassen
  --daily             mit --at: bei jedem Programmstart erneut stellen
  --idle MINUTES      Timer nach MINUTES Minuten ohne Eingabe ablaufen lassen
  --media-end         Timer ablaufen lassen, wenn die aktuelle Wiedergabe endet
  --after-exit PID|NAME
                      Timer ablaufen lassen, wenn dieser Prozess oder jeder
                      Ihrer Prozesse mit diesem Namen beendet ist
  --action ACTION     was am Ende geschieht (Vorgabe: die zuletzt gewählte
                      Aktion):
                      %1
  --run-file PATH     mit --action runfile: die am Ende zu öffnende Datei
  --stop              den laufenden Timer stoppen
  --help              diese Hilfe anzeigen und beenden
  --version           die Version anzeigen und beenden
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>die gewählte Datei</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>Der Computer kann am Ende des Timers möglicherweise nicht herunterfahren: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>dieser Benutzer darf ihn nicht herunterfahren</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Dieser Computer kann nicht heruntergefahren werden.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>Der Computer kann am Ende des Timers möglicherweise nicht neu starten: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>dieser Benutzer darf ihn nicht neu starten</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Dieser Computer kann nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>Der Computer kann am Ende des Timers möglicherweise nicht in Bereitschaft versetzt werden: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>dieser Benutzer darf ihn nicht in Bereitschaft versetzen</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Dieser Computer kann nicht in Bereitschaft versetzt werden.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>Der Computer kann am Ende des Timers möglicherweise nicht in den Ruhezustand wechseln: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>dieser Benutzer darf ihn nicht in den Ruhezustand versetzen</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Dieser Computer kann nicht in den Ruhezustand wechseln.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 um %2 (in %n Min.)</numerusform>
            <numerusform>%1 um %2 (in %n Min.)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>dafür wird ein Passwort verlangt, das dann womöglich niemand eingeben kann</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>dieser Computer kann das nicht</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 blockiert %2 (%3)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>Diese Arbeitsumgebung bietet keine Möglichkeit, die Bildschirme auszuschalten: Der Timer pausiert am Ende nur die Player.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>Diese Arbeitsumgebung bietet keine Möglichkeit, die Bildschirme auszuschalten. Die Wiedergabe wird in %1 pausiert.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>das Herunterfahren</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>den Wechsel in Bereitschaft oder Ruhezustand</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1, wenn die Wiedergabe endet (die Wiedergabe ist pausiert)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1, wenn die Wiedergabe endet (ihre Dauer ist unbekannt)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1, wenn die Wiedergabe endet (in etwa %n Min.)</numerusform>
            <numerusform>%1, wenn die Wiedergabe endet (in etwa %n Min.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 nach %2 Min. ohne Eingabe (seit %n Min. keine Eingabe)</numerusform>
            <numerusform>%1 nach %2 Min. ohne Eingabe (seit %n Min. keine Eingabe)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1, wenn „%2“ beendet wird</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>Diese Arbeitsumgebung gibt nicht an, wie lange am Computer schon keine Eingabe erfolgt ist.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 um %2, in %n Minute</numerusform>
            <numerusform>%1 um %2, in %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1, wenn die Wiedergabe endet, in etwa %n Minute</numerusform>
            <numerusform>%1, wenn die Wiedergabe endet, in etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 nach %2 Minuten ohne Eingabe, seit %n Minute keine Eingabe</numerusform>
            <numerusform>%1 nach %2 Minuten ohne Eingabe, seit %n Minuten keine Eingabe</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>Der Systembus ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>Der Sitzungsdienst kennt keine Sitzung dieses Benutzers.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>Der Sitzungsdienst hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>Keine Bildschirmsperre hat geantwortet.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>Diese Arbeitsumgebung bietet keine Möglichkeit, die Bildschirme auszuschalten.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>Für diese Art von Datei ist kein Programm zum Öffnen eingerichtet.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>Für diese Art von Link ist kein Programm zum Öffnen eingerichtet.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Es wurde keine Datei gewählt.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>Dies ist keine Web- oder E-Mail-Adresse.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>Die Sitzung wird in %1 beendet.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>Die Sitzung konnte nicht beendet werden.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>Der Computer wird in %1 heruntergefahren.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>Der Computer konnte nicht heruntergefahren werden.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>Der Computer wird in %1 neu gestartet.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>Der Computer konnte nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>In %1 wird %2 geöffnet.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>Der Computer wird in %1 in Bereitschaft versetzt.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>In Bereitschaft versetzen</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>Der Computer konnte nicht in Bereitschaft versetzt werden.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>Der Computer wird in %1 in den Ruhezustand versetzt.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>In den Ruhezustand versetzen</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>Der Computer konnte nicht in den Ruhezustand versetzt werden.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>Der Bildschirm wird in %1 gesperrt.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>Der Bildschirm konnte nicht gesperrt werden.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>Die Bildschirme werden in %1 ausgeschaltet.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Bildschirme ausschalten</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>Die Bildschirme konnten nicht ausgeschaltet werden.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>Die Wiedergabe wird in %1 pausiert.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Wiedergabe pausieren</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>Es wurde keine Datei zum Öffnen gewählt.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>„%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Dieser Countdown ist zu lang: Er darf höchstens ein Jahr dauern (%1 Minuten).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Diese Zeit ohne Eingabe ist zu lang: Ein Timer darf höchstens ein Jahr dauern (%1 Minuten).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Solange ein Programm den Bildschirm eingeschaltet hält, zählt diese Arbeitsumgebung keine Zeit ohne Eingabe.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>Es wird gerade nichts wiedergegeben.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>Die aktuelle Wiedergabe gibt ihre Dauer nicht an: „Ausblenden“ kann die Lautstärke nicht passend zu ihrem Ende absenken.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Wählen Sie das Programm, auf dessen Ende gewartet werden soll.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>„%1“ läuft nicht.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Timer gestoppt</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Ihre Kommentare bitte an</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>Schlafen Sie bei Ihrer Lieblingsmusik ganz entspannt ein!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>Über %1 - Abschalt-Timer</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Bitte senden Sie Ihre Kommentare an %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Bildschirm schwarz geschaltet; drücken Sie eine Taste, um den Desktop anzuzeigen</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - Endet gleich</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 Min.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Zu öffnende Datei</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Bitte eine Datei auswählen</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Zu öffnende Datei festlegen</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Bitte wählen Sie die Datei, die zur eingestellten Zeit geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>EXE-Dateien</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>Batchdateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - Abschalt-Timer </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>&amp;Minimiert starten</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>Bei Anme&amp;ldung laden</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>Tä&amp;gl.</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>​</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>&amp;In</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Minuten ab jetzt</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>Minu&amp;ten</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>A&amp;usschalten</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>&amp;Abmel.</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>Bereitscha&amp;ft</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>&amp;Ruhezust.</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>Sp&amp;erren</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>Bildsc&amp;hirm aus</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>Nur &amp;pausieren</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>Ausblen&amp;den</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>Bild schwar&amp;z</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Lautstärkeregelung</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>Der Mixer konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 Min.</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Um</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>In</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>Na&amp;ch</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Minuten ohne Eingabe</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>Minuten &amp;ohne Eingabe</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>&amp;Wenn die aktuelle Wiedergabe endet</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Wenn ein Programm beendet wird</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wenn</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>&amp;beendet wird</translation>
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
        <translation>die laufende Instanz hat die Anfrage nicht angenommen</translation>
    </message>
</context>
</TS>
