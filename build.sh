#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds, and then either opens the
# program on the shipped data.txt or runs the whole test suite.
#   ./build.sh run [program options]
#   ./build.sh test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libxkbcommon-dev locales
          libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xauth xdotool imagemagick)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

case "${1:-}" in
    run)
        shift
        install_missing
        cmake --workflow --preset default
        exec build/default/app/rigid-body "$@"
        ;;
    test)
        install_missing
        cmake --workflow --preset ci
        ;;
    *)
        echo "usage: $0 run [program options] | $0 test" >&2
        exit 2
        ;;
esac
