#!/usr/bin/env bash
# A desktop without a notification area: with "Auto hide" on, the clock
# stays shown (hidden, it could never be brought back), and its menu offers
# no "Send to tray": the first item is "Alarms", and the menu's right edge
# is at the pointer.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
clock_options "$folder" 1
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
# Past the first tick (50 ms after start): the face has shown another second.
face=$(window_picture "$clock")
poll 10000 eval '[ "$(window_picture "$clock")" != "$face" ]' || check_failed "the clock's face did not change"
mapped "$clock" || check_failed "the clock was hidden with no notification area to bring it back from"

# The first menu, without "Send to tray", has its right edge at the pointer.
right_click "$clock"
eval "$(xdotool getmouselocation --shell)"
if poll 10000 popup_of "$pid" >/dev/null; then
  read -r mx my < <(window_xy "$(popup_of "$pid")")
  mw=$(xwininfo -id "$(popup_of "$pid")" | awk '/Width/ { print $2 }')
  [ $((mx + mw)) = "$X" ] || check_failed "the menu's right edge is at $((mx + mw)), the pointer at $X"
fi
menu_choose "$pid" Down Return
poll 10000 manager_of "$pid" >/dev/null || check_failed "the menu's first item is not \"Alarms\""
manager=$(manager_of "$pid") && close_window_by_wm "$manager"
mapped "$clock" || check_failed "the clock was hidden"

close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || { stop_program "$pid"; check_failed "the program did not end"; }
e2e_finish
