#!/usr/bin/env bash
# No alarm passes unseen, with the real program on a clock that libfaketime
# moves on (the real-time clock jumps, the monotonic one runs on, as over a
# sleep):
# - a once alarm whose second passes while another alarm's reminder is open
#   is listed in the "Missed alarms" window as soon as that reminder is
#   closed (here with "Snooze"), and never sounds; Esc closes the window;
# - a once alarm that the clock jumps over is listed, and the snoozed
#   reminder comes back once its ten minutes have passed;
# - snoozed again, it outlives the program and opens at the next start, which
#   also lists the once alarm that fell due while the program was not running.
# Screen readers meet the window as an alert (python3-pyatspi).
# E2E_SHOTS=FOLDER keeps pictures of the screen. Run inside scripts/x11-session.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
LOG=$E2E_TMP/program.log
faked_clock_wrapper "$E2E_TMP/offset" "$LOG"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

write_alarms() {
  local id h m s y mo d
  for id in 1 2 3 4; do
    read -r h m s y mo d < <(local_parts $(($1 + ${AFTER[id]})))
    write_alarm "$folder" "$id" Once "$y" "$mo" "$d" "$h" "$m" "$s" ""
    write_message "$folder" "$id" "${MESSAGE[id]}"
  done
  write_index "$folder" 1 2 3 4
}
AFTER=([1]=0 [2]=5 [3]=300 [4]=1000)
MESSAGE=([1]="Leave for the train" [2]="Due while the train reminder was open" [3]="Due while the computer slept"
  [4]="Due while Tocsimo was not running")

shoot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; }
listed() { poll 5000 grep -q "alarm $1 (Once) missed 1 time(s)" "$LOG"; }
missed_window() { wait_window "$1" "$2" "Missed alarms" $(($(now_ms) + 5000)); }
# A screen reader meets the window as an alert, its controls named and focusable.
atspi_ok() {
  local out
  poll 10000 eval 'out=$(/usr/bin/python3 "$(dirname "$0")/atspi_check.py" "$pid" missed 2>&1)' || check_failed "$out"
}

# answer_reminder PID BUTTON WHAT: waits for PID's reminder, then presses
# "Snooze" or "Close" on it.
answer_reminder() {
  local win
  alarm_wait_shown win "$1" $(($(now_ms) + 5000)) || { check_failed "no reminder $3"; return 1; }
  shoot "reminder-$2"
  "alarm_click_$2" "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the reminder $3 is still shown 3 s after \"$2\""
}

alarm_start pid T "$folder" write_alarms
sleep_until_us $(((T + 8) * 1000000))
answer_reminder "$pid" snooze "of the first alarm"
if missed_window missed "$pid"; then
  listed 2 || check_failed "the alarm due while the reminder was open is not listed"
  atspi_ok
  shoot missed
  xdotool windowactivate --sync "$missed" key Escape
  poll 5000 eval '! named_window_of "$pid" "Missed alarms" >/dev/null' || check_failed "Esc did not close the window"
else
  check_failed "no \"Missed alarms\" window when the reminder was closed"
fi
grep -q "^Alarm=1" "$folder/Snoozed.ini" || check_failed "Snoozed.ini does not hold the snoozed reminder"

# Asleep for 700 s: the third alarm passes unseen, the snooze's ten minutes end.
echo +700 >"$E2E_TMP/offset"
answer_reminder "$pid" snooze "ten minutes after \"Snooze\""
missed_window missed "$pid" && listed 3 || check_failed "the alarm the clock jumped over is not listed"
grep -q "alarm [23] .*fired" "$LOG" && check_failed "a missed alarm sounded after all"

# The program ends; it starts again 800 s later.
close_window_by_wm "$(clock_window_of "$pid")"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
echo +1500 >"$E2E_TMP/offset"
start_program pid "$E2E_TMP" "${ALARM_WRAPPER[@]}" "$folder/tocsimo"
answer_reminder "$pid" close "after a restart"
missed_window missed "$pid" && listed 4 || check_failed "the alarm due while the program was not running is not listed"
poll 5000 eval '! grep -q "^Alarm=1" "$folder/Snoozed.ini"' || check_failed "the closed reminder is still in Snoozed.ini"

close_window_by_wm "$(clock_window_of "$pid")"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
e2e_finish
