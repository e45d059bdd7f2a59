# Shared by scripts/run, scripts/test and scripts/bench: installs what is missing,
# then configures and builds into a build folder.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages needed to build and run; extra ones come as arguments.
quorvel_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libfontconfig-dev libpulse-dev
    zlib1g-dev fonts-liberation python3 qt6-translations-l10n gettext)

missing_packages() {
    local wanted=("$@") missing=()
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    echo "${missing[@]:-}"
}

# Faces for the languages beyond Latin letters, Chinese and Arabic, which
# every system a class uses has: the suite measures their captions in real
# glyphs, on the desktop, under Wine and in the browsers.
script_font_packages=(fonts-wqy-microhei fonts-kacst-one)

# The Windows build needs only the cross compiler, not Qt.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64 binutils-mingw-w64-x86-64
    libz-mingw-w64-dev python3)
# Running its tests needs Wine and an X server for the windows.
wine_packages=(wine wine64 fonts-wine fonts-liberation xvfb xauth python3-fonttools
               "${script_font_packages[@]}")

# The browser page needs Emscripten and the fonts it embeds; its tests drive
# Debian's Chromium, Firefox (over WebDriver BiDi) and WebKitGTK's MiniBrowser,
# and audit it with axe-core from npm.
web_packages=(cmake ninja-build emscripten nodejs fonts-liberation2 python3-fonttools python3-brotli)
browser_packages=(chromium chromium-driver python3-selenium firefox-esr python3-websocket
                  webkit2gtk-driver xvfb dbus-daemon)
# The version of axe-core the page's audit runs.
axe_core_version=4.14.1
# A real screen reader, heard through its log: Orca on its own X server and
# session bus, its speech going nowhere.
screen_reader_packages=(orca speech-dispatcher at-spi2-core dbus-x11 xvfb xdotool)

install_packages() {
    install_exactly "${quorvel_packages[@]}" "$@"
}

# install_exactly PACKAGE...: installs those of the packages that are missing.
install_exactly() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "Not a Debian system: install CMake, Ninja, a C++20 compiler, Qt 6 Widgets, Fontconfig and the PulseAudio headers, then run again." >&2
        exit 1
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo="sudo"
        else
            echo "These Debian packages are missing; install them and run again:" >&2
            echo "  sudo apt-get install $missing" >&2
            exit 1
        fi
    fi
    echo "Installing: $missing"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# start_xvfb: starts an X server of our own on a free display, unless one is
# already there, and stops it when the script exits.
start_xvfb() {
    [ -n "${DISPLAY:-}" ] && return 0
    local number
    for number in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
    done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    exit 1
}

# make_wine_prefix DIR: a fresh Wine prefix in DIR, with Wine's own fonts in
# it and the faces Windows has resolved as they resolve there: Times New
# Roman to its metric twin, Microsoft Sans Serif to Wine's Tahoma, which has
# the Arabic letters as it does, and the fonts Windows shapes and links its
# text with (scripts/wine_fonts.py). Wine's optional .NET and browser
# engines are not installed.
make_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    /usr/bin/python3 "$top/scripts/wine_fonts.py" "$WINEPREFIX/drive_c/windows/Fonts"
    local registry
    registry=$(mktemp --suffix=.reg)
    {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
        printf '"Times New Roman"="Liberation Serif"\n"Microsoft Sans Serif"="Tahoma"\n'
    } >"$registry"
    wine regedit "$registry" >/dev/null 2>&1
    wineserver -w
    rm -f "$registry"
}

# build_into DIR [cmake options...]: configures and builds every target.
build_into() {
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel
}

# build_target DIR TARGET [cmake options...]: configures, then builds TARGET
# and what it needs, nothing else.
build_target() {
    local dir=$1 target=$2
    shift 2
    cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel --target "$target"
}

# build_web DIR [cmake options...]: configures DIR for the browser with
# Emscripten and builds every target. Emscripten's tools run on node and
# need Debian's node modules wherever node itself came from.
build_web() {
    local dir=$1
    shift
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    emcmake cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel "$@" >/dev/null
    cmake --build "$dir" --parallel
}


# install_axe_core DIR: installs the pinned axe-core from npm into DIR, once,
# and npm itself from Debian where node came without it.
install_axe_core() {
    local dir=$1
    [ -f "$dir/node_modules/axe-core/package.json" ] &&
        grep -q "\"version\": \"$axe_core_version\"" "$dir/node_modules/axe-core/package.json" &&
        return 0
    command -v npm >/dev/null 2>&1 || install_exactly npm
    mkdir -p "$dir"
    npm install --prefix "$dir" --no-save --no-package-lock --no-audit --no-fund \
        "axe-core@$axe_core_version" >/dev/null
}
