# shellcheck shell=bash disable=SC2034,SC2154
# Shared steps of the end-to-end tests. Each test is a bash script run inside
# scripts/x11-session with the built program's path as its first argument:
#   scripts/x11-session -- bash tests/e2e/<test>.sh build/Tocsimo/tocsimo
# It copies the program into a folder of its own, starts copies of it, drives
# them through the window manager and checks windows and files.
set -uo pipefail

E2E_TEST=$(basename "$0" .sh)
E2E_BUILT_PROGRAM=${1:?usage: $0 /path/to/Tocsimo/tocsimo}
[ -x "$E2E_BUILT_PROGRAM" ] || { echo "$E2E_TEST: no program at $E2E_BUILT_PROGRAM" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "$E2E_TEST: no DISPLAY: run me inside scripts/x11-session" >&2; exit 1; }

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tocsimo-e2e.XXXXXX")
E2E_PIDS=()
E2E_FAILURES=0

e2e_cleanup() {
  local pid i
  for pid in "${E2E_PIDS[@]}"; do kill -TERM "$pid" 2>/dev/null; done
  for pid in "${E2E_PIDS[@]}"; do
    for ((i = 0; i < 100; i++)); do running "$pid" || break; sleep 0.02; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

log() { echo "$E2E_TEST: $*"; }

# A failed check is reported and counted; the test goes on so one run shows
# every fault, and ends with status 1 in e2e_finish.
check_failed() {
  echo "$E2E_TEST: FAILED: $*" >&2
  E2E_FAILURES=$((E2E_FAILURES + 1))
}
# A failure after which nothing more can be checked.
fatal() {
  echo "$E2E_TEST: FAILED: $*" >&2
  exit 1
}
e2e_finish() {
  if [ "$E2E_FAILURES" -gt 0 ]; then
    echo "$E2E_TEST: $E2E_FAILURES check(s) failed" >&2
    exit 1
  fi
  log "all checks passed"
  exit 0
}

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# True while the process runs; an exited child not yet reaped does not count.
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}

# poll TIMEOUT_MS COMMAND...: runs COMMAND every 10 ms until it succeeds.
poll() {
  local end=$(($(now_ms) + $1))
  shift
  until "$@"; do
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.01
  done
}

# ---- program folders ------------------------------------------------------

# make_program_folder DIR: a copy of the built program folder at DIR (which
# may not exist yet) with an empty alarm folder, and options that keep the
# clock shown (no auto hide into the tray) with chimes off; tests that want
# other options write their own.
make_program_folder() {
  local dir=$1 src
  src=$(dirname "$E2E_BUILT_PROGRAM")
  mkdir -p "$dir"
  cp -a "$src/." "$dir/"
  rm -rf "$dir/alarm" "$dir/Options.ini" "$dir/skinname.ini"
  mkdir "$dir/alarm"
  printf '%s\r\n' "[General]" "AutoRun=0" "AutoHide=0" "AMPM=1" "[Chimes]" "EnableChimes=0" >"$dir/Options.ini"
}

crlf_lines() { [ $# -gt 0 ] && printf '%s\r\n' "$@"; }

# write_alarm FOLDER ID MODE YEAR MONTH DAY HOUR MINUTE SECOND SOUND: the
# settings file of one alarm as the editor writes it (CRLF, 13 keys).
write_alarm() {
  local f=$1/alarm/$2.ini mode=$3 m
  {
    crlf_lines "[AlarmMode]"
    for m in Once Hourly Daily Weekly Monthly Yearly; do
      if [ "$m" = "$mode" ]; then crlf_lines "$m=1"; else crlf_lines "$m=0"; fi
    done
    crlf_lines "[AlarmDateTime]" "Year=$4" "Month=$5" "Day=$6" "Hour=$7" "Minute=$8" "Second=$9"
    crlf_lines "[AlarmSound]" "File=${10}"
  } >"$f"
}

# write_message FOLDER ID LINE...: a message file, CRLF between lines and
# nothing after the last.
write_message() {
  local f=$1/alarm/$2Memo.ini
  shift 2
  local IFS=$'\n'
  local text="$*"
  printf '%s' "${text//$'\n'/$'\r\n'}" >"$f"
}

# write_index FOLDER ID...: the index, Alarm1 = first ID and so on.
write_index() {
  local folder=$1 i=1 id
  shift
  {
    crlf_lines "[Alarms]"
    for id in "$@"; do crlf_lines "Alarm$i=$id"; i=$((i + 1)); done
  } >"$folder/alarm/Alarms.ini"
}

# A listing of a folder that changes when any file in it is created, removed,
# rewritten (even with the same bytes: the inode and time change) or edited.
folder_state() {
  (
    cd "$1" || exit 1
    find . -printf '%P\t%y\t%s\t%i\t%T@\n' | LC_ALL=C sort
    find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum
  )
}

# ---- programs and windows -------------------------------------------------

# start_program OUTVAR WORKDIR PROGRAM [PREFIX...]: starts PROGRAM (optionally
# under a wrapper such as strace) in WORKDIR and stores its pid in OUTVAR.
start_program() {
  local -n _e2e_pid_ref=$1
  local workdir=$2
  shift 2
  (cd "$workdir" && exec "$@") </dev/null &
  _e2e_pid_ref=$!
  E2E_PIDS+=("$_e2e_pid_ref")
}

# The ids of visible windows titled exactly "Tocsimo" (of any process).
visible_clock_windows() {
  xdotool search --onlyvisible --name '^Tocsimo$' 2>/dev/null
}

window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | sed -n 's/.*= //p'; }

# of_pid WINDOW PID: true when the window belongs to PID, or to a child of
# PID (the program run under a wrapper such as strace).
of_pid() {
  local wpid
  wpid=$(window_pid "$1")
  [ -n "$wpid" ] || return 1
  [ "$wpid" = "$2" ] || [ "$(ps -o ppid= -p "$wpid" 2>/dev/null | tr -d " ")" = "$2" ]
}

# named_window_of PID NAME: a mapped window of PID titled exactly NAME.
named_window_of() {
  local w
  for w in $(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null); do
    of_pid "$w" "$1" && { echo "$w"; return 0; }
  done
  return 1
}

# The visible "Tocsimo" window of PID.
clock_window_of() { named_window_of "$1" Tocsimo; }

# wait_window OUTVAR PID NAME DEADLINE_MS: waits until PID has a mapped window
# titled NAME and stores its id; fails when PID ends first, or at the
# wall-clock time DEADLINE_MS (as now_ms gives it).
wait_window() {
  local -n _e2e_win_ref=$1
  local pid=$2 name=$3 deadline=$4
  while :; do
    _e2e_win_ref=$(named_window_of "$pid" "$name") && return 0
    running "$pid" || return 1
    [ "$(now_ms)" -ge "$deadline" ] && return 1
    sleep 0.01
  done
}

# wait_clock_window OUTVAR PID [TIMEOUT_MS]: waits until PID's clock window is
# mapped and stores its id.
wait_clock_window() { wait_window "$1" "$2" Tocsimo $(($(now_ms) + ${3:-15000})); }

# wait_exit OUTVAR PID TIMEOUT_MS: waits for a child started by
# start_program to end and stores its exit status; status 1 when it still
# runs after the time.
wait_exit() {
  local -n _e2e_status_ref=$1
  local pid=$2 timeout=$3
  poll "$timeout" eval '! running '"$pid" || return 1
  wait "$pid"
  _e2e_status_ref=$?
  return 0
}

# close_window_by_wm WINDOW: asks the window manager to close the window
# (_NET_CLOSE_WINDOW, which openbox turns into WM_DELETE_WINDOW).
close_window_by_wm() { wmctrl -i -c "$1"; }

# Stops a copy that a test no longer needs, by its pid.
stop_program() {
  local pid=$1
  kill -TERM "$pid" 2>/dev/null
  poll 5000 eval '! running '"$pid" || kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}

# ---- traces ---------------------------------------------------------------

# How strace (with --strings-in-hex=non-ascii-chars) writes PATH.
strace_quote() {
  local LC_ALL=C s=$1 out='' c i n
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}
    printf -v n '%d' "'$c"
    ((n < 0)) && ((n += 256))
    if ((n >= 128)); then
      printf -v c '\\x%02x' "$n"
    elif [[ $c == '"' || $c == '\' ]]; then
      c="\\$c"
    fi
    out+=$c
  done
  printf '%s' "$out"
}

# The strace command line that records the file-system calls of a program,
# one file per thread: "${STRACE[@]}" -o PREFIX PROGRAM gives PREFIX.<tid>.
STRACE=(strace -ff -qq --seccomp-bpf --strings-in-hex=non-ascii-chars -s 4096
  -e trace=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,truncate)

# trace_opened PREFIX PATH: true when the traced program opened PATH for
# reading, successfully.
trace_opened() {
  local q
  q=$(strace_quote "$2")
  cat "$1".* | grep -F "\"$q\", O_RDONLY" | grep -q '= [0-9]'
}

# trace_touched PREFIX PATH: the calls that named PATH or anything under it.
trace_touched() {
  local q
  q=$(strace_quote "$2")
  cat "$1".* | grep -F "\"$q" || true
}

# trace_writes_under PREFIX DIR: calls that create, change, rename or remove
# anything under DIR (opened for writing, created, renamed, unlinked).
trace_writes_under() {
  trace_touched "$1" "$2" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|^(creat|rename|unlink|mkdir|truncate)' || true
}

# ---- X events -------------------------------------------------------------
# A watcher records every window that the window manager takes in (each
# reparenting of a top-level window shows up on the root window), with marks
# set by the test between steps, so a step can be checked for windows mapped
# during it, however briefly.

E2E_XEV_LOG=$E2E_TMP/xev.log
E2E_MARK=0

start_x_watcher() {
  local pid
  start_program pid "$E2E_TMP" sh -c 'exec xev -root -event substructure -event property > "$1"' sh "$E2E_XEV_LOG"
  # Ready once it reports a mark.
  x_mark || fatal "the X event watcher (xev) did not start"
}

# x_mark [LOG]: sets a new mark (a root property of a name of its own) and
# waits until the watcher writing LOG (default: E2E_XEV_LOG) has logged it, so
# every event before it is logged. Its number is then in E2E_MARK. (Not to be
# called in a subshell.)
x_mark() {
  local log=${1:-$E2E_XEV_LOG}
  E2E_MARK=$((E2E_MARK + 1))
  local atom=_TOCSIMO_E2E_MARK_$E2E_MARK i
  # Set again until seen: the watcher may not be listening yet at the first.
  for ((i = 0; i < 100; i++)); do
    xprop -root -format "$atom" 32c -set "$atom" "$i"
    poll 50 grep -q "($atom)" "$log" && return 0
  done
  return 1
}

# x_reparented_between FROM TO: the ids (decimal) of the windows that the
# window manager took in between the two marks.
x_reparented_between() {
  awk -v from="(_TOCSIMO_E2E_MARK_$1)" -v to="(_TOCSIMO_E2E_MARK_$2)" '
    index($0, from) { on = 1 }
    index($0, to) { on = 0 }
    on && /^ReparentNotify/ { want = 1; next }
    want { want = 0; if (match($0, /window 0x[0-9a-f]+/)) print substr($0, RSTART + 7, RLENGTH - 7) }
  ' "$E2E_XEV_LOG" | while read -r hex; do printf '%d\n' "$hex"; done
}
