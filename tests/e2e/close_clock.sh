#!/usr/bin/env bash
# Closing the clock window through the window manager ends the program with
# status 0, and the alarm folder is left exactly as it was: no file
# rewritten (not even with the same bytes), added or removed. The folder
# holds files the program would write differently (LF line ends, a gap and
# bad entries in the index, a message in Windows-1252, a stray file), so a
# rewrite at exit cannot go unnoticed.
source "$(dirname "$0")/lib.sh"

folder="$E2E_TMP/Tocsimo"
make_program_folder "$folder"
write_alarm "$folder" 7 Once 2027 3 1 7 0 0 ""
printf 'Caf\xe9 au lait\r\nfor two' >"$folder/alarm/7Memo.ini"         # Windows-1252
write_alarm "$folder" 2 Hourly 2027 3 1 0 15 0 ""
printf 'first\nsecond\n' >"$folder/alarm/2Memo.ini"                     # lone LF
printf '[AlarmMode]\nYearly=1\n' >"$folder/alarm/5.ini"                 # a short hand-made file
# The index a program would rewrite: LF ends, a comment, a leading zero,
# an entry that is no number, a repeat, and a key after a gap.
printf '; written by hand\n[Alarms]\nAlarm1=007\nAlarm2=2\nAlarm3=x\nAlarm4=2\nAlarm6=5\n' \
  >"$folder/alarm/Alarms.ini"
printf 'not part of the store\n' >"$folder/alarm/notes.txt"
# Old times, so a rewrite within the same second still shows.
touch -d '2020-01-01 12:00:00' "$folder/alarm/"*

before=$(folder_state "$folder/alarm")

# close_with LABEL HOW: starts a copy, closes its clock window by HOW
# ("wmctrl" or "alt+F4") and checks the end and the folder.
close_with() {
  local label=$1 how=$2 pid win status after
  start_program pid "$E2E_TMP" "$folder/tocsimo"
  wait_clock_window win "$pid" 20000 || fatal "$label: no clock window appeared"
  log "$label: clock window $win of pid $pid"
  case $how in
    wmctrl)
      close_window_by_wm "$win" || check_failed "$label: wmctrl could not send the close request"
      ;;
    alt+F4)
      # The key goes to the window manager, which closes the active window.
      xdotool windowactivate --sync "$win" || check_failed "$label: could not activate the clock"
      xdotool key --clearmodifiers alt+F4
      ;;
  esac
  if ! wait_exit status "$pid" 10000; then
    check_failed "$label: still running 10 s after the close request"
    stop_program "$pid"
    return
  fi
  [ "$status" = 0 ] || check_failed "$label: ended with status $status"
  [ -z "$(visible_clock_windows)" ] || check_failed "$label: a clock window is still visible"
  after=$(folder_state "$folder/alarm")
  [ "$after" = "$before" ] ||
    check_failed "$label: the alarm folder changed:"$'\n'"$(diff <(echo "$before") <(echo "$after"))"
}

close_with "close request" wmctrl
close_with "Alt+F4" alt+F4

e2e_finish
