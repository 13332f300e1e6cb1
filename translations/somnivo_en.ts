<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 at %2 (in %n min)</numerusform>
            <numerusform>%1 at %2 (in %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Run File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 when the media ends (in about %n min)</numerusform>
            <numerusform>%1 when the media ends (in about %n min)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 after %2 min without input (idle for %n min)</numerusform>
            <numerusform>%1 after %2 min without input (idle for %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 at %2, in %n minute</numerusform>
            <numerusform>%1 at %2, in %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 when the media ends, in about %n minute</numerusform>
            <numerusform>%1 when the media ends, in about %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 after %2 minutes without input, none for %n minute now</numerusform>
            <numerusform>%1 after %2 minutes without input, none for %n minutes now</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>%n minute left</numerusform>
            <numerusform>%n minutes left</numerusform>
        </translation>
    </message>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the request</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
