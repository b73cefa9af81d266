#!/usr/bin/env bash
# The whole journey of a new user, by mouse and keyboard only: start the
# program, right-click the clock, "Alarms", "Add", a daily alarm a few seconds
# ahead ("Now", then the seconds raised) with a sound and a message, "OK",
# "OK"; the alarm goes off and is heard; "Close"; then "Exit" from the clock's
# menu, and every file on disk as expected.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"
source "$(dirname "$0")/journey_lib.sh"
journey_start

# click_at WINDOW X Y: a left click at a point of the window's client area.
click_at() {
  local X Y
  read -r X Y <<<"$(window_xy "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}

alarm_watch_start
alarm_record_start
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"

journey_early_in_minute

right_click "$clock"
menu_choose "$pid" Down Down Return
poll 10000 manager_of "$pid" >/dev/null || fatal "\"Alarms\" showed no manager"
manager=$(manager_of "$pid")
click_at "$manager" 124 310 # "Add"
poll 10000 named_window_of "$pid" "Alarm properties" >/dev/null || fatal "\"Add\" opened no editor"
editor=$(named_window_of "$pid" "Alarm properties")
owned_by "$editor" "$manager" || check_failed "the editor is not kept above the manager"

click_at "$editor" 224 40  # "Daily"
click_at "$editor" 296 108 # "Now"
# The seconds of the time: a separator typed moves on to the next field.
click_at "$editor" 158 106
xdotool key colon colon
lead=25
xdotool key --delay 30 $(printf 'Up %.0s' $(seq $lead))
due_s=$(($(date +%s) + lead))

click_at "$editor" 275 179 # the folder button
poll 10000 named_window_of "$pid" "Open" >/dev/null || fatal "the folder button opened no file dialog"
dialog=$(named_window_of "$pid" "Open")
xdotool windowactivate --sync "$dialog" type --delay 20 "$tone"
xdotool key Return
poll 10000 eval '! named_window_of "$pid" Open >/dev/null' || fatal "the file dialog did not take the file"

xdotool windowactivate --sync "$editor"
# Twice: the first click after the file dialog may go to the window's
# activation rather than to the message.
click_at "$editor" 100 280 # the message, in place of the one it starts with
click_at "$editor" 100 280
xdotool key ctrl+a
xdotool type --delay 20 "Time to go"
click_at "$editor" 228 364 # "OK"
poll 10000 eval '! named_window_of "$pid" "Alarm properties" >/dev/null' || fatal "\"OK\" left the editor open"
click_at "$manager" 357 340 # the manager's "OK"
poll 10000 eval '! manager_of "$pid" >/dev/null' || fatal "\"OK\" left the manager open"

alarm_wait_shown reminder "$pid" $(((due_s + 15) * 1000)) || fatal "the alarm did not go off (due about $(date -d "@$due_s" +%T))"
shown_us=${EPOCHREALTIME/./}
log "the reminder showed at $(date +%T), the alarm was set for about $(date -d "@$due_s" +%T)"
poll 10000 alarm_heard_since "$shown_us" 16 # more than checked below: the live count dates less surely
alarm_click_close "$reminder"
alarm_wait_hidden "$reminder" 10000 || check_failed "\"Close\" left the reminder open"
closed_us=${EPOCHREALTIME/./}
alarm_record_stop
loud=$(alarm_loud_blocks "$shown_us" "$closed_us")
[ "$loud" -ge 10 ] || check_failed "the alarm was not heard (only $loud loud 50 ms blocks)"

right_click "$clock"
menu_choose "$pid" Up Return
wait_exit status "$pid" 10000 || fatal "\"Exit\" did not end the program"
[ "$status" = 0 ] || check_failed "the program ended with status $status"

# ---- the files ----
journey_files_ok "$due_s"
grep -q $'^AutoHide=0\r$' "$folder/Options.ini" || check_failed "the options file: $(cat -A "$folder/Options.ini")"
[ "$(cat "$folder/skinname.ini")" = $'[Skin Name]\r\nSkin Name=Small\r' ] || check_failed "skinname.ini: $(cat -A "$folder/skinname.ini")"
[ "$(ls "$folder/alarm" | sort | tr '\n' ' ')" = "1.ini 1Memo.ini Alarms.ini " ] ||
  check_failed "the alarm folder holds: $(ls "$folder/alarm")"

e2e_finish
