#!/usr/bin/env bash
# The real program, started under libfaketime a few seconds before a full
# hour with hourly chimes of "Yee Haa" on, sounds that chime once, through
# the sound server, soon after the hour begins: one short burst, nothing
# before it and nothing after it.
# Run inside scripts/x11-session --sound.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
need_null_sink
command -v faketime >/dev/null || fatal "faketime is missing (scripts/deps test)"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
[ -f "$folder/sound/Yee Haa.wav" ] || fatal "the build laid no sound/Yee Haa.wav into the program folder"
crlf_lines "[General]" "AutoRun=0" "AutoHide=0" "AMPM=1" "[Alarm]" "Repeat=1" \
  "[Chimes]" "EnableChimes=1" "Hourly=1" "HalfHourly=0" "QuartaHourly=0" "ChimeSound=4" >"$folder/Options.ini"

LEAD=8   # seconds of fake time before the full hour
alarm_record_start
# faketime keeps the real clock's fraction of a second: started early in a
# real second, the fake hour begins LEAD s after that second's start.
while :; do
  start_us=${EPOCHREALTIME/./}
  frac=$((10#${start_us: -6}))
  [ "$frac" -ge 20000 ] && [ "$frac" -le 300000 ] && break
  sleep 0.01
done
start_program pid "$E2E_TMP" faketime "2027-03-01 06:59:$((60 - LEAD))" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "the program mapped no clock window"
hour_us=$((start_us - frac + LEAD * 1000000))
log "clock up after $(((${EPOCHREALTIME/./} - start_us) / 1000)) ms; the fake hour begins about $((LEAD)) s after the start"
sleep_until_us $((hour_us + 7000000))
running "$pid" || fatal "the program ended by itself"
alarm_record_stop

# "Yee Haa" pauses for about 150 ms between its two calls: a chime is one
# burst with pauses shorter than 400 ms.
bursts=$(alarm_bursts "$start_us" "$ALARM_REC_END_US" 400)
log "bursts (start, end in us): ${bursts//$'\n'/; }"
n=$(grep -c . <<<"$bursts")
[ "$n" = 1 ] || check_failed "$n bursts of sound, not one chime"
read -r b_start b_end < <(head -n 1 <<<"$bursts")
if [ -n "${b_start:-}" ]; then
  log "the chime began $(((b_start - hour_us) / 1000)) ms after the fake hour (as far as the start allows) and lasted $(((b_end - b_start) / 1000)) ms"
  # The program's start shifts the fake hour by up to the time it took to exec.
  [ "$b_start" -ge $((hour_us - 500000)) ] || check_failed "the chime began before the hour"
  [ "$b_start" -le $((hour_us + 3000000)) ] || check_failed "the chime began more than 3 s after the hour"
  [ $((b_end - b_start)) -le 2500000 ] || check_failed "the chime lasted more than 2.5 s"
fi

close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
e2e_finish
