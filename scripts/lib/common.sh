# Shared by scripts/run and scripts/test: the packages the build, the program and the tests need,
# and installing whichever of them are missing.

SOMNIVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# What building and running the program needs (scripts/run): the build, the program on X11 and
# on Wayland, and what scripts/run uses to show it where there is no display or sound server.
SOMNIVO_RUN_PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
    libasound2-dev libpulse-dev libxcb1-dev libxcb-dpms0-dev libxcb-sync-dev
    # build: the Wayland compositors' idle protocols and their code generator
    libwayland-dev libwayland-bin wayland-protocols plasma-wayland-protocols
    # program, on X11 and on Wayland
    libasound2-plugins xdg-utils qt6-wayland qt6-translations-l10n fonts-crosextra-carlito
    fonts-dejavu-core fonts-liberation
    # the Chinese captions, drawn and measured with the glyphs a Chinese desktop has
    fonts-wqy-microhei
    # a virtual display and a private sound server where there is none, and a screenshot
    xvfb xdotool imagemagick pulseaudio pulseaudio-utils
)

# What the tests, the measurements and the package check add (scripts/test).
SOMNIVO_TEST_PACKAGES=(
    # formatting
    clang-format
    # tests: window manager, real input, window and pointer facts
    openbox x11-utils x11-apps libxfixes3 libx11-dev
    # tests: the accessibility bus and a reader of it
    at-spi2-core gir1.2-atspi-2.0 python3-pyatspi
    # tests: a Wayland compositor with its X11 support
    weston xwayland
    # tests: private buses with fake services
    dbus python3 python3-dbus python3-gi python3-dbusmock tzdata
    # tests: a real media player that speaks MPRIS
    mpv mpv-mpris
    # the Debian package and its checks
    dpkg-dev fakeroot file desktop-file-utils appstream lintian
    # tests against real desktop shells, run headless: GNOME Shell and KDE Plasma
    gnome-shell mutter gjs
    kwin-wayland libkscreenlocker5 plasma-workspace plasma-desktop powerdevil
    libkf5globalaccel-bin qtwayland5 layer-shell-qt qml-module-org-kde-kirigami2
)

# The missing ones among the packages named.
somnivo_missing_packages() {
    local package status
    for package in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || echo "$package"
    done
}

# Installs what is missing to run the program, or with "test" also what the tests need.
somnivo_install_packages() {
    local wanted=("${SOMNIVO_RUN_PACKAGES[@]}") missing
    [[ "${1:-}" == test ]] && wanted+=("${SOMNIVO_TEST_PACKAGES[@]}")
    mapfile -t missing < <(somnivo_missing_packages "${wanted[@]}")
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

somnivo_build() {
    local preset="$1"
    cmake --preset "$preset" -S "$SOMNIVO_ROOT" >/dev/null
    cmake --build --preset "$preset"
}

# Starts a PulseAudio with one null sink in folder $1 and points this shell's ALSA and PulseAudio
# clients at it alone; its process id goes to somnivo_pulse_pid.
somnivo_start_private_sound_server() {
    local folder="$1"
    mkdir -p "$folder/pulse" && chmod 700 "$folder/pulse"
    export PULSE_RUNTIME_PATH="$folder/pulse" PULSE_SERVER="unix:$folder/pulse/native"
    export ALSA_CONFIG_PATH="$SOMNIVO_ROOT/scripts/lib/asound-pulse-only.conf"
    env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$folder" pulseaudio -n --daemonize=no \
        --exit-idle-time=-1 --disallow-exit --use-pid-file=no --log-target=file:"$folder/pulse.log" \
        -L "module-null-sink sink_name=testsink" \
        -L "module-native-protocol-unix socket=$folder/pulse/native auth-anonymous=1" \
        </dev/null >/dev/null 2>&1 &
    somnivo_pulse_pid=$!
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
