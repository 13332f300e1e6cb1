# Shared by scripts/run and scripts/test: the packages the build, the program and the tests need,
# and installing whichever of them are missing.

SOMNIVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

SOMNIVO_PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
    libasound2-dev libpulse-dev libxcb1-dev libxcb-dpms0-dev clang-format
    # program, on X11 and on Wayland
    libasound2-plugins xdg-utils qt6-wayland qt6-translations-l10n fonts-crosextra-carlito
    fonts-dejavu-core fonts-liberation
    # the Chinese captions, drawn and measured with the glyphs a Chinese desktop has
    fonts-wqy-microhei
    # tests: private X server, window manager, real input, screenshots, the pointer's image
    xvfb openbox xdotool x11-utils x11-apps imagemagick libxfixes3 libx11-dev
    # tests: the accessibility bus and a reader of it
    at-spi2-core gir1.2-atspi-2.0 python3-pyatspi
    # tests: a Wayland compositor with its X11 support
    weston xwayland
    # tests: private buses with fake services, private sound server
    dbus python3 python3-dbus python3-gi python3-dbusmock pulseaudio pulseaudio-utils tzdata
    # the Debian package and its checks
    dpkg-dev fakeroot file desktop-file-utils appstream lintian
    # tests against real desktop shells, run headless: GNOME Shell and KDE Plasma
    gnome-shell mutter gjs
    kwin-wayland libkscreenlocker5 plasma-workspace plasma-desktop powerdevil
    libkf5globalaccel-bin qtwayland5 layer-shell-qt qml-module-org-kde-kirigami2
)

somnivo_missing_packages() {
    local package status
    for package in "${SOMNIVO_PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || echo "$package"
    done
}

somnivo_install_packages() {
    local missing
    mapfile -t missing < <(somnivo_missing_packages)
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
