# Steps shared by the alarm tests and the alarm benchmarks, on top of lib.sh
# (source lib.sh first). They write a program folder with alarms due a few
# seconds ahead, watch the reminder window come and go with the wall-clock
# time of each change, record what the sound server plays and click "Close".

# ---- program folder --------------------------------------------------------

# write_options FOLDER REPEAT AUTOHIDE CHIMES: an options file as the program
# writes it on closing its manager (AM/PM time, hourly chimes with "Chime").
write_options() {
  crlf_lines "[General]" "AutoRun=1" "AutoHide=$3" "AMPM=1" \
    "[Alarm]" "Repeat=$2" \
    "[Chimes]" "EnableChimes=$4" "Hourly=1" "HalfHourly=0" "QuartaHourly=0" "ChimeSound=0" \
    >"$1/Options.ini"
}

# make_tone_mp3 FILE: a 1.5 s mp3 (with a Xing header, as encoders write
# them): an 880 Hz tone for its first second, then half a second of silence,
# so every pass of the sound is one burst and repeats show as separate bursts.
make_tone_mp3() {
  gst-launch-1.0 -q audiotestsrc wave=ticks freq=880 sine-periods-per-tick=880 \
    tick-interval=2000000000 volume=0.5 samplesperbuffer=441 num-buffers=150 \
    ! audio/x-raw,rate=44100,channels=1 ! audioconvert \
    ! lamemp3enc target=bitrate bitrate=64 ! xingmux ! filesink location="$1" >/dev/null 2>&1 &&
    [ -s "$1" ]
}

# The local hour, minute, second, year, month and day of a time in seconds
# since the epoch, each as a plain number.
local_parts() { date -d "@$1" '+%-H %-M %-S %Y %-m %-d'; }

# ---- the reminder window, with times -----------------------------------------
# xev reports every window the window manager takes in or lets go on the root
# window; a reader stamps each event with the wall-clock time at which it
# arrived (microseconds since the epoch), one event to a line.

ALARM_XLOG=$E2E_TMP/xev-timed.log

alarm_watch_start() {
  local fifo=$E2E_TMP/xev.fifo pid
  mkfifo "$fifo"
  : >"$ALARM_XLOG"
  start_program pid "$E2E_TMP" bash -c '
    exec <"$1" >"$2"
    rec=
    while IFS= read -r line; do
      if [ -z "$line" ]; then
        [ -n "$rec" ] && printf "%s\n" "$rec"
        rec=
      elif [ -z "$rec" ]; then
        rec="${EPOCHREALTIME/./} $line"
      else
        rec+=" $line"
      fi
    done' bash "$fifo" "$ALARM_XLOG"
  start_program pid "$E2E_TMP" sh -c 'exec stdbuf -oL xev -root -event substructure -event property >"$1"' sh "$fifo"
  x_mark "$ALARM_XLOG" || fatal "the timed X event watcher (xev) did not start"
}

# alarm_window_of PID: the id (decimal) of PID's window titled "Alarm",
# mapped or not.
alarm_window_of() {
  local w
  for w in $(xdotool search --name '^Alarm$' 2>/dev/null); do
    of_pid "$w" "$1" && { echo "$w"; return 0; }
  done
  return 1
}

# alarm_visible_window_of PID: the same, only while it is mapped.
alarm_visible_window_of() { named_window_of "$1" Alarm; }

# alarm_wait_shown OUTVAR PID DEADLINE_MS: waits until PID's "Alarm" window is
# visible, until the wall-clock time DEADLINE_MS at the latest.
alarm_wait_shown() { wait_window "$1" "$2" Alarm "$3"; }

# alarm_wait_hidden WINDOW TIMEOUT_MS: waits until the window is no longer
# visible.
alarm_wait_hidden() {
  poll "$2" eval '! xdotool search --onlyvisible --name "^Alarm\$" 2>/dev/null | grep -qx '"$1"
}

# alarm_shows WINDOW: every showing of the window as "MAP_US UNMAP_US" (UNMAP_US
# is 0 while it is still shown), from the watcher's log: the window manager
# takes the window into a frame, maps the frame (it is then on screen) and
# unmaps or destroys the frame when the program withdraws the window.
alarm_shows() {
  local hex root
  hex=$(printf "0x%x" "$1")
  root=$(xwininfo -root | awk "/Window id:/ { print \$4 }")
  awk -v c="window $hex," -v root="$root" '
    function field(name,   r) {
      if (match($0, name " 0x[0-9a-f]+")) { r = substr($0, RSTART + length(name) + 1, RLENGTH - length(name) - 1); return r }
      return ""
    }
    / ReparentNotify event/ && index($0, c) {
      p = field("parent")
      if (p != root) { frame = p; mapped = 0 }
      next
    }
    / MapNotify event/ && frame != "" && !mapped && index($0, "window " frame ",") && !index($0, "event " frame ",") {
      mapped = $1; next
    }
    (/ UnmapNotify event/ || / DestroyNotify event/) && mapped && index($0, "window " frame ",") && !index($0, "event " frame ",") {
      print mapped, $1; mapped = 0; frame = ""; next
    }
    END { if (mapped) print mapped, 0 }
  ' "$ALARM_XLOG"
}

# alarm_click_close WINDOW: clicks the middle of the "Close" button, which
# lies at 216,232 (89 by 25) in the window's client area.
alarm_click_close() { alarm_click_button "$1" 216; }

# alarm_click_snooze WINDOW: the same for "Snooze", at 120,232 (89 by 25).
alarm_click_snooze() { alarm_click_button "$1" 120; }

# alarm_click_button WINDOW LEFT: clicks the middle of the button at LEFT,232
# (89 by 25) in the window's client area.
alarm_click_button() {
  local X Y
  # (xdotool getwindowgeometry is off by the frame under openbox; xwininfo is not.)
  read -r X Y < <(xwininfo -id "$1" | awk "/Absolute upper-left X:/ { x = \$4 } /Absolute upper-left Y:/ { y = \$4 } END { print x, y }")
  # From a corner, so the pointer always moves: --sync waits for a move, and
  # a second reminder opens at the same place as the first.
  xdotool mousemove 0 0 mousemove --sync $((X + $2 + 44)) $((Y + 232 + 12)) click 1
}

# ---- recording ----------------------------------------------------------------
# What the null sink plays, as 8 kHz mono 16-bit samples. The monitor delivers
# samples at the sink's pace, silence included, so the recording's last sample
# is taken as the moment parec was stopped and every earlier sample dates back
# from there.

ALARM_RATE=8000
ALARM_REC=$E2E_TMP/recording.raw
ALARM_REC_PID=
ALARM_REC_END_US=0

alarm_record_start() {
  : >"$ALARM_REC"
  start_program ALARM_REC_PID "$E2E_TMP" sh -c \
    'exec parec -d nullsink.monitor --latency-msec=20 --raw --format=s16le --channels=1 --rate=$1 >"$2"' \
    sh "$ALARM_RATE" "$ALARM_REC"
  # Running once samples arrive.
  poll 10000 test -s "$ALARM_REC" || fatal "parec recorded nothing from nullsink.monitor"
}

alarm_record_stop() {
  ALARM_REC_END_US=${EPOCHREALTIME/./}
  kill -TERM "$ALARM_REC_PID" 2>/dev/null
  wait "$ALARM_REC_PID" 2>/dev/null
}

# alarm_heard_since FROM_US BLOCKS: true once the recording so far holds
# BLOCKS loud 50 ms blocks after FROM_US (its last sample taken as now, which
# dates the blocks less surely than alarm_record_stop does: ask for more than
# the check afterwards needs).
alarm_heard_since() {
  local ALARM_REC_END_US=${EPOCHREALTIME/./}
  [ "$(alarm_loud_blocks "$1" "$ALARM_REC_END_US")" -ge "$2" ]
}

# alarm_record_more MS: waits until the recording has grown by MS of sound,
# so it holds what played up to now.
alarm_record_more() {
  local want=$(($(stat -c %s "$ALARM_REC") + ALARM_RATE * 2 * $1 / 1000))
  poll 10000 eval '[ "$(stat -c %s "$ALARM_REC")" -ge '"$want"' ]'
}

# alarm_loudness BLOCK_MS: one line per block of the recording, "START_US RMS",
# START_US being the wall-clock time of the block's first sample.
alarm_loudness() {
  local per=$((ALARM_RATE * $1 / 1000)) total
  total=$(($(stat -c %s "$ALARM_REC") / 2))
  od -An -v -td2 -w2 "$ALARM_REC" | awk -v per="$per" -v total="$total" -v rate="$ALARM_RATE" -v end="$ALARM_REC_END_US" '
    { b = int((NR - 1) / per); s[b] += $1 * $1; n[b]++ }
    END {
      for (i = 0; i in n; i++)
        printf "%.0f %.0f\n", end - (total - i * per) * 1000000 / rate, sqrt(s[i] / n[i])
    }'
}

# A block counts as sound above this RMS (the tone's RMS is about 11000;
# silence from the null sink is exactly 0).
ALARM_LOUD=500

# alarm_bursts FROM_US TO_US [QUIET_MS]: the bursts of sound between two
# times, as "START_US END_US" lines: runs of loud 50 ms blocks, a burst ending
# at the first QUIET_MS (default 150) of quiet. Uses the recording after
# alarm_record_stop.
alarm_bursts() {
  alarm_loudness 50 | awk -v from="$1" -v to="$2" -v loud="$ALARM_LOUD" -v quiet_blocks=$((${3:-150} / 50)) '
    $1 < from || $1 + 50000 > to { next }
    $2 >= loud { if (!on) { on = 1; start = $1 }; last = $1 + 50000; quiet = 0; next }
    on && ++quiet >= quiet_blocks { printf "%.0f %.0f\n", start, last; on = 0 }
    END { if (on) printf "%.0f %.0f\n", start, last }'
}

# alarm_loud_blocks FROM_US TO_US: how many 50 ms blocks between two times hold sound.
alarm_loud_blocks() {
  alarm_loudness 50 | awk -v from="$1" -v to="$2" -v loud="$ALARM_LOUD" '
    $1 >= from && $1 + 50000 <= to && $2 >= loud { n++ } END { print n + 0 }'
}

# ---- a clock that jumps ------------------------------------------------------
# faked_clock_wrapper OFFSET_FILE LOG: sets ALARM_WRAPPER so the program runs
# under libfaketime with its real-time clock set off by the offset the file
# holds ("+0", "+700": seconds), read again every second, while its monotonic
# clock runs on: writing a larger offset is the computer waking from a sleep,
# or the clock stepped forward. The scheduler's log goes to LOG.
faked_clock_wrapper() {
  local lib
  lib=$(find /usr/lib -name libfaketime.so.1 -path '*faketime*' 2>/dev/null | head -n 1)
  [ -n "$lib" ] || fatal "libfaketime is missing (scripts/deps test)"
  echo +0 >"$1"
  ALARM_WRAPPER=(env LD_PRELOAD="$lib" FAKETIME_TIMESTAMP_FILE="$1" FAKETIME_CACHE_DURATION=1
    DONT_FAKE_MONOTONIC=1 QT_LOGGING_RULES=tocsimo.schedule=true sh -c 'exec "$1" 2>>"$0"' "$2")
}

# ---- starting ahead of the alarms ---------------------------------------------

# alarm_start OUTPID OUTT FOLDER WRITER: picks a second T a few seconds ahead,
# runs "WRITER T" to write the alarm folder for it, starts the program and
# waits for its clock. When the program was not running a second before T
# (a slow start on a busy machine), it is stopped and tried again further
# ahead, so the alarm never falls before the program can see it. A wrapper
# command (strace, valgrind) may be put in ALARM_WRAPPER.
ALARM_WRAPPER=()
alarm_start() {
  local -n _alarm_pid_ref=$1 _alarm_t_ref=$2
  local folder=$3 writer=$4 lead clock
  for lead in 8 15 30; do
    _alarm_t_ref=$(($(date +%s) + lead))
    "$writer" "$_alarm_t_ref"
    start_program _alarm_pid_ref "$E2E_TMP" "${ALARM_WRAPPER[@]}" "$folder/tocsimo"
    wait_clock_window clock "$_alarm_pid_ref" 30000 || fatal "the program mapped no clock window"
    [ "$(now_ms)" -le $((_alarm_t_ref * 1000 - 1000)) ] && return 0
    log "the program took too long to start for an alarm $lead s ahead; again further ahead"
    stop_program "$_alarm_pid_ref"
  done
  fatal "the program never started in time for its alarm"
}

# sleep_until_us TIME_US
sleep_until_us() {
  local left=$(($1 - ${EPOCHREALTIME/./}))
  [ "$left" -gt 0 ] && sleep "$(printf '%d.%06d' $((left / 1000000)) $((left % 1000000)))"
  return 0
}

# The checks need the session's sound server and its null sink.
need_null_sink() {
  pactl list short sinks 2>/dev/null | grep -q nullsink ||
    fatal "no null sink: run me inside scripts/x11-session --sound"
}

# 255 alarms of every mode in the program folder $1, none due in the next ten
# minutes (each is set at least ten minutes past the present minute): a full
# store for the idle measurements.
write_idle_alarms() {
  local folder=$1 i h m s y mo d mode modes=(Once Hourly Daily Weekly Monthly Yearly) ids=()
  read -r h m s y mo d < <(local_parts "$(date +%s)")
  for ((i = 1; i <= 255; i++)); do
    mode=${modes[i % 6]}
    write_alarm "$folder" "$i" "$mode" $((y + i % 3)) $((1 + i % 12)) $((1 + i % 28)) \
      $(((h + 1 + i % 20) % 24)) $(((m + 10 + i % 40) % 60)) $((i * 7 % 60)) "/home/user/Music/alarm $i.mp3"
    write_message "$folder" "$i" "Alarm number $i" "second line"
    ids+=("$i")
  done
  write_index "$folder" "${ids[@]}"
}
