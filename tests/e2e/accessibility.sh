#!/usr/bin/env bash
# What a screen reader meets, through the desktop's accessibility bus
# (AT-SPI): an alarm's reminder comes up as an alert that tells its message,
# with the keyboard on "Close", and Enter closes it; the clock tells the time;
# in the manager (both pages), the editor, the About box and the help every
# control is named and takes the keyboard focus. The windows are opened with
# the keyboard. The checks of each window are in atspi_check.py.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"
check=$(dirname "$0")/atspi_check.py

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# surface_ok SURFACE: waits until the window passes its checks (it may not
# be there yet, or still be changing), for 10 s at most; then its faults are
# reported.
surface_ok() {
  local surface=$1 out
  poll 10000 eval 'out=$(/usr/bin/python3 "$check" "$pid" "$surface" 2>&1)' || check_failed "$out"
}

# A silent alarm with a message, a few seconds ahead.
write_pills() {
  read -r H M S Y MO D <<<"$(local_parts "$1")"
  write_alarm "$folder" 1 Once "$Y" "$MO" "$D" "$H" "$M" "$S" ""
  write_message "$folder" 1 "Take the pills" "with water"
  write_index "$folder" 1
}
alarm_start pid due "$folder" write_pills
surface_ok clock
alarm_wait_shown reminder "$pid" $(((due + 15) * 1000)) || fatal "the alarm did not go off"
surface_ok reminder
xdotool key Return
alarm_wait_hidden "$reminder" 10000 || check_failed "Enter left the reminder open"

clock=$(clock_window_of "$pid")
xdotool windowactivate --sync "$clock"
xdotool key Menu
menu_choose "$pid" a
poll 10000 manager_of "$pid" >/dev/null || fatal "the menu's \"Alarms\" opened no manager"
surface_ok manager-alarms
xdotool key alt+o
surface_ok manager-options
xdotool key alt+a
surface_ok manager-alarms
xdotool key alt+d
surface_ok editor
xdotool key alt+c
poll 10000 eval '! named_window_of "$pid" "Alarm properties" >/dev/null' || check_failed "\"Cancel\" left the editor open"
xdotool key alt+k
poll 10000 eval '! manager_of "$pid" >/dev/null' || check_failed "the manager did not close"

xdotool windowactivate --sync "$clock" key Menu
menu_choose "$pid" b
surface_ok about
xdotool key Return
xdotool windowactivate --sync "$clock" key F1
surface_ok help

e2e_finish
