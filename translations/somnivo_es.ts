<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action admite %1, no %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>opción desconocida %1 (consulte somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>argumento inesperado %1 (consulte somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop no admite otras opciones</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily solo se puede usar con --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file solo se puede usar con --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile necesita --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at admite una hora entre 00:00 y 23:59, no %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>no existe el archivo: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 y %2 no se pueden usar a la vez</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit admite un identificador de proceso o el nombre de un programa, no %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>no existe el proceso: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 admite los minutos como un número, por ejemplo 30 o 0.5, no %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 admite como máximo %2 caracteres, igual que la casilla de los minutos, no %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 necesita más de 0 minutos</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 necesita --in, --at, --idle, --media-end o --after-exit</translation>
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
        <translation>Uso: somnivo [OPCIÓN...]
Un temporizador para dormir: al final de una cuenta atrás, a una hora dada,
tras un rato sin actividad, al terminar la reproducción actual o cuando termina
un programa, cierra la sesión, apaga, reinicia, suspende, hiberna, bloquea la
pantalla, apaga las pantallas, abre un archivo o solo pausa los reproductores,
y si se quiere baja el volumen poco a poco y oscurece la pantalla. Sin opciones
muestra su ventana. Con ellas activa o detiene un temporizador en la copia que
ya está en marcha, o se inicia con él, como si se hubiera usado la ventana.

  --in MINUTES        terminar el temporizador dentro de MINUTES minutos (como
                      máximo 4 caracteres: 30, 0.5)
  --at HH:MM          terminar el temporizador a esta hora
  --daily             con --at: volver a activarlo cada vez que se inicie el
                      programa
  --idle MINUTES      terminar el temporizador tras MINUTES minutos de
                      inactividad
  --media-end         terminar el temporizador al acabar la reproducción actual
  --after-exit PID|NAME
                      terminar el temporizador cuando hayan terminado este
                      proceso o todos sus procesos con este nombre
  --action ACTION     qué hacer al final (predeterminado: lo último elegido):
                      %1
  --run-file PATH     con --action runfile: el archivo que abrir al final
  --stop              detener el temporizador en curso
  --help              mostrar esta ayuda y salir
  --version           mostrar la versión y salir
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>el archivo elegido</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>Puede que el equipo no se apague al terminar el temporizador: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>este usuario no tiene permiso para apagarlo</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Este equipo no puede apagarse.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>Puede que el equipo no se reinicie al terminar el temporizador: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>este usuario no tiene permiso para reiniciarlo</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Este equipo no puede reiniciarse.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>Puede que el equipo no se suspenda al terminar el temporizador: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>este usuario no tiene permiso para suspenderlo</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Este equipo no puede suspenderse.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>Puede que el equipo no hiberne al terminar el temporizador: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>este usuario no tiene permiso para hibernarlo</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Este equipo no puede hibernar.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 a las %2 (en %n min)</numerusform>
            <numerusform>%1 a las %2 (en %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>pide una contraseña y puede que no haya nadie para introducirla</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>este equipo no puede hacerlo</translation>
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
        <translation>Este escritorio no ofrece ninguna forma de apagar las pantallas: el temporizador solo pausará los reproductores.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>Este escritorio no ofrece ninguna forma de apagar las pantallas. La reproducción se pausará dentro de %1.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>el apagado</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>la suspensión y la hibernación</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1 al terminar la reproducción (la reproducción está en pausa)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1 al terminar la reproducción (se desconoce cuánto dura)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 al terminar la reproducción (en unos %n min)</numerusform>
            <numerusform>%1 al terminar la reproducción (en unos %n min)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 tras %2 min de inactividad (inactivo desde hace %n min)</numerusform>
            <numerusform>%1 tras %2 min de inactividad (inactivo desde hace %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1 cuando termine «%2»</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>Este escritorio no indica cuánto tiempo lleva el equipo sin actividad.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 a las %2, dentro de %n minuto</numerusform>
            <numerusform>%1 a las %2, dentro de %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 al terminar la reproducción, dentro de %n minuto aproximadamente</numerusform>
            <numerusform>%1 al terminar la reproducción, dentro de unos %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 tras %2 minutos de inactividad, sin actividad desde hace %n minuto</numerusform>
            <numerusform>%1 tras %2 minutos de inactividad, sin actividad desde hace %n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>El bus del sistema no está disponible.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>El servicio de sesiones no conoce ninguna sesión de este usuario.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>El servicio de sesiones no ha respondido.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>No ha respondido ningún bloqueador de pantalla.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>Este escritorio no ofrece ninguna forma de apagar las pantallas.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>No hay ningún programa configurado para abrir este tipo de archivo.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>No hay ningún programa configurado para abrir este tipo de enlace.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>No se ha elegido ningún archivo.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>No es una dirección web ni de correo electrónico.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>La sesión se cerrará dentro de %1.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Cerrar la sesión</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>No se ha podido cerrar la sesión.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>El equipo se apagará dentro de %1.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>No se ha podido apagar el equipo.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>El equipo se reiniciará dentro de %1.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>No se ha podido reiniciar el equipo.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>Dentro de %1 se abrirá %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>El equipo se suspenderá dentro de %1.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>No se ha podido suspender el equipo.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>El equipo hibernará dentro de %1.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>El equipo no ha podido hibernar.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>La pantalla se bloqueará dentro de %1.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Bloquear la pantalla</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>No se ha podido bloquear la pantalla.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>Las pantallas se apagarán dentro de %1.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Apagar las pantallas</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>No se han podido apagar las pantallas.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>La reproducción se pausará dentro de %1.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Pausar la reproducción</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>No se ha elegido ningún archivo que abrir.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>No se ha podido abrir «%1».</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Esta cuenta atrás es demasiado larga: puede durar como máximo un año (%1 minutos).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Este tiempo de inactividad es demasiado largo: el temporizador puede durar como máximo un año (%1 minutos).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Mientras un programa mantenga la pantalla encendida, este escritorio no cuenta el tiempo de inactividad.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>No se está reproduciendo nada.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>La reproducción actual no indica cuánto dura: «Fundido» no puede bajar el volumen poco a poco hasta su final.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Elija el programa al que esperar.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>«%1» no se está ejecutando.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Temporizador detenido</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Envíe sus comentarios a</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>¡Concilie el sueño fácilmente escuchando su música favorita!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Envíe sus comentarios a %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Pantalla en negro; pulse una tecla para mostrar el escritorio</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - Termina pronto</translation>
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
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Archivo que abrir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Seleccione un archivo</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Configuración de «Abrir archivo»</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Elija el archivo que quiere abrir al terminar el temporizador</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>Archivos EXE</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>Archivos por lotes</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
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
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>Minimi&amp;zar al iniciar</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>&amp;Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Hora actual</translation>
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
        <translation>Diari&amp;o</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>&amp;A</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>&amp;En</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Minutos de cuenta atrás</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>Apa&amp;gar</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Suspender</translation>
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
        <translation>Apagar pan&amp;talla</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>So&amp;lo pausar</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>F&amp;undido</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>&amp;Pantalla negra</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>I&amp;niciar</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Control de volumen</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>No se ha podido abrir el mezclador.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Dete&amp;ner</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
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
        <translation>A las</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>En</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Tras</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>Tras</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Minutos de inactividad</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>minutos de inacti&amp;vidad</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>Al &amp;finalizar la reproducción actual</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Cuando termine un programa</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>ter&amp;mina</translation>
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
        <translation>la copia en ejecución no ha aceptado la petición</translation>
    </message>
</context>
</TS>
