#!/usr/bin/env bash
# The whole program's CPU while idle: 255 alarms loaded (none due during the
# measurement), the clock shown, hourly chimes on, nothing happening. Its CPU
# time over the measured seconds, from /proc, as a share of one core; also
# how often its threads woke up.
# Run by hand, from the repository:
#   scripts/x11-session -- bash bench/idle.sh build/Tocsimo/tocsimo [seconds]
# or with the clock hidden in a status-notifier tray (a panel of the tests'
# own, tests/e2e/sni_panel.py, on the session's bus):
#   scripts/x11-session --no-tray -- bash bench/idle.sh build/Tocsimo/tocsimo [seconds] hidden
bench_dir=$(cd "$(dirname "$0")" && pwd)
MODE=${3:-shown}
set -- "$1" "${2:-60}"
SECONDS_MEASURED=$2
SETTLE=5
source "$bench_dir/../tests/e2e/lib.sh"
source "$bench_dir/../tests/e2e/alarm_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
# Repeat on, the clock shown (or hidden at start), hourly chimes on.
if [ "$MODE" = hidden ]; then
  write_options "$folder" 1 1 1
  panel=(/usr/bin/python3 "$bench_dir/../tests/e2e/sni_panel.py")
  start_program panel_pid "$E2E_TMP" "${panel[@]}" serve
  poll 10000 eval '"${panel[@]}" items >/dev/null 2>&1' || fatal "the status-notifier panel did not start"
else
  write_options "$folder" 1 0 1
fi

# The hourly chime must not sound during the measurement.
left=$((3600 - $(date +%s) % 3600))
if [ "$left" -lt $((SECONDS_MEASURED + SETTLE + 40)) ]; then
  log "waiting $((left + 5)) s for the hour's chime to pass"
  sleep $((left + 5))
fi

write_idle_alarms "$folder"
start_program pid "$E2E_TMP" "$folder/tocsimo"
if [ "$MODE" = hidden ]; then
  poll 30000 eval '[ -n "$("${panel[@]}" items)" ]' || fatal "the program's icon did not register"
  poll 10000 eval '! clock_window_of "$pid" >/dev/null' || fatal "the clock was not hidden"
else
  wait_clock_window clock "$pid" 30000 || fatal "the program mapped no clock window"
fi
sleep "$SETTLE"
running "$pid" || fatal "the program ended"

tck=$(getconf CLK_TCK)
# utime + stime of the process (all threads, ended ones included), in ticks.
stat_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
# CPU of the threads that exist now, in ns, and their context switches.
sched_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'; }

# Per thread: name, voluntary and involuntary switches, CPU in ns.
per_thread() {
  for t in /proc/"$1"/task/*; do
    printf '%s %s %s %s\n' "$(basename "$t")" "$(tr ' ' _ <"$t/comm")" \
      "$(awk '/^voluntary_ctxt/ { v = $2 } /^nonvoluntary_ctxt/ { n = $2 } END { print v + 0, n + 0 }' "$t/status")" \
      "$(awk '{ print $1 }' "$t/schedstat")"
  done | sort
}

measure() {
  local pid=$1 title=$2
  t0=${EPOCHREALTIME/./}
  per_thread "$pid" >"$E2E_TMP/threads0"
  ticks0=$(stat_ticks "$pid") ns0=$(sched_ns "$pid") sw0=$(switches "$pid")
  threads0=$(ls /proc/"$pid"/task | wc -l)
  sleep "$SECONDS_MEASURED"
  t1=${EPOCHREALTIME/./}
  ticks1=$(stat_ticks "$pid") ns1=$(sched_ns "$pid") sw1=$(switches "$pid")
  threads1=$(ls /proc/"$pid"/task | wc -l)
  per_thread "$pid" >"$E2E_TMP/threads1"
  running "$pid" || fatal "the program ended during the measurement"

  awk -v wall=$((t1 - t0)) -v ticks=$((ticks1 - ticks0)) -v tck="$tck" -v ns=$((ns1 - ns0)) -v sw=$((sw1 - sw0)) \
    -v th0="$threads0" -v th1="$threads1" -v title="$title" '
    BEGIN {
      w = wall / 1e6
      printf "%s: idle for %.1f s (%d threads, then %d)\n", title, w, th0, th1
      printf "  /proc/<pid>/stat utime+stime: %d ticks of %.0f ms = %.0f ms, %.4f%% of one core\n", ticks, 1000 / tck, ticks * 1000 / tck, ticks / tck / w * 100
      printf "  /proc/<pid>/task/*/schedstat: %.2f ms, %.4f%% of one core (target under 0.035%%)\n", ns / 1e6, ns / 1e9 / w * 100
      printf "  context switches: %d, %.1f a second\n", sw, sw / w
    }'
  join "$E2E_TMP/threads0" "$E2E_TMP/threads1" | awk -v wall=$((t1 - t0)) '
    { w = wall / 1e6
      printf "    thread %-16s %5.2f voluntary + %5.2f involuntary switches a second, %6.2f ms\n", $2, ($7 - $3) / w, ($8 - $4) / w, ($9 - $5) / 1e6 }'
}

measure "$pid" "the program, 255 alarms, the clock $MODE"
[ -n "$(alarm_visible_window_of "$pid")" ] && log "warning: a reminder was shown during the measurement"
[ "$MODE" = hidden ] && clock_window_of "$pid" >/dev/null && log "warning: the clock came back during the measurement"
if [ "$MODE" = hidden ]; then
  stop_program "$pid"
  exit 0
fi
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || stop_program "$pid"

# The same for a bare Qt clock that repaints two patches on the half second
# (bench/idle_baseline): what any Qt Widgets clock pays for its wake-ups here.
baseline=$(realpath -m "$(dirname "$E2E_BUILT_PROGRAM")/../bench/idle_baseline")
if [ -x "$baseline" ]; then
  # Without MIT-SHM, as the program runs: no round trip to the X server per paint.
  QT_XCB_NO_MITSHM=1 start_program bpid "$E2E_TMP" "$baseline"
  wait_clock_window bclock "$bpid" 30000 || fatal "the bare Qt clock mapped no window"
  sleep "$SETTLE"
  measure "$bpid" "bare Qt clock (bench/idle_baseline)"
  close_window_by_wm "$bclock"
  wait_exit status "$bpid" 10000 || stop_program "$bpid"
fi
exit 0
