#!/usr/bin/env bash
# Builds the release preset and runs every benchmark program, then prints one
# table of every speed goal, its figure and whether it is met:
#   bench/run.sh [Google Benchmark options, e.g. --benchmark_filter=Setup]
# Without options each benchmark runs five times and reports mean, median and
# spread, since single runs on a busy two-core machine vary by a third. Run it
# on an otherwise idle machine; compare CPU times, which waiting does not inflate.
set -euo pipefail
cd "$(dirname "$0")/.."

options=("$@")
if [ ${#options[@]} -eq 0 ]; then
    options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
fi

cmake --workflow --preset release
# The programs as CMake lists them.
mapfile -t programs <build/release/bench/benchmarks.txt
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for program in "${programs[@]}"; do
    echo "== $program"
    "build/release/bench/$program" "${options[@]}" --benchmark_out="$results/$program.json" \
        --benchmark_out_format=json
done
/usr/bin/python3 bench/goals.py "$results"/*.json
