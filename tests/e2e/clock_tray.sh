#!/usr/bin/env bash
# The tray icon in an X system tray: a right click on it opens the clock's
# menu (once), a single click does nothing, a double click hides the clock and
# another brings it back where it was; "Exit" from the
# icon's menu ends the program and takes the icon away. With "Auto hide"
# on, the clock is gone at start and the first item of the menu brings it
# back ("Restore").
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"

# ---- shown at start ----
clock_options "$folder" 0
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
poll 10000 tray_icon_of "$pid" >/dev/null || fatal "no icon in the notification area"
icon=$(tray_icon_of "$pid")
at=$(window_xy "$clock")

# A single click first: the menu opened after it shows that it was handled.
xdotool mousemove --window "$icon" 11 11 click 1
right_click "$icon" 11 11
poll 5000 popup_of "$pid" >/dev/null || check_failed "a right click on the icon opened no menu"
# Its right edge at the pointer.
eval "$(xdotool getmouselocation --shell)"
read -r mx _ < <(window_xy "$(popup_of "$pid")")
mw=$(xwininfo -id "$(popup_of "$pid")" | awk '/Width/ { print $2 }')
[ $((mx + mw)) = "$X" ] || check_failed "the menu's right edge is at $((mx + mw)), the pointer at $X"
xdotool key Escape
poll 5000 eval '! popup_of "$pid" >/dev/null' || check_failed "Escape left the icon's menu open"
mapped "$clock" || check_failed "a single click or the right click hid the clock"

xdotool mousemove --window "$icon" 11 11 click --repeat 2 --delay 80 1
poll 5000 unmapped "$clock" || check_failed "a double click on the icon left the clock shown"
tray_icon_of "$pid" >/dev/null || check_failed "the icon went away with the clock"
xdotool mousemove --window "$icon" 11 11 click --repeat 2 --delay 80 1
poll 5000 mapped "$clock" || check_failed "a second double click did not bring the clock back"
[ "$(window_xy "$clock")" = "$at" ] || check_failed "the clock came back at $(window_xy "$clock"), not at $at"

right_click "$icon" 11 11
menu_choose "$pid" Up Return
wait_exit status "$pid" 10000 || fatal "\"Exit\" from the icon's menu did not end the program"
[ "$status" = 0 ] || check_failed "the program ended with status $status"
poll 5000 eval '! xdotool search --class "^tocsimo\$" >/dev/null 2>&1' || check_failed "a window of the program outlived it"

# ---- auto hide ----
clock_options "$folder" 1
start_program pid "$E2E_TMP" "$folder/tocsimo"
poll 20000 tray_icon_of "$pid" >/dev/null || fatal "no icon in the notification area"
# The clock shows, then hides at the face's first tick.
poll 10000 eval '! clock_window_of "$pid" >/dev/null' || check_failed "with auto hide on, the clock stayed shown"
right_click "$(tray_icon_of "$pid")" 11 11
menu_choose "$pid" Down Return
wait_clock_window clock "$pid" 10000 || check_failed "\"Restore\" did not show the clock"
stop_program "$pid"

e2e_finish
