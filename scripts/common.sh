# Shared by scripts/run, scripts/test and scripts/bench: installs what is missing,
# then configures and builds into a build folder.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages needed to build and run; extra ones come as arguments.
quorvel_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation)

missing_packages() {
    local wanted=("$@") missing=()
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    echo "${missing[@]:-}"
}

install_packages() {
    local missing
    missing=$(missing_packages "${quorvel_packages[@]}" "$@")
    [ -z "$missing" ] && return 0
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "Not a Debian system: install CMake, Ninja, a C++20 compiler and Qt 6 Widgets, then run again." >&2
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

# build_into DIR [cmake options...]
build_into() {
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel
}
