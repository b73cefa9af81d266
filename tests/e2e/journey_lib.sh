# Steps shared by the new user's journeys (by mouse, by keyboard alone), on
# top of lib.sh, alarm_lib.sh and clock_lib.sh: the program folder with a
# sound to choose, and the daily alarm the journey leaves on disk.

# journey_start: a program folder at $folder that keeps the clock shown, and
# a sound at $tone, in the sound server's session.
journey_start() {
  need_null_sink
  folder=$E2E_TMP/Tocsimo
  make_program_folder "$folder"
  clock_options "$folder" 0
  tone="$E2E_TMP/wake up.mp3"
  make_tone_mp3 "$tone" || fatal "could not make the sound file"
}

# journey_early_in_minute: waits until the minute is at most 20 s old, so an
# alarm set 25 s ahead by raising the seconds of "Now" falls in this minute.
journey_early_in_minute() {
  while [ "$(date +%-S)" -gt 20 ]; do sleep 0.5; done
}

# journey_files_ok DUE_S: the alarm on disk is alarm 1, daily at the hour and
# minute of DUE_S, with the sound $tone and the message "Time to go".
journey_files_ok() {
  local H M
  read -r H M _ <<<"$(local_parts "$1")"
  grep -q $'^Alarm1=1\r$' "$folder/alarm/Alarms.ini" || check_failed "the index: $(cat -A "$folder/alarm/Alarms.ini")"
  grep -q $'^Daily=1\r$' "$folder/alarm/1.ini" || check_failed "the alarm is not daily: $(cat -A "$folder/alarm/1.ini")"
  grep -q $'^Hour='"$H"$'\r$' "$folder/alarm/1.ini" && grep -q $'^Minute='"$M"$'\r$' "$folder/alarm/1.ini" ||
    check_failed "the alarm's time is not $H:$M: $(cat -A "$folder/alarm/1.ini")"
  grep -qF "File=$tone" "$folder/alarm/1.ini" || check_failed "the alarm's sound is not $tone: $(cat -A "$folder/alarm/1.ini")"
  [ "$(cat "$folder/alarm/1Memo.ini")" = "Time to go" ] || check_failed "the message file holds: $(cat -A "$folder/alarm/1Memo.ini")"
}
