#!/usr/bin/env bash
# A program folder whose name is not valid UTF-8 (a Latin-1 "café" on a UTF-8
# system) cannot be named as text: the program says so in its error box, then
# ends with status 1, having read and written nothing under any folder of its
# own (nor under the root folder, where the broken paths used to lead).
source "$(dirname "$0")/lib.sh"

folder="$E2E_TMP/caf"$'\xe9'"/Tocsimo"
make_program_folder "$folder"
write_alarm "$folder" 1 Daily 2027 3 1 7 0 0 ""
write_message "$folder" 1 "Wake up"
write_index "$folder" 1
before=$(folder_state "$folder")

trace=$E2E_TMP/trace
start_program pid "$E2E_TMP" env LANG=C.UTF-8 "${STRACE[@]}" -o "$trace" "$folder/tocsimo"
if wait_clock_window box "$pid" 20000; then
  log "error box $box shown"
  # The box is a dialog with one button: Return presses it.
  xdotool key --window "$box" Return
else
  check_failed "no window titled \"Tocsimo\" (the error box) appeared"
fi
if wait_exit status "$pid" 10000; then
  [ "$status" = 1 ] || check_failed "exit status $status, not 1"
else
  check_failed "still running 10 s after the error box was answered"
  stop_program "$pid"
fi

problems=$(cat "$trace".* | grep -E '"(/|[^"]*/)?(alarm/|Options\.ini|Alarms\.ini)' || true)
[ -z "$problems" ] || check_failed "touched the program's files:"$'\n'"$problems"
problems=$(cat "$trace".* | grep -E 'O_WRONLY|O_RDWR|O_CREAT|^(creat|rename|unlink|mkdir|truncate)' |
  grep -vE '"/(tmp|dev|proc|run)/|/\.cache/|/\.local/share/|/\.X|fontconfig' || true)
[ -z "$problems" ] || check_failed "wrote files:"$'\n'"$problems"
[ "$(folder_state "$folder")" = "$before" ] || check_failed "the program folder changed"

e2e_finish
