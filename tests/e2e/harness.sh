#!/usr/bin/env bash
# Checks scripts/x11-session itself (run outside it): the command gets a
# working X display with a window manager and a notification area, a private
# session bus and private folders; its exit status comes back; every process
# the session started is gone afterwards, also after a signal; a service that
# cannot start is reported; with --sound, what is played into the default
# sink can be recorded from its monitor.
# Usage: harness.sh /path/to/scripts/x11-session
set -uo pipefail

session=${1:?usage: $0 /path/to/x11-session}
name=harness
tmp=$(mktemp -d "${TMPDIR:-/tmp}/tocsimo-harness.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
failures=0
check_failed() { echo "$name: FAILED: $*" >&2; failures=$((failures + 1)); }
log() { echo "$name: $*"; }

running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}

# What the command inside records about its session.
cat >"$tmp/inside.sh" <<'EOF'
out=$1
{
  echo "display=$DISPLAY"
  echo "session_dir=$X11_SESSION_DIR"
  echo "runtime=$XDG_RUNTIME_DIR $(stat -c %a "$XDG_RUNTIME_DIR")"
  echo "home=$HOME"
  xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 && echo "x=ok"
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && echo "wm=ok"
  xdotool search --onlyvisible --class '^trayer$' >/dev/null && echo "tray=ok"
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetId >/dev/null 2>&1 && echo "bus=ok"
  echo "services=$(ps -o pid= --ppid "$PPID" | grep -vw "$$" | tr -d ' ' | tr '\n' ' ')"
} >"$out"
sleep 1000 &            # left behind on purpose
echo "leftover=$!" >>"$out"
EOF

field() { sed -n "s/^$1=//p" "$2"; }

# ---- a normal run ----
"$session" -- bash "$tmp/inside.sh" "$tmp/run1" >"$tmp/run1.log" 2>&1
status=$?
[ "$status" = 0 ] || check_failed "a run of a succeeding command ended with $status: $(cat "$tmp/run1.log")"
for what in x wm tray bus; do
  [ "$(field "$what" "$tmp/run1")" = ok ] || check_failed "inside the session: $what not working"
done
[[ $(field display "$tmp/run1") == :[0-9]* ]] || check_failed "DISPLAY was '$(field display "$tmp/run1")'"
sdir=$(field session_dir "$tmp/run1")
[[ $(field runtime "$tmp/run1") == "$sdir/"*" 700" ]] ||
  check_failed "XDG_RUNTIME_DIR not private: $(field runtime "$tmp/run1")"
[[ $(field home "$tmp/run1") == "$sdir/"* ]] || check_failed "HOME not private: $(field home "$tmp/run1")"
services=$(field services "$tmp/run1")
[ "$(wc -w <<<"$services")" -ge 4 ] || check_failed "expected at least 4 services, saw '$services'"
for pid in $services $(field leftover "$tmp/run1"); do
  running "$pid" && check_failed "pid $pid ($(ps -o comm= -p "$pid")) still runs after the session"
done
[ -e "$sdir" ] && check_failed "session folder $sdir left behind"

# ---- the command's status comes back ----
"$session" -- sh -c 'exit 7' 2>/dev/null
status=$?
[ "$status" = 7 ] || check_failed "a command that exits 7 gave $status"

# ---- a signal to the session stops everything ----
"$session" -- sh -c 'echo $PPID > "$1"; sleep 1000' sh "$tmp/run3" >/dev/null 2>&1 &
spid=$!
for ((i = 0; i < 1000; i++)); do [ -s "$tmp/run3" ] && break; sleep 0.01; done
children=$(ps -o pid= --ppid "$(cat "$tmp/run3")" | tr -d ' ')
kill -TERM "$spid"
wait "$spid"
status=$?
[ "$status" = 143 ] || check_failed "a session stopped by TERM ended with $status, not 143"
for pid in $children; do
  running "$pid" && check_failed "after TERM during the command: pid $pid ($(ps -o comm= -p "$pid")) still runs"
done
[ -n "$children" ] || check_failed "saw no processes of the session stopped by TERM"

# ---- a service that cannot start ----
"$session" --screen 0x0x0 -- true >/dev/null 2>"$tmp/bad.log"
status=$?
[ "$status" = 125 ] || check_failed "a session whose X server cannot start ended with $status, not 125"
grep -q 'Xvfb failed to start' "$tmp/bad.log" || check_failed "no clear message when Xvfb fails: $(cat "$tmp/bad.log")"

# ---- sound ----
cat >"$tmp/sound.sh" <<'EOF'
set -e
out=$1
pactl get-default-sink >"$out.sink"
parec -d nullsink.monitor --latency-msec=20 --raw --format=s16le --rate=48000 --channels=1 >"$out.raw" &
rec=$!
# grown_by BYTES: waits (10 s at most) until the recording has grown by BYTES.
grown_by() {
  local want=$(($(stat -c %s "$out.raw") + $1)) i
  for ((i = 0; i < 1000; i++)); do
    [ "$(stat -c %s "$out.raw")" -ge "$want" ] && return 0
    sleep 0.01
  done
  return 1
}
grown_by 1 # recording
# One second of loud noise into the default sink.
head -c 96000 /dev/urandom | pacat --raw --format=s16le --rate=48000 --channels=1
grown_by 28800 # and 0.3 s more: the noise is all in
kill "$rec"
wait "$rec" || true
EOF
"$session" --sound -- bash "$tmp/sound.sh" "$tmp/snd" >"$tmp/snd.log" 2>&1
status=$?
[ "$status" = 0 ] || check_failed "the sound run ended with $status: $(cat "$tmp/snd.log")"
[ "$(cat "$tmp/snd.sink" 2>/dev/null)" = nullsink ] || check_failed "the default sink is '$(cat "$tmp/snd.sink" 2>/dev/null)'"
peak=$(od -An -td2 -v "$tmp/snd.raw" 2>/dev/null |
  awk '{ for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > m) m = v } } END { print m + 0 }')
log "sound: recorded $(stat -c %s "$tmp/snd.raw" 2>/dev/null || echo 0) bytes, peak $peak"
[ "$peak" -gt 10000 ] || check_failed "the recording of the null sink holds no sound (peak $peak)"

if [ "$failures" -gt 0 ]; then
  echo "$name: $failures check(s) failed" >&2
  exit 1
fi
log "all checks passed"
