#!/usr/bin/env bash
# Fuzzes one reader with libFuzzer: builds the target with clang in
# build-fuzz/, then runs it from the tracked seed corpus fuzz/corpus/NAME.
# New inputs go to fuzz/corpus-work/NAME and the fuzzer's progress lines to
# fuzz/corpus-work/NAME.log (both git-ignored), so neither the tracked corpus
# nor the terminal fills up; an input that crashes is kept in fuzz/corpus-work/.
# Usage: scripts/fuzz.sh NAME [SECONDS]
#   NAME: tech_reader, cif_reader, cadence_reader, menu_reader, rule_file_reader,
#   bridge_reader, settings_reader, color_reader, bitmap_reader, lp_report_reader
#   or batch_reader;
#   SECONDS: 300
set -euo pipefail
cd "$(dirname "$0")/.."
# Absolute paths for the fuzzer: some targets change directory to a scratch one.
top=$PWD
name=${1:?usage: scripts/fuzz.sh NAME [SECONDS]}
seconds=${2:-300}
[ -f "fuzz/$name.cpp" ] || { echo "no fuzz target fuzz/$name.cpp" >&2; exit 2; }
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCORVID_FUZZ=ON -DCORVID_TESTS=OFF -DCORVID_BENCH=OFF \
    >/dev/null
fi
ninja -C build-fuzz "fuzz_$name" >/dev/null
work=$top/fuzz/corpus-work/$name
mkdir -p "$work"
options=(-max_total_time="$seconds" -close_fd_mask=3 -artifact_prefix="$top/fuzz/corpus-work/" -print_final_stats=1)
[ -f "fuzz/$name.dict" ] && options+=(-dict="$top/fuzz/$name.dict")
# Per-target libFuzzer flags, one line of them.
[ -f "fuzz/$name.options" ] && read -r -a extra <"fuzz/$name.options" && options+=("${extra[@]}")
echo "fuzzing $name for $seconds s: new inputs in $work, log in $work.log"
status=0
"build-fuzz/fuzz/fuzz_$name" "${options[@]}" "$work" "$top/fuzz/corpus/$name" >"$work.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|stat::new_units_added)|^Done' "$work.log" || true
if [ "$status" -ne 0 ]; then
  echo "the fuzzer stopped with status $status; the report is in $work.log:" >&2
  grep -m 3 -E 'ERROR|SUMMARY|Test unit written' "$work.log" >&2 || true
fi
exit "$status"
