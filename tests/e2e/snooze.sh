#!/usr/bin/env bash
# "Snooze" closes a reminder and brings it back after the snooze time (ten
# minutes by default) of real time, faked with libfaketime moving the clock
# on; a snoozed reminder survives the program's end, and opens at the next
# start when its time has passed meanwhile. "Close" ends it for good.
# Run inside scripts/x11-session.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
faked_clock_wrapper "$E2E_TMP/offset" "$E2E_TMP/program.log"

write_alarms() {
  local h m s y mo d
  read -r h m s y mo d < <(local_parts "$1")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" ""
  write_message "$folder" 1 "Take the pill"
  write_index "$folder" 1
}

# snooze_reminder PID DEADLINE_MS WHAT: waits for PID's reminder and snoozes it.
snooze_reminder() {
  local win
  alarm_wait_shown win "$1" "$2" || { check_failed "no reminder $3"; return 1; }
  alarm_click_snooze "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the reminder $3 is still shown 3 s after \"Snooze\""
}

alarm_start pid T "$folder" write_alarms
snooze_reminder "$pid" $((T * 1000 + 3000)) "at its alarm's second"
grep -q "^Alarm=1" "$folder/Snoozed.ini" || check_failed "Snoozed.ini does not hold the snoozed reminder"
sleep 2
alarm_visible_window_of "$pid" >/dev/null && check_failed "the snoozed reminder came back at once"

# Ten minutes later.
echo +600 >"$E2E_TMP/offset"
snooze_reminder "$pid" $(($(now_ms) + 5000)) "ten minutes after \"Snooze\""

# The program ends, and starts again twenty minutes on.
clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
echo +1200 >"$E2E_TMP/offset"
start_program pid "$E2E_TMP" "${ALARM_WRAPPER[@]}" "$folder/tocsimo"
if alarm_wait_shown win "$pid" $(($(now_ms) + 15000)); then
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the reminder is still shown 3 s after \"Close\""
  poll 5000 eval '! grep -q "^Alarm=1" "$folder/Snoozed.ini"' ||
    check_failed "the closed reminder is still in Snoozed.ini"
else
  check_failed "the snoozed reminder did not come back after a restart"
fi

clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
e2e_finish
