#!/usr/bin/env bash
# GStreamer's plug-in registry missing (as after an upgrade: GST_REGISTRY
# points at a fresh path, so the first sound rebuilds it) and both cores busy:
# an alarm 3 s after the program starts shows its reminder in its own second,
# in each of 5 runs.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
sound="$E2E_TMP/tone.mp3"
make_tone_mp3 "$sound" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
write_options "$folder" 1 0 0

# Both cores busy for the whole test.
for i in 1 2; do start_program busy "$E2E_TMP" sh -c 'while :; do :; done'; done

alarm_watch_start
RUNS=5
on_time=0
for ((run = 1; run <= RUNS; run++)); do
  T=$(($(date +%s) + 3))
  read -r h m s y mo d < <(local_parts "$T")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" "$sound"
  write_message "$folder" 1 "Run $run"
  write_index "$folder" 1
  start_program pid "$E2E_TMP" env GST_REGISTRY="$E2E_TMP/registry-$run.bin" "$folder/tocsimo"
  if alarm_wait_shown win "$pid" $((T * 1000 + 5000)); then
    # (Window ids come round again in each new copy: its showing is the last.)
    read -r map _ < <(alarm_shows "$win" | tail -n 1)
    late=$(((${map:-0} - T * 1000000) / 1000))
    log "run $run: the reminder mapped $late ms into its second"
    if [ -n "${map:-}" ] && [ "$late" -ge 0 ] && [ "$late" -lt 1000 ]; then
      on_time=$((on_time + 1))
    fi
  else
    log "run $run: no reminder within 5 s of its second"
  fi
  stop_program "$pid"
done
log "$on_time of $RUNS on their second"
[ "$on_time" = "$RUNS" ] || check_failed "only $on_time of $RUNS alarms showed in their own second"

e2e_finish
