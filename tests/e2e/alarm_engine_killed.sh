#!/usr/bin/env bash
# No sound file can stop the clock, and the sound engine's process is the
# only thing a bad one takes down. Four alarms in a row, each closed before
# the next: a picture named .mp3 (its reminder shows, silent), a video named
# .wma (its sound track plays), an mp3 whose engine process is killed while
# it sounds (the reminder stays with its message, the sound stops), and an
# mp3 after that (a new engine plays it). The program runs throughout and
# leaves no dead child behind.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
sounds=$E2E_TMP/sounds
mkdir -p "$sounds"
make_tone_mp3 "$sounds/tone.mp3" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
gst-launch-1.0 -q videotestsrc num-buffers=1 ! video/x-raw,width=300,height=300 ! jpegenc \
  ! filesink location="$sounds/picture.mp3" >/dev/null 2>&1 || fatal "could not make a picture"
gst-launch-1.0 -q avimux name=m ! filesink location="$sounds/video.wma" \
  videotestsrc num-buffers=75 ! video/x-raw,width=320,height=240,framerate=25/1 ! jpegenc ! m. \
  audiotestsrc wave=ticks freq=880 sine-periods-per-tick=880 tick-interval=2000000000 volume=0.5 \
  samplesperbuffer=441 num-buffers=300 ! audio/x-raw,format=S16LE,rate=44100,channels=1 ! m. \
  >/dev/null 2>&1 || fatal "could not make a video"
write_options "$folder" 1 0 0

GAP=7 # seconds between the alarms
names=(picture video killed after)
files=("$sounds/picture.mp3" "$sounds/video.wma" "$sounds/tone.mp3" "$sounds/tone.mp3")
write_alarms() {
  local t=$1 i h m s y mo d
  for i in 0 1 2 3; do
    read -r h m s y mo d < <(local_parts $((t + i * GAP)))
    write_alarm "$folder" $((i + 1)) Daily 2027 3 1 "$h" "$m" "$s" "${files[i]}"
    write_message "$folder" $((i + 1)) "Alarm ${names[i]}"
  done
  write_index "$folder" 1 2 3 4
}

engine_of() { pgrep -P "$1" -x tocsimo-audio; }
zombies_of() { ps -o stat= --ppid "$1" 2>/dev/null | grep -c '^Z'; }

alarm_watch_start
alarm_record_start
alarm_start pid T "$folder" write_alarms
log "program $pid; alarms from $(date -d "@$T" +%T), $GAP s apart"

declare -A shown_us closed_us
killed_us=0
for i in 0 1 2 3; do
  due=$((T + i * GAP))
  if ! alarm_wait_shown win "$pid" $((due * 1000 + 3000)); then
    check_failed "no reminder for the ${names[i]} alarm within 3 s of its second"
    running "$pid" || fatal "the program died at the ${names[i]} alarm"
    continue
  fi
  shown_us[$i]=${EPOCHREALTIME/./}
  case ${names[i]} in
  killed)
    poll 10000 alarm_heard_since "${shown_us[$i]}" 8 || check_failed "no sound before the engine was killed"
    engine=$(engine_of "$pid") || check_failed "no sound engine process while the alarm sounds"
    if [ -n "$engine" ]; then
      kill -KILL "$engine"
      killed_us=${EPOCHREALTIME/./}
      log "killed the sound engine ($engine)"
      # Gone from /proc once the program has reaped it.
      poll 10000 eval '[ ! -e /proc/$engine ]' || check_failed "the killed engine was not reaped"
    fi
    alarm_visible_window_of "$pid" >/dev/null || check_failed "the reminder went away when its sound engine was killed"
    ;;
  picture)
    # Silence has no moment to wait for: as long as the others take to sound.
    sleep 3
    ;;
  *) poll 10000 alarm_heard_since "${shown_us[$i]}" 8 ;;
  esac
  running "$pid" || fatal "the program died at the ${names[i]} alarm"
  closed_us[$i]=${EPOCHREALTIME/./}
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the ${names[i]} reminder is still shown 3 s after \"Close\""
done
running "$pid" || fatal "the program ended"
[ "$(zombies_of "$pid")" = 0 ] || check_failed "the program left a dead child unreaped"
alarm_record_stop

for i in 0 1 2 3; do
  [ -n "${shown_us[$i]:-}" ] || continue
  if [ "${names[i]}" = killed ]; then
    to=$killed_us
  else
    to=${closed_us[$i]}
  fi
  loud=$(alarm_loud_blocks "${shown_us[$i]}" "$to")
  log "${names[i]}: $loud loud blocks of 50 ms while shown"
  case ${names[i]} in
  picture) [ "$loud" = 0 ] || check_failed "the picture made a sound" ;;
  *) [ "$loud" -ge 4 ] || check_failed "the ${names[i]} alarm made no sound" ;;
  esac
done
if [ "$killed_us" != 0 ]; then
  after=$(alarm_loud_blocks $((killed_us + 300000)) "${closed_us[2]}")
  [ "$after" = 0 ] || check_failed "still sounding after its engine was killed ($after blocks of 50 ms)"
fi

clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
[ "$status" = 0 ] || check_failed "exit status $status after closing the clock"
e2e_finish
