<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>параметр %1 указан дважды</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>параметр %1 не принимает значения</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action принимает %1, а не %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>неизвестный параметр %1 (см. somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>непредвиденный аргумент %1 (см. somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop нельзя сочетать с другими параметрами</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily используется только вместе с --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file используется только вместе с --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>для --action runfile нужен --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at принимает время от 00:00 до 23:59, а не %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>нет такого файла: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 и %2 нельзя использовать вместе</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit принимает идентификатор процесса или имя программы, а не %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>нет такого процесса: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 принимает число минут, например 30 или 0.5, а не %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 принимает не более %2 символов, как и поле минут, а не %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 требует больше 0 минут</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 требует --in, --at, --idle, --media-end или --after-exit</translation>
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
        <translation>Использование: somnivo [ПАРАМЕТР...]
Таймер сна: по окончании отсчёта, в заданное время, после некоторого времени
бездействия, по окончании текущего воспроизведения или при завершении программы
он завершает сеанс, выключает или перезагружает компьютер, переводит его в
спящий режим или гибернацию, блокирует экран, выключает экраны, открывает файл
или только ставит проигрыватели на паузу, при желании плавно убавляя громкость и
затемняя экран. Без параметров показывает своё окно. С параметрами запускает или
останавливает отсчёт в уже работающей копии программы либо запускает новую копию
с этим отсчётом, как если бы использовалось окно.

  --in MINUTES        завершить отсчёт через MINUTES минут
                      (не более 4 символов: 30, 0.5)
  --at HH:MM          завершить отсчёт в указанное время
  --daily             вместе с --at: снова запускать отсчёт при каждом
                      запуске программы
  --idle MINUTES      завершить отсчёт после MINUTES минут бездействия
  --media-end         завершить отсчёт по окончании текущего воспроизведения
  --after-exit PID|NAME
                      завершить отсчёт, когда завершится этот процесс или все
                      ваши процессы с этим именем
  --action ACTION     что сделать в конце (по умолчанию — последнее выбранное):
                      %1
  --run-file PATH     вместе с --action runfile: файл, открываемый в конце
  --stop              остановить идущий отсчёт
  --help              показать эту справку и выйти
  --version           показать версию и выйти
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>выбранный файл</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>По окончании отсчёта компьютер может не выключиться: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>этому пользователю не разрешено его выключать</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Этот компьютер нельзя выключить.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>По окончании отсчёта компьютер может не перезагрузиться: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>этому пользователю не разрешено его перезагружать</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Этот компьютер нельзя перезагрузить.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>По окончании отсчёта компьютер может не перейти в спящий режим: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>этому пользователю не разрешено переводить его в спящий режим</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Этот компьютер нельзя перевести в спящий режим.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>По окончании отсчёта компьютер может не перейти в режим гибернации: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>этому пользователю не разрешено переводить его в режим гибернации</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Этот компьютер нельзя перевести в режим гибернации.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 в %2 (через %n мин)</numerusform>
            <numerusform>%1 в %2 (через %n мин)</numerusform>
            <numerusform>%1 в %2 (через %n мин)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>требуется пароль, а ввести его, возможно, будет некому</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>этот компьютер не поддерживает это действие</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 блокирует %2 (%3)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>Это рабочее окружение не позволяет выключить экраны: по окончании отсчёта проигрыватели будут только поставлены на паузу.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>Это рабочее окружение не позволяет выключить экраны. Воспроизведение будет поставлено на паузу через %1.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>выключение</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>спящий режим и гибернацию</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1 по окончании воспроизведения (воспроизведение на паузе)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1 по окончании воспроизведения (длительность неизвестна)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 по окончании воспроизведения (примерно через %n мин)</numerusform>
            <numerusform>%1 по окончании воспроизведения (примерно через %n мин)</numerusform>
            <numerusform>%1 по окончании воспроизведения (примерно через %n мин)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 после %2 мин бездействия (бездействие уже %n мин)</numerusform>
            <numerusform>%1 после %2 мин бездействия (бездействие уже %n мин)</numerusform>
            <numerusform>%1 после %2 мин бездействия (бездействие уже %n мин)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1, когда завершится «%2»</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>Это рабочее окружение не сообщает, как долго компьютер находится в бездействии.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 в %2, через %n минуту</numerusform>
            <numerusform>%1 в %2, через %n минуты</numerusform>
            <numerusform>%1 в %2, через %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 по окончании воспроизведения, примерно через %n минуту</numerusform>
            <numerusform>%1 по окончании воспроизведения, примерно через %n минуты</numerusform>
            <numerusform>%1 по окончании воспроизведения, примерно через %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 после %2 минут бездействия, бездействие уже %n минуту</numerusform>
            <numerusform>%1 после %2 минут бездействия, бездействие уже %n минуты</numerusform>
            <numerusform>%1 после %2 минут бездействия, бездействие уже %n минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>Системная шина недоступна.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>Служба сеансов не знает ни одного сеанса этого пользователя.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>Служба сеансов не ответила.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>Ни одна программа блокировки экрана не ответила.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>Это рабочее окружение не позволяет выключить экраны.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>Не настроена программа для открытия файлов этого типа.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>Не настроена программа для открытия ссылок этого типа.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Файл не выбран.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>Это не веб-адрес и не адрес электронной почты.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>Сеанс будет завершён через %1.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Выйти из сеанса</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>Не удалось завершить сеанс.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>Компьютер будет выключен через %1.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>Не удалось выключить компьютер.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>Компьютер будет перезагружен через %1.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>Не удалось перезагрузить компьютер.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>Через %1 откроется %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>Компьютер перейдёт в спящий режим через %1.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Перейти в спящий режим</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>Не удалось перевести компьютер в спящий режим.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>Компьютер перейдёт в режим гибернации через %1.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Перейти в режим гибернации</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>Не удалось перевести компьютер в режим гибернации.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>Экран будет заблокирован через %1.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Заблокировать экран</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>Не удалось заблокировать экран.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>Экраны будут выключены через %1.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Выключить экраны</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>Не удалось выключить экраны.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>Воспроизведение будет поставлено на паузу через %1.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Поставить воспроизведение на паузу</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>Для действия «Открыть файл» не выбран файл.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>Действию «Открыть файл» не удалось открыть «%1».</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Слишком долгий отсчёт: он может длиться не больше года (%1 минут).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Слишком долгое время бездействия: отсчёт может длиться не больше года (%1 минут).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Пока программа не даёт выключить экран, это рабочее окружение не учитывает время бездействия.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>Сейчас ничего не воспроизводится.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>Текущее воспроизведение не сообщает свою длительность: «Затухание» не может плавно убавить громкость к его концу.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Выберите программу, завершения которой нужно дождаться.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>Программа «%1» не запущена.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Отсчёт остановлен</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Присылайте отзывы на</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>Засыпайте легко под любимую музыку!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Присылайте отзывы на адрес %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Экран затемнён; нажмите любую клавишу, чтобы показать рабочий стол</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - время истекает</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 мин</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Файл для открытия</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Настройка действия «Открыть файл»</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Выберите файл, который нужно открыть в назначенное время</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>Файлы EXE</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>Пакетные файлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - таймер сна </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Оставшееся время</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>Свернуть пр&amp;и старте</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>&amp;Автозапуск</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Время срабатывания</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Минута</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>&amp;Повт.</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>&amp;В</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>​</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Минут до срабатывания</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>&amp;мин спустя</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>От&amp;крыть</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>&amp;Рестарт</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>Вык&amp;лючить</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>Вы&amp;йти</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Спящий режим</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>&amp;Гибернация</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Блокир.</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>Выключить &amp;экран</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>Только па&amp;уза</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>Зату&amp;хание</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>&amp;Чёрный экран</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Гр.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>Све&amp;дения</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>Запус&amp;тить</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Регулятор громкости</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>Не удалось открыть микшер.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Ос&amp;тановить</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Осталась %n минута</numerusform>
            <numerusform>Осталось %n минуты</numerusform>
            <numerusform>Осталось %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 мин</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Через</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>После</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>&amp;Если</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Минут без активности</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>ми&amp;н нет активности</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>П&amp;о окончании текущего воспроизведения</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Когда программа завершится</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>&amp;завершится</translation>
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
        <translation>запущенная копия не приняла запрос</translation>
    </message>
</context>
</TS>
