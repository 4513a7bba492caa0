#!/usr/bin/env bash
# The window as a screen reader meets it, in a real X window with the
# accessibility bus of a private D-Bus session: see accessibility_tree.py.
#   accessibility_test.sh PROGRAM DATA_FILE
set -euo pipefail
program=$1
data=$2

source "$(dirname "$0")/virtual_display.sh"

for tool in dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (apt-get install dbus at-spi2-core)"; exit 1; }
done
cp "$data" "$work/data.txt"
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/accessibility_tree.py" "$program" "$work"
