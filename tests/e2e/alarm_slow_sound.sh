#!/usr/bin/env bash
# An alarm whose sound is a regular mp3 whose open() hangs for 30 s (a hung
# network mount, made by a preloaded shim outside the program) shows its
# reminder in its own second; once it is closed, a second alarm 5 s later
# still goes off in its own second, and its sound plays while the first is
# still stuck. Then the program still ends at once when its clock is closed.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink
shim=${TOCSIMO_TEST_SLOW_OPEN_SHIM:?the slow-open shim (built with the tests)}
[ -f "$shim" ] || fatal "no shim at $shim"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
mkdir -p "$E2E_TMP/mnt"
slow="$E2E_TMP/mnt/slow tone.mp3"
quick="$E2E_TMP/quick tone.mp3"
make_tone_mp3 "$quick" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
cp "$quick" "$slow"
write_options "$folder" 1 0 0

write_alarms() {
  local t=$1 h m s y mo d
  read -r h m s y mo d < <(local_parts "$t")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" "$slow"
  write_message "$folder" 1 "Sound on a hung mount"
  read -r h m s y mo d < <(local_parts $((t + 5)))
  write_alarm "$folder" 2 Daily 2027 3 1 "$h" "$m" "$s" "$quick"
  write_message "$folder" 2 "Five seconds later"
  write_index "$folder" 1 2
}

# on_its_second NAME MAP_US SECOND: the window mapped within that second.
on_its_second() {
  local late=$(($2 - $3 * 1000000))
  log "$1 mapped $((late / 1000)) ms into its second"
  [ "$late" -ge 0 ] && [ "$late" -lt 1000000 ] || check_failed "$1 did not show in its own second ($((late / 1000)) ms)"
}

ALARM_WRAPPER=(env LD_PRELOAD="$shim" TOCSIMO_TEST_SLOW_OPEN="$slow" TOCSIMO_TEST_SLOW_SECONDS=30)
alarm_watch_start
alarm_record_start
alarm_start pid T "$folder" write_alarms
log "program $pid; alarms at $(date -d "@$T" +%T) and 5 s later"

alarm_wait_shown win1 "$pid" $((T * 1000 + 3000)) || fatal "no reminder within 3 s of the first alarm's second"
# Its sound is stuck already: the engine began opening it two seconds ahead.
alarm_click_close "$win1"
alarm_wait_hidden "$win1" 3000 || check_failed "the first reminder is still shown 3 s after \"Close\""
alarm_wait_shown win2 "$pid" $(((T + 5) * 1000 + 3000)) || fatal "no reminder within 3 s of the second alarm's second"
shown2_us=${EPOCHREALTIME/./}
poll 10000 alarm_heard_since "$shown2_us" 8
click_us=${EPOCHREALTIME/./}
alarm_click_close "$win2"
alarm_wait_hidden "$win2" 3000 || check_failed "the second reminder is still shown 3 s after \"Close\""
x_mark "$ALARM_XLOG" || fatal "mark"
alarm_record_stop

# (Qt may give the reminder a new X window for its second showing.)
read -r map1 _ < <(alarm_shows "$win1" | head -n 1)
read -r map2 _ < <(alarm_shows "$win2" | tail -n 1)
[ -n "${map1:-}" ] && on_its_second "the first reminder" "$map1" "$T"
[ -n "${map2:-}" ] && on_its_second "the second reminder" "$map2" $((T + 5))
if [ -n "${map2:-}" ]; then
  bursts=$(alarm_bursts "$map2" "$click_us")
  log "sound while the second reminder was shown (start, end in us): ${bursts//$'\n'/; }"
  [ -n "$bursts" ] || check_failed "the second alarm's sound did not play while the first one's was stuck"
fi

# Ends at once although a sound engine is still stuck in open().
clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 5000 || fatal "the program did not end within 5 s of its clock being closed"
[ "$status" = 0 ] || check_failed "exit status $status after closing the clock"

e2e_finish
