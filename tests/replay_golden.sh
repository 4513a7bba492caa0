#!/usr/bin/env bash
# Replays an example script (its 'frame' lines left out) and compares what it
# prints, state lines and messages, with what it printed on x86-64, byte for
# byte.
#   replay_golden.sh GOLDEN_FILE SCRIPT DATA_FILE PROGRAM [EMULATOR...]
set -euo pipefail
golden=$1 script=$2 data=$3
shift 3
actual=$(grep -v "^frame" "$script" | "$@" --script - --data "$data" 2>&1)
if [ "$actual" != "$(cat "$golden")" ]; then
    echo "FAIL: what $script prints differs from $golden"
    diff <(echo "$actual") "$golden" | head -20
    exit 1
fi
echo "PASS: $(wc -l <"$golden") lines of $script as on x86-64"
