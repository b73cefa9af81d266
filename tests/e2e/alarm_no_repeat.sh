#!/usr/bin/env bash
# With "Repeat alarm sound" off in Options.ini, a daily alarm's sound plays
# once: one burst while the "Alarm" window is shown, then silence, and the
# window stays on screen until "Close" is clicked.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
sound=$E2E_TMP/tone.mp3
make_tone_mp3 "$sound" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
# Repeat off; the clock shown; no chimes.
write_options "$folder" 0 0 0

write_alarms() {
  local h m s y mo d
  read -r h m s y mo d < <(local_parts "$1")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" "$sound"
  write_message "$folder" 1 "Once through"
  write_index "$folder" 1
}

alarm_watch_start
alarm_record_start
alarm_start pid T "$folder" write_alarms
T_US=$((T * 1000000))

alarm_wait_shown win "$pid" $((T * 1000 + 3000)) || fatal "no \"Alarm\" window within 3 s after the alarm's second began"
seen_us=${EPOCHREALTIME/./}
# Long enough for three passes of the sound if it repeated.
sleep_until_us $((seen_us + 4000000))
alarm_visible_window_of "$pid" >/dev/null ||
  check_failed "the \"Alarm\" window went away by itself when its sound ended"
click_us=${EPOCHREALTIME/./}
alarm_click_close "$win"
alarm_wait_hidden "$win" 3000 || check_failed "the \"Alarm\" window is still shown 3 s after clicking \"Close\""
alarm_record_more 300
alarm_record_stop

bursts=$(alarm_bursts "$T_US" "$click_us")
log "bursts of sound while shown (start, end in us): ${bursts//$'\n'/; }"
n=$(grep -c . <<<"$bursts")
[ "$n" = 1 ] || check_failed "$n bursts of sound while shown, not one: the sound repeated although repeat is off"
silent_from=$(($(tail -n 1 <<<"$bursts" | cut -d' ' -f2) + 100000))
[ "$n" -ge 1 ] && [ $((click_us - silent_from)) -ge 2000000 ] ||
  check_failed "no two silent seconds before \"Close\": the sound did not end"

clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
[ "$status" = 0 ] || check_failed "exit status $status after closing the clock"

e2e_finish
