#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of ours is not as clang-format
# would write it:   cmake/check_format.sh [clang-format]
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format="${1:-clang-format}"
find app bench lesson math python session sim tests ui \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 "$clang_format" --dry-run --Werror
