#!/usr/bin/env bash
# Sets up, then builds and runs every test twice: a normal build (build/) and
# an AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/).
set -euo pipefail
cd "$(dirname "$0")/.."
CORVID_SETUP_NO_BUILD=1 bash scripts/setup.sh

status=0
run_suite() {
  local dir=$1
  shift
  echo "=== $dir: configure and build"
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  ninja -C "$dir" -j2
  echo "=== $dir: ctest"
  (cd "$dir" && ctest -j2 --output-on-failure --timeout 600) || status=1
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DCORVID_SANITIZE=ON -DCORVID_BENCH=OFF
exit $status
