#!/usr/bin/env bash
# A desktop without a notification area: with "Auto hide" on, the clock
# stays shown (hidden, it could never be brought back), and its menu offers
# no "Send to tray": the first item is "Alarms".
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
clock_options "$folder" 1
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
# Well past the first tick (50 ms after start).
sleep 2
mapped "$clock" || check_failed "the clock was hidden with no notification area to bring it back from"

right_click "$clock"
menu_choose "$pid" Down Return
poll 10000 manager_of "$pid" >/dev/null || check_failed "the menu's first item is not \"Alarms\""
manager=$(manager_of "$pid") && close_window_by_wm "$manager"
mapped "$clock" || check_failed "the clock was hidden"

close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || { stop_program "$pid"; check_failed "the program did not end"; }
e2e_finish
