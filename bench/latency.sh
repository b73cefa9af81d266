#!/usr/bin/env bash
# How soon the reminder is on screen after its alarm's second begins: a row of
# daily alarms a few seconds apart, each with an mp3, fires one after another
# in one run of the program; each reminder is closed by clicking "Close". For
# every firing, the time from the start of the alarm's second to the moment
# the window manager maps the reminder's frame.
# Run by hand, from the repository:
#   scripts/x11-session --sound -- bash bench/latency.sh build/Tocsimo/tocsimo [alarms] [spacing_s]
# With LATENCY_TRACE=1 the program runs under strace (file opens only), and
# each figure is split in two at the moment the reminder reads the alarm's
# settings file: the wait for the scheduler's tick, and the reminder's work
# from there until it is on screen.
bench_dir=$(cd "$(dirname "$0")" && pwd)
set -- "$1" "${2:-15}" "${3:-3}"
ALARMS=$2 SPACING=$3
source "$bench_dir/../tests/e2e/lib.sh"
source "$bench_dir/../tests/e2e/alarm_lib.sh"
need_null_sink

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
sound=$E2E_TMP/tone.mp3
make_tone_mp3 "$sound" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
write_options "$folder" 1 0 0
if [ "${LATENCY_TRACE:-0}" = 1 ]; then
  ALARM_WRAPPER=(strace -f -qq --seccomp-bpf -ttt -e trace=openat -o "$E2E_TMP/trace")
fi

write_alarms() {
  local i h m s y mo d ids=()
  for ((i = 1; i <= ALARMS; i++)); do
    read -r h m s y mo d < <(local_parts $(($1 + (i - 1) * SPACING)))
    write_alarm "$folder" "$i" Daily 2027 3 1 "$h" "$m" "$s" "$sound"
    write_message "$folder" "$i" "Alarm $i"
    ids+=("$i")
  done
  write_index "$folder" "${ids[@]}"
}

alarm_watch_start
alarm_record_start
alarm_start pid T "$folder" write_alarms
log "program $pid; $ALARMS alarms every $SPACING s from $(date -d "@$T" +%T)"

wins=()
for ((i = 1; i <= ALARMS; i++)); do
  due=$((T + (i - 1) * SPACING))
  if ! alarm_wait_shown win "$pid" $((due * 1000 + 2000)); then
    log "alarm $i: no reminder within 2 s of its second"
    continue
  fi
  wins+=("$win")
  sleep 0.3
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 2000 || log "alarm $i: reminder still shown 2 s after \"Close\""
done
x_mark "$ALARM_XLOG"
alarm_record_stop

# Every showing of the reminder window(s), in order, against the alarm seconds.
shows=$(for w in $(printf '%s\n' "${wins[@]}" | sort -u); do alarm_shows "$w"; done | sort -n)
latencies=()
while read -r map_us _; do
  [ -n "$map_us" ] || continue
  # The alarm whose second came last before the showing.
  i=$(((map_us / 1000000 - T) / SPACING + 1))
  due_us=$(((T + (i - 1) * SPACING) * 1000000))
  burst_us=
  ms=$(awk -v a="$map_us" -v b="$due_us" 'BEGIN { printf "%.1f", (a - b) / 1000 }')
  latencies+=("$ms")
  # The sound starts a moment before the window shows; its first loud block
  # (50 ms blocks, dated from the end of the recording) is a rougher figure.
  read -r burst_us _ < <(alarm_bursts "$due_us" $((due_us + SPACING * 1000000)) | head -n 1)
  sound_ms=$([ -n "${burst_us:-}" ] && echo $(((burst_us - due_us) / 1000)) || echo "-")
  printf "alarm %2d  on screen %7s ms after its second began (sound from about %s ms)" "$i" "$ms" "$sound_ms"
  if [ "${LATENCY_TRACE:-0}" = 1 ]; then
    awk -v f="/alarm/$i.ini\"" -v due="$due_us" -v map="$map_us" '
      index($0, f) && $2 * 1000000 >= due { printf ": tick after %.1f ms, then %.1f ms to the screen", ($2 * 1000000 - due) / 1000, (map - $2 * 1000000) / 1000; exit }
    ' "$E2E_TMP/trace"
  fi
  echo
done <<<"$shows"

[ "${#latencies[@]}" -gt 0 ] || fatal "no reminder was shown"
printf '%s\n' "${latencies[@]}" | sort -n | awk -v n="${#latencies[@]}" '
  { v[NR] = $1; sum += $1 }
  END {
    med = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    printf "reminder on screen after its second: median %.1f ms, min %.1f ms, max %.1f ms, mean %.1f ms (%d firings; target 150 ms)\n", med, v[1], v[n], sum / n, n
  }'
if [ "${#latencies[@]}" -gt 1 ]; then
  printf '%s\n' "${latencies[@]:1}" | sort -n | awk -v n="$((${#latencies[@]} - 1))" '
    { v[NR] = $1 }
    END {
      med = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      printf "without the first firing (which starts the sound engine): median %.1f ms, max %.1f ms\n", med, v[n]
    }'
fi

clock=$(clock_window_of "$pid") && close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || stop_program "$pid"
exit 0
