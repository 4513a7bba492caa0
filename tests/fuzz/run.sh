#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target for SECONDS seconds on a
# scratch copy of its seed corpus, so the committed seeds never grow by
# themselves. Exits non-zero when any target finds a crash, a sanitizer
# report, a hang or a broken invariant; the input is left in
# build/fuzz/findings/<target>/.
#   tests/fuzz/run.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${1:-}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 SECONDS   (per target)" >&2
    exit 2
fi

cmake --workflow --preset fuzz

build=build/fuzz
# The targets as CMake lists them.
mapfile -t targets <"$build/tests/fuzz/targets.txt"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

failed=()
for target in "${targets[@]}"; do
    corpus="$scratch/$target"
    findings="$build/findings/$target"
    rm -rf "$findings"
    mkdir -p "$findings"
    cp -r "tests/fuzz/corpus/$target" "$corpus"
    log="$build/findings/$target.log"
    echo "== $target: $seconds s"
    status=0
    # A single input that runs for over ten seconds counts as a hang.
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "$target: ${execs:-?} runs, exit status $status"
    if [ "$status" -ne 0 ]; then
        failed+=("$target")
        tail -n 60 "$log"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $build/findings/)" >&2
    exit 1
fi
echo "fuzzing found no faults"
