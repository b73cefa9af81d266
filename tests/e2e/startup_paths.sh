#!/usr/bin/env bash
# The program finds its files beside its executable, whatever the working
# directory and however the executable is named on the command line, also
# when the program folder's path has blanks and non-ASCII letters: it reads
# the alarm store written by hand there, never a store in the working
# directory, writes nothing into the alarm folder, and maps its clock window.
source "$(dirname "$0")/lib.sh"

folder="$E2E_TMP/Mes programmes/Tocsimo Réveil ÄÖÜ ß 時計"
make_program_folder "$folder"
write_alarm "$folder" 3 Daily 2027 3 1 7 0 0 "$folder/sound/Yee Haa.wav"
write_message "$folder" 3 "Réveil à sept heures" "second line"
write_alarm "$folder" 1 Once 2027 12 24 18 30 15 ""
write_message "$folder" 1 "Dentist"
write_alarm "$folder" 7 Weekly 2027 3 3 12 0 0 ""
write_message "$folder" 7 "Lunch"
write_index "$folder" 3 1 7

# A working directory holding a store of its own: it must not be read.
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere/alarm"
write_alarm "$elsewhere" 9 Hourly 2027 1 1 0 0 0 ""
write_message "$elsewhere" 9 "Wrong folder"
write_index "$elsewhere" 9

alarms_before=$(folder_state "$folder/alarm")

# run_once LABEL WORKDIR PROGRAM [ENV...]: one start and one close.
run_once() {
  local label=$1 workdir=$2 program=$3
  shift 3
  local trace="$E2E_TMP/trace-$label" pid win status id problems
  log "$label: starting '$program' in '$workdir'"
  start_program pid "$workdir" env "$@" "${STRACE[@]}" -o "$trace" "$program"
  if ! wait_clock_window win "$pid" 20000; then
    check_failed "$label: no visible window titled \"Tocsimo\" appeared"
    stop_program "$pid"
    return
  fi
  log "$label: clock window $win mapped"

  # The store was read from the program folder, by its full path.
  for id in Alarms.ini 3.ini 3Memo.ini 1.ini 1Memo.ini 7.ini 7Memo.ini; do
    trace_opened "$trace" "$folder/alarm/$id" ||
      check_failed "$label: did not read $folder/alarm/$id"
  done
  # And nothing from the working directory.
  problems=$(trace_touched "$trace" "$elsewhere"; cat "$trace".* | grep -F '"alarm/' || true)
  [ -z "$problems" ] || check_failed "$label: looked at the working directory's files:"$'\n'"$problems"

  if ! close_window_by_wm "$win"; then
    check_failed "$label: wmctrl could not send the close request"
    stop_program "$pid"
    return
  fi
  if ! wait_exit status "$pid" 10000; then
    check_failed "$label: still running 10 s after its clock window was closed"
    stop_program "$pid"
    return
  fi
  [ "$status" = 0 ] || check_failed "$label: exit status $status after closing the clock"

  problems=$(trace_writes_under "$trace" "$folder/alarm")
  [ -z "$problems" ] || check_failed "$label: wrote into the alarm folder:"$'\n'"$problems"
  [ "$(folder_state "$folder/alarm")" = "$alarms_before" ] ||
    check_failed "$label: the alarm folder changed:"$'\n'"$(diff <(echo "$alarms_before") <(folder_state "$folder/alarm"))"
}

# An absolute path, started from a directory that has a store of its own.
run_once absolute "$elsewhere" "$folder/tocsimo" LANG=C.UTF-8
# A relative path from the folder above, in the plain C locale.
run_once relative "$(dirname "$folder")" "./$(basename "$folder")/tocsimo" LC_ALL=C

e2e_finish
