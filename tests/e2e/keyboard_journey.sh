#!/usr/bin/env bash
# A new user's journey by keyboard alone (no click): the clock's menu by the
# Menu key, closed and opened again, and by Shift+F10; "Alarms"; "Add"; a
# daily alarm a few seconds ahead with a sound chosen through the file dialog
# and a message; "OK", "OK"; the alarm goes off with the keyboard on the
# reminder, is heard, and Esc closes it; "Exit"; the files on disk.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"
source "$(dirname "$0")/journey_lib.sh"
journey_start

# keys_to WINDOW KEYS...: waits until the window has the keyboard, then presses the keys.
focused_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
keys_to() {
  local window=$1
  shift
  poll 10000 focused_on "$window" || check_failed "$(xdotool getwindowname "$window") does not have the keyboard"
  [ $# -eq 0 ] || xdotool key --delay 60 "$@"
}
no_popup() { ! popup_of "$pid" >/dev/null; }

alarm_record_start
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
journey_early_in_minute

# The menu by the Menu key, every time; then by Shift+F10.
xdotool windowactivate --sync "$clock"
xdotool key Menu
poll 10000 popup_of "$pid" >/dev/null || check_failed "the Menu key opened no menu"
xdotool key --delay 100 Down Up Escape
poll 10000 no_popup || check_failed "Esc left the menu open"
xdotool key Menu
poll 10000 popup_of "$pid" >/dev/null || check_failed "the Menu key opened no menu the second time"
xdotool key Escape
poll 10000 no_popup || check_failed "Esc left the menu open"
xdotool key shift+F10
menu_choose "$pid" a
poll 10000 manager_of "$pid" >/dev/null || fatal "\"Alarms\" showed no manager"
manager=$(manager_of "$pid")

keys_to "$manager" alt+d # "Add"
poll 10000 named_window_of "$pid" "Alarm properties" >/dev/null || fatal "Alt+D opened no editor"
editor=$(named_window_of "$pid" "Alarm properties")
keys_to "$editor" alt+d alt+n alt+t # "Daily", "Now", the time
# The seconds of the time: a separator typed moves on to the next field.
lead=25
xdotool key colon colon $(printf 'Up %.0s' $(seq $lead))
due_s=$(($(date +%s) + lead))

# The sound: the folder button after the sound's field, then the file dialog.
xdotool key alt+s Tab space
poll 10000 named_window_of "$pid" "Open" >/dev/null || fatal "the folder button opened no file dialog"
keys_to "$(named_window_of "$pid" Open)"
xdotool type --delay 20 "$tone"
xdotool key Return
poll 10000 eval '! named_window_of "$pid" Open >/dev/null' || fatal "the file dialog did not take the file"
# The list of names the dialog offered as the path was typed goes with it.
poll 10000 no_popup || check_failed "a list of the file dialog stayed over the editor"

keys_to "$editor" alt+r ctrl+a
xdotool type --delay 20 "Time to go"
xdotool key alt+k # "OK"
poll 10000 eval '! named_window_of "$pid" "Alarm properties" >/dev/null' || fatal "Alt+K left the editor open"
keys_to "$manager" alt+k
poll 10000 eval '! manager_of "$pid" >/dev/null' || fatal "Alt+K left the manager open"

alarm_wait_shown reminder "$pid" $(((due_s + 15) * 1000)) || fatal "the alarm did not go off (due about $(date -d "@$due_s" +%T))"
shown_us=${EPOCHREALTIME/./}
poll 10000 focused_on "$reminder" || check_failed "the reminder did not take the keyboard"
# The alarm sounds a while before it is closed: more than checked below, as
# the live count dates less surely.
poll 10000 alarm_heard_since "$shown_us" 16
xdotool key Escape
alarm_wait_hidden "$reminder" 10000 || check_failed "Esc left the reminder open"
closed_us=${EPOCHREALTIME/./}
alarm_record_stop
loud=$(alarm_loud_blocks "$shown_us" "$closed_us")
[ "$loud" -ge 10 ] || check_failed "the alarm was not heard (only $loud loud 50 ms blocks)"

xdotool windowactivate --sync "$clock" key Menu
menu_choose "$pid" x # "Exit"
wait_exit status "$pid" 10000 || fatal "\"Exit\" did not end the program"
[ "$status" = 0 ] || check_failed "the program ended with status $status"

journey_files_ok "$due_s"

e2e_finish
