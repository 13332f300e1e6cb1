<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 被指定了两次</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action 的取值应为 %1，而不是 %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>未知选项 %1（参见 somnivo --help）</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>多余的参数 %1（参见 somnivo --help）</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop 不能与其他选项一起使用</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily 必须与 --at 一起使用</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file 必须与 --action runfile 一起使用</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile 需要 --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at 的取值应为 00:00 到 23:59 之间的时刻，而不是 %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>文件不存在：%1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 和 %2 不能同时使用</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit 的取值应为进程 ID 或程序名称，而不是 %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>进程不存在：%1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 的取值应为分钟数，例如 30 或 0.5，而不是 %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 的取值最多 %2 个字符（与分钟输入框相同），而不是 %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 需要大于 0 的分钟数</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 需要 --in、--at、--idle、--media-end 或 --after-exit</translation>
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
        <translation>用法：somnivo [选项...]
睡眠定时器：在倒计时结束时、到达指定时刻时、空闲一段时间后、
当前播放的媒体结束时或某个程序退出时，注销、关机、重启、挂起、休眠、
锁定屏幕、关闭屏幕、打开文件或仅暂停播放器，并可逐渐降低音量、使屏幕变黑。
不带选项时显示程序窗口。带选项时，在已运行的实例中启动或停止定时，
或者启动程序并开始该定时，效果如同在窗口中操作。

  --in MINUTES        在 MINUTES 分钟后结束定时（最多 4 个字符：30、0.5）
  --at HH:MM          在此时刻结束定时
  --daily             与 --at 一起使用：每次程序启动时重新开始定时
  --idle MINUTES      在空闲 MINUTES 分钟后结束定时
  --media-end         在当前播放的媒体结束时结束定时
  --after-exit PID|NAME
                      在此进程或您的所有同名进程退出后结束定时
  --action ACTION     结束时执行的操作（默认：上次选择的操作）：
                      %1
  --run-file PATH     与 --action runfile 一起使用：结束时要打开的文件
  --stop              停止正在进行的定时
  --help              显示此帮助并退出
  --version           显示版本并退出
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>所选文件</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>本次定时结束时，计算机可能无法关机：%1。</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>当前用户无权关机</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>此计算机无法关机。</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>本次定时结束时，计算机可能无法重启：%1。</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>当前用户无权重启</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>此计算机无法重启。</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>本次定时结束时，计算机可能无法挂起：%1。</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>当前用户无权挂起</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>此计算机无法挂起。</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>本次定时结束时，计算机可能无法休眠：%1。</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>当前用户无权使计算机休眠</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>此计算机无法休眠。</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%2 %1（%n 分钟后）</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>需要输入密码，而届时可能无人输入</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>此计算机不支持该操作</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 正在阻止 %2（%3）</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>此桌面环境无法关闭屏幕：本次定时结束时只会暂停播放器。</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>此桌面环境无法关闭屏幕。将在 %1 后暂停播放。</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>挂起和休眠</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>媒体播放结束时%1（媒体已暂停）</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>媒体播放结束时%1（时长未知）</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>媒体播放结束时%1（约 %n 分钟后）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>空闲 %2 分钟后%1（已空闲 %n 分钟）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>“%2”退出时%1</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>此桌面环境无法告知计算机已空闲多长时间。</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>将于 %2 %1，还有 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>媒体播放结束时%1，大约还有 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>空闲 %2 分钟后%1，已空闲 %n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>系统总线不可用。</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>会话服务中没有此用户的会话。</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>会话服务没有应答。</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>没有屏幕锁定程序应答。</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>此桌面环境无法关闭屏幕。</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>没有设置用于打开此类文件的程序。</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>没有设置用于打开此类链接的程序。</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>未选择文件。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>这不是网址或电子邮件地址。</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>会话将在 %1 后结束。</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>无法结束会话。</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>计算机将在 %1 后关机。</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>计算机无法关机。</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>计算机将在 %1 后重启。</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>计算机无法重启。</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>%2 将在 %1 后打开。</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>计算机将在 %1 后挂起。</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>挂起</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>计算机无法挂起。</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>计算机将在 %1 后休眠。</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>计算机无法休眠。</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>屏幕将在 %1 后锁定。</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>锁定屏幕</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>无法锁定屏幕。</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>屏幕将在 %1 后关闭。</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>关闭屏幕</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>无法关闭屏幕。</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>将在 %1 后暂停播放。</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>暂停播放</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>打开文件：没有选择要打开的文件。</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>打开文件：无法打开“%1”。</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>倒计时太长：最长只能为一年（%1 分钟）。</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>空闲时间太长：定时最长只能为一年（%1 分钟）。</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>当有程序保持屏幕常亮时，此桌面环境不计算空闲时间。</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>当前没有正在播放的媒体。</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>当前播放的媒体未提供时长：“音量渐弱”无法在其结束前逐渐降低音量。</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>请选择要等待的程序。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>“%1”未在运行。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>定时已停止</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>请将您的意见发送至</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>伴着喜爱的音乐轻松入睡！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>关于 %1 - 自动关机定时器</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>请将您的意见发送至 %1。</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>屏幕已变黑；按任意键显示桌面</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - 即将结束</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 分钟</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>要打开的文件</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>请选择文件</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>打开文件设置</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>请选择要定时打开的文件</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>EXE 文件</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>批处理文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - 自动关机定时器 </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>启动时最小化(&amp;Z)</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>登录时启动(&amp;T)</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>时间安排</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>当前时间</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>于</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>​</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>从现在起的分钟数</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>分钟后(&amp;M)</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>打开(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>重启(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>关机(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>注销(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>挂起(&amp;U)</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>休眠(&amp;B)</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>锁屏(&amp;K)</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>关闭屏幕(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>仅暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>音量渐弱(&amp;D)</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>黑屏(&amp;C)</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>关于(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>开始定时(&amp;S)</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>音量控制</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>无法打开混音器。</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止定时(&amp;S)</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 分钟</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>在指定时刻</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>空闲一段时间后</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>空闲分钟数</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>分钟后(&amp;W)</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>当前播放的媒体结束时(&amp;G)</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>程序退出时</translation>
    </message>
    <message>
        <source>When</source>
        <translation>当</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>退出时(&amp;X)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the request</source>
        <translation>正在运行的实例未接受该请求</translation>
    </message>
</context>
</TS>
