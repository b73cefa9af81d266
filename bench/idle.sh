#!/usr/bin/env bash
# The whole program's CPU while idle: 255 alarms loaded (none due during the
# measurement), the clock shown, hourly chimes on, nothing happening. Its CPU
# time over the measured seconds, from /proc, as a share of one core; also
# how often its threads woke up.
# Run by hand, from the repository:
#   scripts/x11-session -- bash bench/idle.sh build/Tocsimo/tocsimo [seconds]
bench_dir=$(cd "$(dirname "$0")" && pwd)
set -- "$1" "${2:-60}"
SECONDS_MEASURED=$2
SETTLE=5
source "$bench_dir/../tests/e2e/lib.sh"
source "$bench_dir/../tests/e2e/alarm_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
# Repeat on, the clock shown, hourly chimes on.
write_options "$folder" 1 0 1

# The hourly chime must not sound during the measurement.
left=$((3600 - $(date +%s) % 3600))
if [ "$left" -lt $((SECONDS_MEASURED + SETTLE + 40)) ]; then
  log "waiting $((left + 5)) s for the hour's chime to pass"
  sleep $((left + 5))
fi

write_idle_alarms "$folder"
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 30000 || fatal "the program mapped no clock window"
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
[ -n "$(alarm_visible_window_of "$pid")" ] && log "warning: a reminder was shown during the measurement"

awk -v wall=$((t1 - t0)) -v ticks=$((ticks1 - ticks0)) -v tck="$tck" -v ns=$((ns1 - ns0)) -v sw=$((sw1 - sw0)) \
  -v th0="$threads0" -v th1="$threads1" '
  BEGIN {
    w = wall / 1e6
    printf "idle for %.1f s with 255 alarms and the clock shown (%d threads, then %d)\n", w, th0, th1
    printf "  /proc/<pid>/stat utime+stime: %d ticks of %.0f ms = %.0f ms, %.4f%% of one core\n", ticks, 1000 / tck, ticks * 1000 / tck, ticks / tck / w * 100
    printf "  /proc/<pid>/task/*/schedstat: %.2f ms, %.4f%% of one core (target under 0.035%%)\n", ns / 1e6, ns / 1e9 / w * 100
    printf "  context switches: %d, %.1f a second\n", sw, sw / w
  }'
join "$E2E_TMP/threads0" "$E2E_TMP/threads1" | awk -v wall=$((t1 - t0)) '
  { w = wall / 1e6
    printf "    thread %-16s %5.2f voluntary + %5.2f involuntary switches a second, %6.2f ms\n", $2, ($7 - $3) / w, ($8 - $4) / w, ($9 - $5) / 1e6 }'

close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || stop_program "$pid"
exit 0
