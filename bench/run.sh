#!/usr/bin/env bash
# Builds the release preset and runs every benchmark program:
#   bench/run.sh [Google Benchmark options, e.g. --benchmark_filter=Setup]
# The options go to each program. Run it on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset release
for program in bench_setup bench_step bench_memory; do
    echo "== $program"
    "build/release/bench/$program" "$@"
done
