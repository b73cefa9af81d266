#!/usr/bin/env bash
# Starts the real program on alarm folders that bench_cut_saves kept (as a
# kill left them) and checks that its clock shows and that each folder ends
# exactly as the bench's own recovery left it: the program's recovery at
# start does the same, and nothing else at start touches the alarm folder.
#
# Usage: build/bench/bench_cut_saves 1200 --keep DIR
#        scripts/x11-session -- bash bench/cut_saves_real.sh build/Tocsimo/tocsimo DIR
source "$(dirname "$0")/../tests/e2e/lib.sh"

kept=${2:?usage: $0 PROGRAM DIR}
runs=0
for result in "$kept"/*/; do
  folder="$E2E_TMP/Tocsimo"
  rm -rf "$folder"
  make_program_folder "$folder"
  cp -a "$result/before/." "$folder/alarm/"
  start_program pid "$E2E_TMP" "$folder/tocsimo"
  if wait_clock_window win "$pid" 20000; then
    diff -r "$folder/alarm" "$result/after" >/dev/null ||
      check_failed "$result: the folder is not as the recovery left it: $(diff -r "$folder/alarm" "$result/after")"
  else
    check_failed "$result: no clock window appeared"
  fi
  stop_program "$pid"
  runs=$((runs + 1))
  log "$result: $(ls -A "$result/before" | grep -c '^\.') staging files before, $(ls -A "$folder/alarm" | grep -c '^\.') after"
done
log "$runs folders"
e2e_finish
