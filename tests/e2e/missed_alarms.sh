#!/usr/bin/env bash
# Alarms that pass unseen are listed in the "Missed alarms" window, and none
# of them sounds: a once alarm whose second passes while another alarm's
# reminder is open is listed as soon as that reminder is closed; a once alarm
# that the clock jumps over (a sleep, faked with libfaketime: the real-time
# clock moves on by 700 s at once, the monotonic one does not) is listed too.
# Esc closes the window. E2E_SHOTS=FOLDER keeps pictures of the window.
# Run inside scripts/x11-session.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
faked_clock_wrapper "$E2E_TMP/offset" "$E2E_TMP/program.log"

write_alarms() {
  local t=$1 h m s y mo d
  read -r h m s y mo d < <(local_parts "$t")
  write_alarm "$folder" 1 Once "$y" "$mo" "$d" "$h" "$m" "$s" ""
  write_message "$folder" 1 "Leave for the train"
  read -r h m s y mo d < <(local_parts $((t + 5)))
  write_alarm "$folder" 2 Once "$y" "$mo" "$d" "$h" "$m" "$s" ""
  write_message "$folder" 2 "Due while the first was open"
  read -r h m s y mo d < <(local_parts $((t + 600)))
  write_alarm "$folder" 3 Once "$y" "$mo" "$d" "$h" "$m" "$s" ""
  write_message "$folder" 3 "Due while the computer slept"
  write_index "$folder" 1 2 3
}

# shoot NAME: a picture of the screen, when asked for.
shoot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; }

# missed_listed ID: the scheduler logged the alarm as missed once.
missed_listed() { grep -q "alarm $1 (Once) missed 1 time(s)" "$E2E_TMP/program.log"; }

alarm_start pid T "$folder" write_alarms

# ---- a reminder kept open over another alarm's second ----
alarm_wait_shown win "$pid" $((T * 1000 + 3000)) || fatal "no reminder for the first alarm"
sleep_until_us $(((T + 8) * 1000000))
alarm_click_close "$win"
if wait_window missed "$pid" "Missed alarms" $(($(now_ms) + 5000)); then
  poll 5000 missed_listed 2 || check_failed "the second alarm is not in the list"
  shoot missed-after-reminder
  # Esc closes it.
  xdotool windowactivate --sync "$missed" key Escape
  poll 5000 eval '! named_window_of "$pid" "Missed alarms" >/dev/null' ||
    check_failed "Esc did not close the \"Missed alarms\" window"
else
  check_failed "no \"Missed alarms\" window after the reminder was closed"
fi
alarm_visible_window_of "$pid" >/dev/null && check_failed "the missed alarm sounded after all"

# ---- the clock jumps over the third alarm ----
echo +700 >"$E2E_TMP/offset"
if wait_window missed "$pid" "Missed alarms" $(($(now_ms) + 5000)); then
  poll 5000 missed_listed 3 || check_failed "the alarm the clock jumped over is not in the list"
  shoot missed-after-sleep
else
  check_failed "no \"Missed alarms\" window after the clock jumped"
fi
sleep 1
alarm_visible_window_of "$pid" >/dev/null && check_failed "the alarm the clock jumped over sounded"

clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
e2e_finish
