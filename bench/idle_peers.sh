#!/usr/bin/env bash
# What a waiting clock costs, beside its peers in one X session: Tocsimo (255
# alarms, none due, the clock shown, hourly chimes on), `xclock -digital
# -update 1` and, when installed, the GTK alarm applet (`alarm-clock-applet
# --hidden`, its own settings). Each runs alone in turn, after a measurement
# of the session with none of them, for several rounds (the order turns each
# round). For each: the CPU of its own process, the CPU it costs the X server
# (the server's CPU while it runs less the server's while none runs), its
# wake-ups (voluntary context switches; preemptions apart), its memory, and
# the ratio of each Tocsimo's CPU (own + X server) to xclock's. Tocsimo's
# wake-ups are also given thread by thread. (Its window also holds the one
# wake-up of Qt's pixmap cache expiring, 30 s after start: about 0.02 a
# second more than the ticks.)
#
# Run by hand, from the repository (the peers, x11-apps for xclock and
# alarm-clock-applet, are measured when installed):
#   scripts/x11-session -- bash bench/idle_peers.sh build/Tocsimo/tocsimo [SECONDS] [ROUNDS] [NAME=PROGRAM...]
# SECONDS (default 60) measured after 5 s of settling, ROUNDS (default 3).
# NAME=PROGRAM adds another build of Tocsimo to compare, e.g. a build of
# main: before=../main/build/Tocsimo/tocsimo. The X server is the session's
# Xvfb; elsewhere give its pid in XSERVER_PID.
bench_dir=$(cd "$(dirname "$0")" && pwd)
PROGRAMS=("tocsimo=$1")
SECONDS_MEASURED=${2:-60}
ROUNDS=${3:-3}
shift 3 2>/dev/null || shift $#
PROGRAMS+=("$@")
SETTLE=5
set -- "${PROGRAMS[0]#*=}"
source "$bench_dir/../tests/e2e/lib.sh"
source "$bench_dir/../tests/e2e/alarm_lib.sh"

xclock=$(command -v xclock) || log "xclock: not installed (x11-apps), measured without it and without ratios"
applet=$(command -v alarm-clock-applet) || log "alarm-clock-applet: not installed, measured without it"
xserver=${XSERVER_PID:-$(pgrep -P "$PPID" -x Xvfb)}
[ -n "$xserver" ] && [ -r "/proc/$xserver/stat" ] ||
  fatal "no X server found: run me inside scripts/x11-session, or set XSERVER_PID"

# CPU of all threads of a process, in ns.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'; }
# Per thread: id, name, voluntary and involuntary switches.
threads() {
  local t
  for t in /proc/"$1"/task/*; do
    printf '%s %s %s\n' "${t##*/}" "$(tr ' ' _ <"$t/comm")" \
      "$(awk '/^voluntary_ctxt/ { v = $2 } /^nonvoluntary_ctxt/ { n = $2 } END { print v + 0, n + 0 }' "$t/status")"
  done | sort
}
memory_kib() { awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } END { print r + 0, p + 0 }' "/proc/$1/smaps_rollup"; }

RESULTS=$E2E_TMP/results # round subject wall_s own_ns x_ns voluntary involuntary rss_kib pss_kib
THREADS=$E2E_TMP/threads # round subject thread voluntary involuntary wall_s
: >"$RESULTS"
: >"$THREADS"

# measure ROUND SUBJECT [PID]: one window of SECONDS_MEASURED; with no PID, the session alone.
measure() {
  local round=$1 subject=$2 pid=${3:-} t0 t1 x0 x1 own0=0 own1=0 mem="0 0"
  [ -n "$pid" ] && threads "$pid" >"$E2E_TMP/t0" && own0=$(cpu_ns "$pid")
  x0=$(cpu_ns "$xserver") t0=${EPOCHREALTIME/./}
  sleep "$SECONDS_MEASURED"
  t1=${EPOCHREALTIME/./} x1=$(cpu_ns "$xserver")
  if [ -n "$pid" ]; then
    own1=$(cpu_ns "$pid")
    threads "$pid" >"$E2E_TMP/t1"
    mem=$(memory_kib "$pid")
    running "$pid" || fatal "$subject ended during the measurement"
    join "$E2E_TMP/t0" "$E2E_TMP/t1" | awk -v r="$round" -v s="$subject" -v w=$((t1 - t0)) \
      '{ print r, s, $2, $6 - $3, $7 - $4, w / 1e6 }' >>"$THREADS"
  fi
  awk -v r="$round" -v s="$subject" -v w=$((t1 - t0)) -v own=$((own1 - own0)) -v x=$((x1 - x0)) -v mem="$mem" \
    -v sw="$(awk -v s="$subject" -v r="$round" '$1 == r && $2 == s { v += $4; n += $5 } END { print v + 0, n + 0 }' "$THREADS")" \
    'BEGIN { printf "%d %s %.3f %d %d %s %s\n", r, s, w / 1e6, own, x, sw, mem }' >>"$RESULTS"
  tail -n 1 "$RESULTS" | awk '{ printf "  round %d %-10s own %.4f%%  X server %.4f%%  %5.2f wake-ups/s  RSS %d KiB  (load %s)\n",
    $1, $2, $4 / 1e7 / $3, $5 / 1e7 / $3, $6 / $3, $8, load }' load="$(cut -d' ' -f1-3 /proc/loadavg)"
}

# The hourly chime must not sound while Tocsimo is measured.
skip_the_hour() {
  local left=$((3600 - $(date +%s) % 3600))
  if [ "$left" -lt $((SECONDS_MEASURED + SETTLE + 40)) ]; then
    log "waiting $((left + 5)) s for the hour's chime to pass"
    sleep $((left + 5))
  fi
}

# wait_window_of PID: until PID maps a window.
wait_window_of() { poll 30000 eval 'xdotool search --onlyvisible --pid '"$1"' >/dev/null 2>&1'; }

run_tocsimo() {
  local round=$1 name=$2 program=$3 folder=$E2E_TMP/$2 pid clock status
  skip_the_hour
  rm -rf "$folder"
  E2E_BUILT_PROGRAM=$program make_program_folder "$folder"
  write_options "$folder" 1 0 1
  write_idle_alarms "$folder" # none due in the next ten minutes
  start_program pid "$E2E_TMP" "$folder/tocsimo"
  wait_clock_window clock "$pid" 30000 || fatal "$name mapped no clock window"
  sleep "$SETTLE"
  measure "$round" "$name" "$pid"
  [ -n "$(alarm_visible_window_of "$pid")" ] && log "warning: a reminder was shown during the measurement"
  close_window_by_wm "$clock"
  wait_exit status "$pid" 10000 || stop_program "$pid"
}

run_peer() {
  local round=$1 name=$2 pid
  shift 2
  # Their warnings (missing fonts, sounds) are not ours to show.
  start_program pid "$E2E_TMP" "$@" 2>/dev/null
  [ "$name" = xclock ] && { wait_window_of "$pid" || fatal "xclock mapped no window"; }
  sleep "$SETTLE"
  measure "$round" "$name" "$pid"
  stop_program "$pid"
}

subjects=(none "${PROGRAMS[@]}")
[ -n "$xclock" ] && subjects+=(xclock)
[ -n "$applet" ] && subjects+=(applet)
log "$ROUNDS rounds of ${#subjects[@]} windows of $SECONDS_MEASURED s; load $(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 1; round <= ROUNDS; round++)); do
  # The session alone first, then the others in an order that turns each round.
  order=(none)
  n=$((${#subjects[@]} - 1))
  for ((i = 0; i < n; i++)); do order+=("${subjects[1 + (i + round - 1) % n]}"); done
  for s in "${order[@]}"; do
    case $s in
      none) sleep "$SETTLE"; measure "$round" none ;;
      xclock) run_peer "$round" xclock "$xclock" -digital -update 1 ;;
      applet) run_peer "$round" applet "$applet" --hidden ;;
      *) run_tocsimo "$round" "${s%%=*}" "$(realpath "${s#*=}")" ;;
    esac
  done
done

echo
echo "median of $ROUNDS rounds (min-max); CPU as a share of one core; X server: its CPU less its CPU with none running"
awk '
  function sorted(list, a,   n, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n
  }
  function median(list,   a, n) { n = sorted(list, a); return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
  function range(list, f,   a, n) { n = sorted(list, a); return sprintf(f "-" f, a[1], a[n]) }
  { w[$1, $2] = $3; own[$1, $2] = $4 / 1e7 / $3; x[$1, $2] = $5 / 1e7 / $3
    vol[$1, $2] = $6 / $3; inv[$1, $2] = $7 / $3; rss[$1, $2] = $8; pss[$1, $2] = $9
    if (!($2 in seen)) { seen[$2] = 1; names[++k] = $2 }
    if ($1 > rounds) rounds = $1 }
  END {
    printf "%-10s %-22s %-22s %-22s %-16s %-13s %-9s %-9s %s\n", "", "own %", "X server %", "own + X %", "wake-ups/s", "preempted/s", "RSS KiB", "PSS KiB", "ratio to xclock"
    for (i = 1; i <= k; i++) {
      s = names[i]; lo = lx = lt = lv = li = lr = lp = lq = ""
      for (r = 1; r <= rounds; r++) {
        if (!((r, s) in w)) continue
        xs = x[r, s] - x[r, "none"]
        t = own[r, s] + xs
        tx = own[r, "xclock"] + x[r, "xclock"] - x[r, "none"]
        lo = lo " " own[r, s]; lx = lx " " xs; lt = lt " " t; lv = lv " " vol[r, s]; li = li " " inv[r, s]
        lr = lr " " rss[r, s]; lp = lp " " pss[r, s]; if (tx > 0) lq = lq " " t / tx
      }
      if (s == "none") {
        for (r = 1; r <= rounds; r++) la = la " " x[r, s]
        printf "%-10s %-22s %-22s\n", "none", "", sprintf("%.4f (%s)", median(la), range(la, "%.4f"))
        continue
      }
      printf "%-10s %-22s %-22s %-22s %-16s %-13s %-9d %-9d %s\n", s,
        sprintf("%.4f (%s)", median(lo), range(lo, "%.4f")), sprintf("%.4f (%s)", median(lx), range(lx, "%.4f")),
        sprintf("%.4f (%s)", median(lt), range(lt, "%.4f")), sprintf("%.2f (%s)", median(lv), range(lv, "%.2f")),
        sprintf("%.2f", median(li)), median(lr), median(lp),
        s == "xclock" ? "1" : lq == "" ? "-" : sprintf("%.2f (%s)", median(lq), range(lq, "%.2f"))
    }
  }' "$RESULTS"
echo "target: each Tocsimo's own + X at most 0.5 of xclock's, at no more than 2 wake-ups a second"

echo
echo "Tocsimo's threads: wake-ups (voluntary switches) a second, median of the rounds"
awk '$2 != "xclock" && $2 != "applet" {
    key = $2 " " $3; v[key] = v[key] " " $4 / $6; if (!(key in seen)) { seen[key] = 1; keys[++k] = key } }
  END {
    for (i = 1; i <= k; i++) {
      n = split(v[keys[i]], a, " ")
      for (p = 2; p <= n; p++) for (q = p; q > 1 && a[q - 1] > a[q]; q--) { t = a[q]; a[q] = a[q - 1]; a[q - 1] = t }
      split(keys[i], kk, " ")
      printf "  %-10s %-16s %5.2f\n", kk[1], kk[2], n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
  }' "$THREADS"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
exit 0
