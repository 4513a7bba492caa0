#!/usr/bin/env bash
# Runs clang-tidy with .clang-tidy over every C++ source of ours in the compile
# database of the ci build (configured here if it is missing); any finding
# fails. The benchmarks are not in that build and so not checked.
#   cmake/run_clang_tidy.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/ci/compile_commands.json ] || cmake --preset ci >/dev/null
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -p build/ci -j 2 -quiet "^$PWD/(app|bench|lesson|math|python|session|sim|tests|ui)/" >"$log" 2>&1 || status=$?
# Only the findings: not the commands, nor the count of warnings in headers
# outside the tree.
grep -v -e '^clang-tidy' -e 'warnings generated' -e '^Suppressed' -e 'header-filter' "$log" || true
exit "$status"
