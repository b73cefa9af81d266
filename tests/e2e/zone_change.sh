#!/usr/bin/env bash
# The machine's time zone changes while the program runs (its /etc/localtime
# replaced, as timedatectl does): alarms go by the new zone's wall-clock time
# from then on. The program runs in a mount namespace of its own, where the
# file /etc/localtime names is covered with Europe/Berlin; once its clock is
# up, with Asia/Tokyo. A daily alarm at the Tokyo time of a moment T goes off
# at T; one at the Berlin time of T + 4 s does not go off.
# Run inside scripts/x11-session, as root.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
[ "$(id -u)" = 0 ] || fatal "a mount namespace needs root"
zones=/usr/share/zoneinfo
[ -f $zones/Europe/Berlin ] && [ -f $zones/Asia/Tokyo ] || fatal "no zone files for Berlin and Tokyo (tzdata)"
zone_file=$(readlink -f /etc/localtime)
[ -f "$zone_file" ] || fatal "/etc/localtime names no file"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
write_options "$folder" 0 0 0

write_alarms() {
  local t=$1 h m s y mo d
  read -r h m s y mo d < <(TZ=Asia/Tokyo local_parts "$t")
  write_alarm "$folder" 1 Daily 2027 3 1 "$h" "$m" "$s" ""
  write_message "$folder" 1 "Tokyo"
  read -r h m s y mo d < <(TZ=Europe/Berlin local_parts $((t + 4)))
  write_alarm "$folder" 2 Daily 2027 3 1 "$h" "$m" "$s" ""
  write_message "$folder" 2 "Berlin"
  write_index "$folder" 1 2
}

ALARM_WRAPPER=(unshare --mount --propagation private
  sh -c 'mount --bind "$1" "$2" && exec "$3"' sh $zones/Europe/Berlin "$zone_file")
alarm_start pid T "$folder" write_alarms
[ "$(readlink -f /etc/localtime)" = "$zone_file" ] && cmp -s /etc/localtime "$zone_file" ||
  fatal "the zone file changed outside the namespace"
nsenter -t "$pid" -m mount --bind $zones/Asia/Tokyo "$zone_file" || fatal "the zone could not be changed"
log "program $pid, now in Tokyo's zone; the Tokyo alarm is due at $(date -d "@$T" +%T)"

if alarm_wait_shown win "$pid" $((T * 1000 + 3000)); then
  seen=$(now_ms)
  [ "$seen" -ge $((T * 1000)) ] || check_failed "the \"Alarm\" window showed $((T * 1000 - seen)) ms before its second"
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the \"Alarm\" window is still shown 3 s after clicking \"Close\""
  # The Berlin alarm's second comes and goes with nothing shown.
  if poll $((T * 1000 + 7000 - $(now_ms))) alarm_visible_window_of "$pid" >/dev/null; then
    check_failed "an alarm set by Berlin's time went off after the zone became Tokyo's"
  fi
else
  check_failed "the alarm set by Tokyo's time did not go off at its second"
fi

running "$pid" || fatal "the program ended by itself"
clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
e2e_finish
