#!/usr/bin/env bash
# A simulated day with 255 alarms of every mode, run fast under libfaketime:
# each reminder is closed as soon as it appears. Checks from the program's own
# "tocsimo.schedule" log that every alarm due that day fired exactly once, none
# early and none that was not due, and reports how late they fired (in
# simulated seconds) and the program's memory from start to end. Run by hand:
#
#   scripts/x11-session -- bash bench/soak.sh build/Tocsimo/tocsimo [SPEED] [HOURS]
#
# SPEED (default 240) is faketime's speed-up; HOURS (default 24) how much of
# 2027-03-01 (a Monday) to run. Alarms fall on even minutes, two minutes apart
# at least, so no reminder is open while another alarm's second passes.
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/../tests/e2e/alarm_lib.sh"
SPEED=${2:-240}
HOURS=${3:-24}
export TZ=UTC

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
write_options "$folder" 1 0 0
sound="$E2E_TMP/tone.wav"
gst-launch-1.0 -q audiotestsrc num-buffers=20 ! audio/x-raw,rate=8000,channels=1 ! wavenc ! filesink location="$sound" >/dev/null 2>&1

expected=$E2E_TMP/expected # "ID HH:MM:SS" for each firing due
: >"$expected"
ids=()
hourly=(2 14 26 38 50)
id=0
# Hourly: at their minute of every hour.
for m in "${hourly[@]}"; do
  id=$((id + 1)); s=$((id * 7 % 60))
  write_alarm "$folder" $id Hourly 2004 7 14 20 "$m" $s ""
  write_message "$folder" $id "Hourly $id"; ids+=($id)
  for ((h = 0; h < HOURS; h++)); do printf '%d %02d:%02d:%02d\n' $id $h "$m" $s >>"$expected"; done
done
# The others on the remaining even minutes: four of five due today, the
# fifth of each mode on a date that is not today.
modes=(Once Daily Weekly Monthly Yearly)
slot=0
while [ $id -lt 255 ]; do
  minute=$((slot * 2)); slot=$((slot + 1))
  in_run=1
  [ $minute -ge 1440 ] && minute=$(((minute % 1440) | 1)) # more alarms than even minutes: odd ones
  [ $minute -ge $((HOURS * 60)) ] && in_run=0
  printf '%s\n' "${hourly[@]}" | grep -qx $((minute % 60)) && continue
  id=$((id + 1)); s=$((id * 7 % 60)); h=$((minute / 60)); mi=$((minute % 60))
  mode=${modes[id % 5]}
  file=""; [ $((id % 5)) = 0 ] && file=$sound
  if [ $((id / 5 % 5)) = 4 ]; then
    case $mode in # not due on 2027-03-01
      Once) write_alarm "$folder" $id Once 2027 3 2 $h $mi $s "$file" ;;
      Daily) write_alarm "$folder" $id Once 2026 3 1 $h $mi $s "$file" ;; # a once alarm long past
      Weekly) write_alarm "$folder" $id Weekly 2027 3 2 $h $mi $s "$file" ;;
      Monthly) write_alarm "$folder" $id Monthly 2027 3 2 $h $mi $s "$file" ;;
      Yearly) write_alarm "$folder" $id Yearly 2028 4 1 $h $mi $s "$file" ;;
    esac
  else
    case $mode in
      Once) write_alarm "$folder" $id Once 2027 3 1 $h $mi $s "$file" ;;
      Daily) write_alarm "$folder" $id Daily 2020 1 1 $h $mi $s "$file" ;;
      Weekly) write_alarm "$folder" $id Weekly 2025 3 3 $h $mi $s "$file" ;; # a Monday two years back
      Monthly) write_alarm "$folder" $id Monthly 2026 1 1 $h $mi $s "$file" ;;
      Yearly) write_alarm "$folder" $id Yearly 2020 3 1 $h $mi $s "$file" ;;
    esac
    [ $in_run = 1 ] && printf '%d %02d:%02d:%02d\n' $id $h $mi $s >>"$expected"
  fi
  write_message "$folder" $id "$mode $id"; ids+=($id)
done
write_index "$folder" "${ids[@]}"
sort -o "$expected" "$expected"
log "$(wc -l <"$expected") firings due in $HOURS simulated hours at x$SPEED"

log_file=$E2E_TMP/schedule.log
# Ten simulated minutes before midnight, for the program to start.
LEAD=600
launch_us=${EPOCHREALTIME/./}
start_program pid "$E2E_TMP" env QT_LOGGING_RULES="tocsimo.schedule=true" \
  faketime -f "@2027-02-28 23:50:00 x$SPEED" sh -c 'exec "$1" 2>"$2"' sh "$folder/tocsimo" "$log_file"
wait_clock_window clock "$pid" 30000 || fatal "no clock window"
prog=
for p in $(pgrep -f "$folder/tocsimo"); do [ "$(cat /proc/$p/comm 2>/dev/null)" = tocsimo ] && prog=$p; done
[ -n "$prog" ] || fatal "cannot find the program's process"
rss() { awk '/VmRSS/ { print $2 }' "/proc/$prog/status"; }
rss_start=$(rss)
log "program $prog, $rss_start kB resident at the start"

end_real_us=$((launch_us + (LEAD + HOURS * 3600 + 15) * 1000000 / SPEED))
closed=0
samples=()
while [ "${EPOCHREALTIME/./}" -lt "$end_real_us" ]; do
  for w in $(xdotool search --onlyvisible --name '^Alarm$' 2>/dev/null); do
    alarm_click_close "$w" && closed=$((closed + 1))
    [ $((closed % 25)) = 1 ] && samples+=("$(rss)")
  done
  sleep 0.02
done
rss_end=$(rss)
stop_program "$pid"

fired=$E2E_TMP/fired
# Firings due within the run (the harness stops a little after its end).
sed -n 's/.*alarm \([0-9]*\) ([A-Za-z]*) due 2027-03-01 \([0-9:]*\) fired at 2027-03-01 \([0-9:.]*\).*/\1 \2 \3/p' "$log_file" |
  awk -v end="$HOURS" '{ split($2, d, ":"); if (d[1] + 0 < end + 0) print }' | sort >"$fired"
others=$(grep "fired at" "$log_file" | grep -vc "due 2027-03-01 \($(seq -f '%02g' -s '\|' $HOURS 23 | sed 's/|$//')\)" )
[ "$HOURS" = 24 ] && others=$(grep -c "fired at" "$log_file")
log "reminders closed by the harness: $closed; firings logged: $others"
missing=$(comm -23 "$expected" <(cut -d' ' -f1,2 "$fired"))
extra=$(comm -13 "$expected" <(cut -d' ' -f1,2 "$fired"))
twice=$(cut -d' ' -f1,2 "$fired" | uniq -d)
[ -z "$missing" ] || check_failed "did not fire: $(echo $missing | head -c 400)"
[ -z "$extra" ] || check_failed "fired but not due: $(echo $extra | head -c 400)"
[ -z "$twice" ] || check_failed "fired twice: $(echo $twice | head -c 400)"
[ "$others" = "$(wc -l <"$fired")" ] || check_failed "$((others - $(wc -l <"$fired"))) firings outside 2027-03-01"
awk '{ split($2, d, ":"); split($3, f, ":"); late = (f[1] * 3600 + f[2] * 60 + f[3]) - (d[1] * 3600 + d[2] * 60 + d[3]);
       if (late < 0) early++; if (late > max) max = late; sum += late; n++ }
     END { printf "lateness in simulated seconds: mean %.3f, max %.3f, early %d of %d\n", sum / n, max, early, n }' "$fired"
awk '{ split($2, d, ":"); split($3, f, ":"); if ((f[1] * 3600 + f[2] * 60 + f[3]) < (d[1] * 3600 + d[2] * 60 + d[3])) bad = 1 } END { exit bad }' "$fired" ||
  check_failed "an alarm fired before its second"
log "resident memory (kB): $rss_start at the start; after reminders 1, 26, 51...: ${samples[*]}; $rss_end at the end"
log "from the first sound (reminder 26) to the end: $((rss_end - ${samples[1]:-$rss_end})) kB"
e2e_finish
