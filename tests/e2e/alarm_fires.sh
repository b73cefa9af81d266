#!/usr/bin/env bash
# A daily alarm written by hand into the program folder goes off in its second:
# the "Alarm" window maps during that second or a little after, never before
# it; the alarm's mp3 sounds while the window is shown and starts again after
# each end while "Repeat alarm sound" is on; "Close" unmaps the window and
# silences it. Two once alarms whose time has passed (one a moment before the
# start, one dated yesterday at a time of day that comes round during the
# test) never fire.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
sound="$E2E_TMP/sounds/alarm tone.mp3"
mkdir -p "$(dirname "$sound")"
make_tone_mp3 "$sound" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
# Repeat on; the clock shown; no chimes, which would sound into the recording.
write_options "$folder" 1 0 0

# Seconds after the daily alarm at which yesterday's once alarm comes round.
ONCE_AFTER=10
SHOWN_FOR_US=5000000

write_alarms() {
  local t=$1 h m s y mo d
  read -r h m s y mo d < <(local_parts "$t")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" "$sound"
  write_message "$folder" 1 "Daily alarm" "second line"
  read -r h m s y mo d < <(local_parts $((t + ONCE_AFTER - 86400)))
  write_alarm "$folder" 2 Once "$y" "$mo" "$d" "$h" "$m" "$s" "$sound"
  write_message "$folder" 2 "Once, yesterday"
  read -r h m s y mo d < <(local_parts $(($(date +%s) - 40)))
  write_alarm "$folder" 3 Once "$y" "$mo" "$d" "$h" "$m" "$s" "$sound"
  write_message "$folder" 3 "Once, a moment ago"
  write_index "$folder" 2 3 1
}

alarm_watch_start
alarm_record_start
alarm_start pid T "$folder" write_alarms
T_US=$((T * 1000000))
log "program $pid; the daily alarm is due at $(date -d "@$T" +%T)"

# ---- the daily alarm ----
shown=0
if alarm_wait_shown win "$pid" $((T * 1000 + 3000)); then
  shown=1
  seen_us=${EPOCHREALTIME/./}
  log "\"Alarm\" window $win seen $(((seen_us - T_US) / 1000)) ms after the alarm's second began"
  sleep_until_us $((seen_us + SHOWN_FOR_US))
  alarm_visible_window_of "$pid" >/dev/null ||
    check_failed "the \"Alarm\" window went away by itself before \"Close\" was clicked"
  click_us=${EPOCHREALTIME/./}
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the \"Alarm\" window is still shown 3 s after clicking \"Close\""
else
  check_failed "no \"Alarm\" window within 3 s after the alarm's second began"
  win=$(alarm_window_of "$pid")
  click_us=${EPOCHREALTIME/./}
fi

# ---- yesterday's once alarm comes round; nothing may show ----
sleep_until_us $(((T + ONCE_AFTER + 3) * 1000000))
running "$pid" || fatal "the program ended by itself"
x_mark "$ALARM_XLOG" || fatal "mark"
alarm_record_stop

# ---- the window's showings ----
if [ -n "$win" ]; then
  shows=$(alarm_shows "$win")
  log "showings (map, unmap in us): ${shows//$'\n'/; }"
  count=$(grep -c . <<<"$shows")
  [ "$count" = 1 ] || check_failed "the \"Alarm\" window was shown $count times, not once"
  read -r map_us unmap_us < <(head -n 1 <<<"$shows")
  if [ -n "${map_us:-}" ]; then
    log "mapped $(((map_us - T_US) / 1000)) ms after the alarm's second began"
    [ "$map_us" -ge "$T_US" ] ||
      check_failed "the \"Alarm\" window mapped $(((T_US - map_us) / 1000)) ms before the alarm's second"
    [ "$map_us" -le $((T_US + 3000000)) ] ||
      check_failed "the \"Alarm\" window mapped more than 3 s after the alarm's second"
    if [ "$shown" = 1 ]; then
      [ "$unmap_us" != 0 ] && [ "$unmap_us" -ge "$click_us" ] ||
        check_failed "the \"Alarm\" window was not unmapped after \"Close\" (unmapped at $unmap_us, clicked at $click_us)"
    fi
  fi
fi

# ---- the sound ----
before=$(alarm_loud_blocks 0 $((T_US - 200000)))
[ "$before" = 0 ] || check_failed "sound was played before the alarm's second ($before blocks of 50 ms)"
if [ "$shown" = 1 ] && [ -n "${map_us:-}" ]; then
  bursts=$(alarm_bursts "$T_US" "$click_us")
  log "bursts of sound while shown (start, end in us): ${bursts//$'\n'/; }"
  n=$(grep -c . <<<"$bursts")
  # One pass plays about 0.6 s of tone from 0.5 s on and then 0.5 s of
  # silence: five seconds hold four or five passes, one without repeats.
  [ "$n" -ge 3 ] || check_failed "only $n burst(s) of sound in the $((SHOWN_FOR_US / 1000000)) s the window was shown: the sound did not repeat"
  read -r first_start _ < <(head -n 1 <<<"$bursts")
  read -r _ last_end < <(tail -n 1 <<<"$bursts")
  if [ -n "${first_start:-}" ]; then
    [ "$first_start" -le $((map_us + 500000)) ] ||
      check_failed "the sound began $(((first_start - map_us) / 1000)) ms after the window was shown"
    [ "$last_end" -ge $((click_us - 1500000)) ] ||
      check_failed "the sound stopped $(((click_us - last_end) / 1000)) ms before \"Close\" was clicked"
  fi
  after=$(alarm_loud_blocks $((click_us + 400000)) $((ALARM_REC_END_US - 100000)))
  [ "$after" = 0 ] || check_failed "still sounding after \"Close\" ($after blocks of 50 ms)"
fi

# ---- the program goes on, and ends with its clock ----
clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
[ "$status" = 0 ] || check_failed "exit status $status after closing the clock"

e2e_finish
