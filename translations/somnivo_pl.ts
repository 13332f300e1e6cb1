<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 występuje dwukrotnie</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>--action takes %1, not %2</source>
        <translation>--action przyjmuje %1, a nie %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>unknown option %1 (see somnivo --help)</source>
        <translation>nieznana opcja %1 (zob. somnivo --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see somnivo --help)</source>
        <translation>nieoczekiwany argument %1 (zob. somnivo --help)</translation>
    </message>
    <message>
        <source>--stop takes no other options</source>
        <translation>--stop nie przyjmuje innych opcji</translation>
    </message>
    <message>
        <source>--daily goes with --at</source>
        <translation>--daily działa tylko razem z --at</translation>
    </message>
    <message>
        <source>--run-file goes with --action runfile</source>
        <translation>--run-file działa tylko razem z --action runfile</translation>
    </message>
    <message>
        <source>--action runfile needs --run-file PATH</source>
        <translation>--action runfile wymaga --run-file PATH</translation>
    </message>
    <message>
        <source>--at takes a clock time from 00:00 to 23:59, not %1</source>
        <translation>--at przyjmuje godzinę od 00:00 do 23:59, a nie %1</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>nie ma takiego pliku: %1</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 i %2 nie mogą być użyte razem</translation>
    </message>
    <message>
        <source>--after-exit takes a process id or a program&apos;s name, not %1</source>
        <translation>--after-exit przyjmuje identyfikator procesu lub nazwę programu, a nie %1</translation>
    </message>
    <message>
        <source>no such process: %1</source>
        <translation>nie ma takiego procesu: %1</translation>
    </message>
    <message>
        <source>%1 takes minutes as a number such as 30 or 0.5, not %2</source>
        <translation>%1 przyjmuje minuty jako liczbę, na przykład 30 lub 0.5, a nie %2</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters, as the minutes box does, not %3</source>
        <translation>%1 przyjmuje najwyżej %2 znaki, tak jak pole minut, a nie %3</translation>
    </message>
    <message>
        <source>%1 needs more than 0 minutes</source>
        <translation>%1 wymaga więcej niż 0 minut</translation>
    </message>
    <message>
        <source>%1 needs --in, --at, --idle, --media-end or --after-exit</source>
        <translation>%1 wymaga --in, --at, --idle, --media-end lub --after-exit</translation>
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
        <translation>Składnia: somnivo [OPCJA...]
Wyłącznik czasowy do zasypiania: po zakończeniu odliczania, o wybranej
godzinie, po pewnym czasie bez aktywności, po zakończeniu bieżącego odtwarzania
lub gdy program zakończy działanie, wylogowuje, wyłącza, uruchamia ponownie,
usypia lub hibernuje komputer, blokuje ekran, wyłącza ekrany, otwiera plik albo
tylko wstrzymuje odtwarzacze, opcjonalnie stopniowo ściszając dźwięk i
wygaszając ekran na czarno. Bez opcji pokazuje swoje okno. Z opcjami ustawia
lub zatrzymuje odliczanie w już działającej kopii albo uruchamia program od
razu z tym odliczaniem, tak jakby użyto okna.

  --in MINUTES        kończy odliczanie za MINUTES minut (najwyżej 4 znaki:
                      30, 0.5)
  --at HH:MM          kończy odliczanie o tej godzinie
  --daily             z --at: ustawia odliczanie ponownie przy każdym
                      uruchomieniu programu
  --idle MINUTES      kończy odliczanie po MINUTES minutach bez aktywności
  --media-end         kończy odliczanie po zakończeniu bieżącego odtwarzania
  --after-exit PID|NAME
                      kończy odliczanie, gdy zakończy działanie ten proces albo
                      każdy z twoich procesów o tej nazwie
  --action ACTION     co zrobić na końcu (domyślnie: ostatni wybór):
                      %1
  --run-file PATH     z --action runfile: plik do otwarcia na końcu
  --stop              zatrzymuje trwające odliczanie
  --help              pokazuje tę pomoc i kończy działanie
  --version           pokazuje wersję i kończy działanie
</translation>
    </message>
</context>
<context>
    <name>EndingText</name>
    <message>
        <source>The Run File</source>
        <translation>wybrany plik</translation>
    </message>
    <message>
        <source>The computer may not shut down at the end of this run: %1.</source>
        <translation>Komputer może się nie wyłączyć po zakończeniu tego odliczania: %1.</translation>
    </message>
    <message>
        <source>this user may not shut it down</source>
        <translation>ten użytkownik nie ma uprawnień do jego wyłączenia</translation>
    </message>
    <message>
        <source>This computer cannot shut down.</source>
        <translation>Tego komputera nie można wyłączyć.</translation>
    </message>
    <message>
        <source>The computer may not restart at the end of this run: %1.</source>
        <translation>Komputer może się nie uruchomić ponownie po zakończeniu tego odliczania: %1.</translation>
    </message>
    <message>
        <source>this user may not restart it</source>
        <translation>ten użytkownik nie ma uprawnień do jego ponownego uruchomienia</translation>
    </message>
    <message>
        <source>This computer cannot restart.</source>
        <translation>Tego komputera nie można uruchomić ponownie.</translation>
    </message>
    <message>
        <source>The computer may not suspend at the end of this run: %1.</source>
        <translation>Komputer może nie zostać uśpiony po zakończeniu tego odliczania: %1.</translation>
    </message>
    <message>
        <source>this user may not suspend it</source>
        <translation>ten użytkownik nie ma uprawnień do jego uśpienia</translation>
    </message>
    <message>
        <source>This computer cannot suspend.</source>
        <translation>Tego komputera nie można uśpić.</translation>
    </message>
    <message>
        <source>The computer may not hibernate at the end of this run: %1.</source>
        <translation>Komputer może nie zostać zahibernowany po zakończeniu tego odliczania: %1.</translation>
    </message>
    <message>
        <source>this user may not let it hibernate</source>
        <translation>ten użytkownik nie ma uprawnień do jego hibernacji</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Tego komputera nie można zahibernować.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 (in %n min)</source>
        <translation>
            <numerusform>%1 o %2 (za %n min)</numerusform>
            <numerusform>%1 o %2 (za %n min)</numerusform>
            <numerusform>%1 o %2 (za %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>it asks for a password, which nobody may be there to give</source>
        <translation>wymagane jest hasło, a może nie być nikogo, kto je poda</translation>
    </message>
    <message>
        <source>this computer cannot do that</source>
        <translation>ten komputer tego nie potrafi</translation>
    </message>
    <message>
        <source>%1 is blocking %2 (%3)</source>
        <translation>%1 blokuje %2 (%3)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off: the run will only pause the players.</source>
        <translation>To środowisko pulpitu nie pozwala wyłączyć ekranów: odliczanie jedynie wstrzyma odtwarzacze.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off. Playback will pause in %1.</source>
        <translation>To środowisko pulpitu nie pozwala wyłączyć ekranów. Odtwarzanie zostanie wstrzymane za %1.</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>wyłączanie</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>usypianie i hibernację</translation>
    </message>
    <message>
        <source>%1 when the media ends (the media is paused)</source>
        <translation>%1 po zakończeniu odtwarzania (odtwarzanie jest wstrzymane)</translation>
    </message>
    <message>
        <source>%1 when the media ends (how long it lasts is unknown)</source>
        <translation>%1 po zakończeniu odtwarzania (czas trwania nie jest znany)</translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends (in about %n min)</source>
        <translation>
            <numerusform>%1 po zakończeniu odtwarzania (za około %n min)</numerusform>
            <numerusform>%1 po zakończeniu odtwarzania (za około %n min)</numerusform>
            <numerusform>%1 po zakończeniu odtwarzania (za około %n min)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 min without input (idle for %n min)</source>
        <translation>
            <numerusform>%1 po %2 min bez aktywności (brak aktywności od %n min)</numerusform>
            <numerusform>%1 po %2 min bez aktywności (brak aktywności od %n min)</numerusform>
            <numerusform>%1 po %2 min bez aktywności (brak aktywności od %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 when &apos;%2&apos; exits</source>
        <translation>%1, gdy „%2” zakończy działanie</translation>
    </message>
    <message>
        <source>This desktop does not tell how long the computer has had no input.</source>
        <translation>To środowisko pulpitu nie podaje, jak długo komputer pozostaje bez aktywności.</translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2, in %n minute(s)</source>
        <translation>
            <numerusform>%1 o %2, za %n minutę</numerusform>
            <numerusform>%1 o %2, za %n minuty</numerusform>
            <numerusform>%1 o %2, za %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 when the media ends, in about %n minute(s)</source>
        <translation>
            <numerusform>%1 po zakończeniu odtwarzania, za mniej więcej %n minutę</numerusform>
            <numerusform>%1 po zakończeniu odtwarzania, za mniej więcej %n minuty</numerusform>
            <numerusform>%1 po zakończeniu odtwarzania, za mniej więcej %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 minutes without input, none for %n minute(s) now</source>
        <translation>
            <numerusform>%1 po %2 minutach bez aktywności, brak aktywności od %n minuty</numerusform>
            <numerusform>%1 po %2 minutach bez aktywności, brak aktywności od %n minut</numerusform>
            <numerusform>%1 po %2 minutach bez aktywności, brak aktywności od %n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The system bus is not available.</source>
        <translation>Magistrala systemowa jest niedostępna.</translation>
    </message>
    <message>
        <source>The session service knows no session of this user.</source>
        <translation>Usługa sesji nie zna żadnej sesji tego użytkownika.</translation>
    </message>
    <message>
        <source>The session service gave no answer.</source>
        <translation>Usługa sesji nie odpowiedziała.</translation>
    </message>
    <message>
        <source>No screen locker answered.</source>
        <translation>Żadna blokada ekranu nie odpowiedziała.</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn the screens off.</source>
        <translation>To środowisko pulpitu nie pozwala wyłączyć ekranów.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of file.</source>
        <translation>Żaden program nie jest ustawiony do otwierania plików tego rodzaju.</translation>
    </message>
    <message>
        <source>No program is set up to open this kind of link.</source>
        <translation>Żaden program nie jest ustawiony do otwierania odnośników tego rodzaju.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Nie wybrano żadnego pliku.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>This is not a web or mail address.</source>
        <translation>To nie jest adres strony internetowej ani adres e-mail.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>The session will end in %1.</source>
        <translation>Sesja zostanie zakończona za %1.</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <source>The session could not be ended.</source>
        <translation>Nie udało się zakończyć sesji.</translation>
    </message>
    <message>
        <source>The computer will shut down in %1.</source>
        <translation>Komputer zostanie wyłączony za %1.</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>Nie udało się wyłączyć komputera.</translation>
    </message>
    <message>
        <source>The computer will restart in %1.</source>
        <translation>Komputer zostanie uruchomiony ponownie za %1.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Uruchom ponownie</translation>
    </message>
    <message>
        <source>The computer could not be restarted.</source>
        <translation>Nie udało się ponownie uruchomić komputera.</translation>
    </message>
    <message>
        <source>%2 will open in %1.</source>
        <translation>Za %1 zostanie otwarty %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Otwórz %1</translation>
    </message>
    <message>
        <source>The computer will suspend in %1.</source>
        <translation>Komputer zostanie uśpiony za %1.</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>The computer could not be suspended.</source>
        <translation>Nie udało się uśpić komputera.</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1.</source>
        <translation>Komputer zostanie zahibernowany za %1.</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>The computer could not hibernate.</source>
        <translation>Nie udało się zahibernować komputera.</translation>
    </message>
    <message>
        <source>The screen will lock in %1.</source>
        <translation>Ekran zostanie zablokowany za %1.</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Zablokuj ekran</translation>
    </message>
    <message>
        <source>The screen could not be locked.</source>
        <translation>Nie udało się zablokować ekranu.</translation>
    </message>
    <message>
        <source>The screens will turn off in %1.</source>
        <translation>Ekrany zostaną wyłączone za %1.</translation>
    </message>
    <message>
        <source>Turn the screens off</source>
        <translation>Wyłącz ekrany</translation>
    </message>
    <message>
        <source>The screens could not be turned off.</source>
        <translation>Nie udało się wyłączyć ekranów.</translation>
    </message>
    <message>
        <source>Playback will pause in %1.</source>
        <translation>Odtwarzanie zostanie wstrzymane za %1.</translation>
    </message>
    <message>
        <source>Pause playback</source>
        <translation>Wstrzymaj odtwarzanie</translation>
    </message>
</context>
<context>
    <name>SleepRun</name>
    <message>
        <source>Run File has no file to open.</source>
        <translation>W „Otwórz plik” nie wybrano żadnego pliku.</translation>
    </message>
    <message>
        <source>Run File could not open &quot;%1&quot;.</source>
        <translation>„Otwórz plik” nie może otworzyć „%1”.</translation>
    </message>
    <message>
        <source>This countdown is too long: a run can last at most a year (%1 minutes).</source>
        <translation>To odliczanie jest za długie: może trwać najwyżej rok (%1 minut).</translation>
    </message>
    <message>
        <source>This time without input is too long: a run can last at most a year (%1 minutes).</source>
        <translation>Ten czas bez aktywności jest za długi: odliczanie może trwać najwyżej rok (%1 minut).</translation>
    </message>
    <message>
        <source>While a program keeps the screen on, this desktop does not count time without input.</source>
        <translation>Gdy program utrzymuje włączony ekran, to środowisko pulpitu nie liczy czasu bez aktywności.</translation>
    </message>
    <message>
        <source>No media is playing.</source>
        <translation>Nic nie jest odtwarzane.</translation>
    </message>
    <message>
        <source>The media playing now does not tell how long it lasts: Diminuendo cannot fade the volume to its end.</source>
        <translation>Bieżące odtwarzanie nie podaje czasu trwania: „Wyciszanie” nie może stopniowo ściszać dźwięku aż do jego końca.</translation>
    </message>
    <message>
        <source>Choose the program to wait for.</source>
        <translation>Wybierz program, na który chcesz czekać.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not running.</source>
        <translation>Program „%1” nie jest uruchomiony.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano odliczanie</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Please send your comments to</source>
        <translation>Uwagi prosimy wysyłać na adres</translation>
    </message>
    <message>
        <source>Fall asleep easily while listening to your favorite music!</source>
        <translation>Zasypiaj z łatwością przy ulubionej muzyce!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1 - Auto Shutdown Timer</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>Please send your comments to %1.</source>
        <translation>Uwagi prosimy wysyłać na adres %1.</translation>
    </message>
</context>
<context>
    <name>frmBlackScreen</name>
    <message>
        <source>Screen blanked; press a key to show the desktop</source>
        <translation>Ekran wygaszony; naciśnij dowolny klawisz, aby pokazać pulpit</translation>
    </message>
</context>
<context>
    <name>frmEndingSoon</name>
    <message>
        <source>Somnivo - Ending soon</source>
        <translation>Somnivo - Wkrótce koniec</translation>
    </message>
    <message>
        <source>+&amp;10 min</source>
        <translation>+&amp;10 min</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>frmRunFile</name>
    <message>
        <source>Run File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Plik do otwarcia</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a file</source>
        <translation>Wybierz plik</translation>
    </message>
    <message>
        <source>Run File Setup</source>
        <translation>Ustawienia „Otwórz plik”</translation>
    </message>
    <message>
        <source>Please choose a file which you want to run in time</source>
        <translation>Wybierz plik, który ma zostać otwarty po upływie czasu</translation>
    </message>
    <message>
        <source>Exe Files</source>
        <translation>Pliki EXE</translation>
    </message>
    <message>
        <source>Batch Files</source>
        <translation>Pliki wsadowe</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>frmSomnivo</name>
    <message>
        <source>Somnivo - Auto Shutdown Timer </source>
        <translation>Somnivo - Wyłącznik czasowy </translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>Minimi&amp;ze On Start</source>
        <translation>Minimalizu&amp;j po starcie</translation>
    </message>
    <message>
        <source>Load At System Star&amp;t</source>
        <translation>&amp;Start po zalogowaniu</translation>
    </message>
    <message>
        <source>Time Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <source>Time is now</source>
        <translation>Aktualny czas</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>Co&amp;dz.</translation>
    </message>
    <message>
        <source>&amp;At</source>
        <translation>&amp;O</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>&amp;Za</translation>
    </message>
    <message>
        <source>Minutes from now on</source>
        <translation>Minuty odliczania</translation>
    </message>
    <message>
        <source>&amp;minutes from now on</source>
        <translation>mi&amp;n</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Run &amp;File</source>
        <translation>Otwórz &amp;plik</translation>
    </message>
    <message>
        <source>&amp;ReBoot</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>S&amp;hutDown</source>
        <translation>&amp;Wyłącz</translation>
    </message>
    <message>
        <source>&amp;LogOff</source>
        <translation>Wy&amp;loguj</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Uśpij</translation>
    </message>
    <message>
        <source>Hi&amp;bernate</source>
        <translation>&amp;Hibernuj</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>Za&amp;blokuj</translation>
    </message>
    <message>
        <source>Scree&amp;n Off</source>
        <translation>Wyłącz &amp;ekran</translation>
    </message>
    <message>
        <source>&amp;Pause Only</source>
        <translation>&amp;Tylko wstrzymaj</translation>
    </message>
    <message>
        <source>&amp;Diminuendo</source>
        <translation>W&amp;yciszanie</translation>
    </message>
    <message>
        <source>Bla&amp;ckScreen</source>
        <translation>&amp;Czarny ekran</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Gł.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>O pro&amp;gramie</translation>
    </message>
    <message>
        <source>&amp;Sleep Now!</source>
        <translation>Urucho&amp;m</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <translation>Regulacja głośności</translation>
    </message>
    <message>
        <source>Could not open the mixer.</source>
        <translation>Nie udało się otworzyć miksera.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Zatrzy&amp;maj</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Została %n minuta</numerusform>
            <numerusform>Zostały %n minuty</numerusform>
            <numerusform>Zostało %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 min</translation>
    </message>
    <message>
        <source>At</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>O godzinie</translation>
    </message>
    <message>
        <source>In</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Za</translation>
    </message>
    <message>
        <source>After</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Po</translation>
    </message>
    <message>
        <source>Aft&amp;er</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Minutes without input</source>
        <translation>Minuty bez aktywności</translation>
    </message>
    <message>
        <source>minutes &amp;without input</source>
        <translation>minut&amp;ach bez aktywności</translation>
    </message>
    <message>
        <source>When the media playin&amp;g now ends</source>
        <translation>Po za&amp;kończeniu bieżącego odtwarzania</translation>
    </message>
    <message>
        <source>When a program exits</source>
        <comment>Said by screen readers; the caption beside the button may be shorter.</comment>
        <translation>Gdy program zakończy działanie</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Gdy</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>e&amp;xits</source>
        <translation>s&amp;ię zakończy</translation>
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
        <translation>działająca kopia nie przyjęła polecenia</translation>
    </message>
</context>
</TS>
