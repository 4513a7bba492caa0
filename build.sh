#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds, and then opens the program on
# the shipped data.txt, runs the whole test suite, or makes the Debian package
# in build/release.
#   ./build.sh run [program options]
#   ./build.sh test
#   ./build.sh package
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev
          qt6-l10n-tools qt6-tools-dev locales clang-format clang-tidy libgtest-dev libtomlplusplus-dev libbenchmark-dev
          fonts-dejavu-core xvfb xauth xdotool imagemagick dpkg-dev file desktop-file-utils appstream libxml2-utils
          groff-base lintian python3 pybind11-dev python3-dev python3-numpy python3-pytest jupyter-nbconvert
          python3-ipykernel python3-matplotlib dbus at-spi2-core python3-pyatspi)

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
    package)
        install_missing
        cmake --workflow --preset package
        ;;
    *)
        echo "usage: $0 run [program options] | $0 test | $0 package" >&2
        exit 2
        ;;
esac
