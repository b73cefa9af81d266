#!/usr/bin/env bash
# The program stopped (SIGSTOP) for 10 s across its alarm's second: when it
# goes on (SIGCONT) the late tick catches the alarm up and the reminder shows
# at once.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
write_options "$folder" 1 0 0

write_alarms() {
  local t=$1 h m s y mo d
  read -r h m s y mo d < <(local_parts "$t")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" ""
  write_message "$folder" 1 "Stopped across its second"
  write_index "$folder" 1
}

alarm_watch_start
alarm_start pid T "$folder" write_alarms
sleep_until_us $(((T - 3) * 1000000))
kill -STOP "$pid"
stop_us=${EPOCHREALTIME/./}
sleep_until_us $((stop_us + 10000000))
alarm_visible_window_of "$pid" >/dev/null && check_failed "a reminder showed while the program was stopped"
cont_us=${EPOCHREALTIME/./}
kill -CONT "$pid"
log "stopped from $(((stop_us - T * 1000000) / 1000)) to $(((cont_us - T * 1000000) / 1000)) ms around the alarm's second"
if alarm_wait_shown win "$pid" $((cont_us / 1000 + 5000)); then
  read -r map _ < <(alarm_shows "$win" | head -n 1)
  after=$(((${map:-0} - cont_us) / 1000))
  log "the reminder mapped $after ms after SIGCONT"
  [ -n "${map:-}" ] && [ "$after" -ge 0 ] && [ "$after" -lt 1000 ] ||
    check_failed "the reminder did not show at once after SIGCONT ($after ms)"
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the reminder is still shown 3 s after \"Close\""
else
  check_failed "no reminder within 5 s of SIGCONT"
fi
# Caught up once, not again.
sleep 1.5
alarm_visible_window_of "$pid" >/dev/null && check_failed "a reminder showed again after \"Close\""

e2e_finish
