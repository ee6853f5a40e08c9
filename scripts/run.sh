#!/usr/bin/env bash
# The main job: set up and build, then start the window program when a display
# is available, otherwise run the bundled batch analysis (examples/demo.batch)
# in out/, where its reports are written.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
bash scripts/setup.sh
export SYSRC="${SYSRC:-$ROOT/lib/corvidrc}"

if [ -n "${DISPLAY:-}" ] && [ -x build/corvid ]; then
  exec build/corvid "$@"
fi

mkdir -p out/resize_report
cd out
echo "run: corvid-batch $ROOT/examples/demo.batch (reports in $ROOT/out)"
"$ROOT/build/corvid-batch" "$@" "$ROOT/examples/demo.batch"
echo "run: done; files in $ROOT/out:"
ls -1 "$ROOT/out"
