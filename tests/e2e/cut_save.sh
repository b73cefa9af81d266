#!/usr/bin/env bash
# An alarm save that a kill stopped between its two renames (the new settings
# in place, the new message still staged beside the old one) is completed
# when the program starts, before its clock shows, and what cut-short writes
# left is removed; every other file stays as it was.
source "$(dirname "$0")/lib.sh"

folder="$E2E_TMP/Tocsimo"
make_program_folder "$folder"
write_index "$folder" 4
write_alarm "$folder" 4 Once 2027 3 1 7 0 0 "/music/old.mp3"
mv "$folder/alarm/4.ini" "$folder/alarm/.4.ini.old"
write_alarm "$folder" 4 Daily 2027 3 1 8 0 0 "/music/new.mp3"
write_message "$folder" 4 "old message"
printf 'new message' >"$folder/alarm/.4Memo.ini.new"
printf '[Alarms]\r\n' >"$folder/alarm/.Alarms.ini.tmp"
printf '[General]\r\n' >"$folder/.Options.ini.tmp"
expected=$(cd "$folder/alarm" && cat Alarms.ini 4.ini && printf 'new message')

start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window win "$pid" 20000 || fatal "no clock window appeared"
log "clock window $win of pid $pid"
got=$(cd "$folder/alarm" && cat Alarms.ini 4.ini 4Memo.ini)
[ "$got" = "$expected" ] || check_failed "the alarm files are not the completed save:"$'\n'"$got"
left=$(cd "$folder" && find . -name '.*' ! -name . | LC_ALL=C sort)
[ -z "$left" ] || check_failed "left behind: $left"
stop_program "$pid"
e2e_finish
