#!/usr/bin/env bash
# Runs a notebook top to bottom as `jupyter nbconvert --execute` does, with
# Debian's kernel; a cell that raises fails it. Jupyter, IPython and matplotlib
# keep their settings and caches, and the executed copy, in a scratch folder.
#   run_notebook.sh PYTHON NOTEBOOK
set -euo pipefail
python=$1 notebook=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export JUPYTER_CONFIG_DIR=$work/jupyter JUPYTER_DATA_DIR=$work/jupyter JUPYTER_RUNTIME_DIR=$work/jupyter/runtime \
       IPYTHONDIR=$work/ipython MPLCONFIGDIR=$work/matplotlib
"$python" -m nbconvert --to notebook --execute --ExecutePreprocessor.timeout=60 \
    --ExecutePreprocessor.kernel_name=python3 --output-dir "$work/executed" "$notebook"
grep -q '"the same bits as ' "$work/executed/$(basename "$notebook")" || { echo "FAIL: the check did not run"; exit 1; }
echo "PASS: $(basename "$notebook") ran and printed the program's numbers"
