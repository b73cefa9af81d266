#!/usr/bin/env bash
# One copy of the program at a time: a copy started while another runs ends
# at once with status 0 without mapping any window and brings the running
# copy's clock to the front; copies started together leave exactly one.
source "$(dirname "$0")/lib.sh"

folder="$E2E_TMP/Tocsimo"
make_program_folder "$folder"
write_alarm "$folder" 1 Daily 2027 3 1 7 0 0 ""
write_message "$folder" 1 "Wake up"
write_index "$folder" 1

active_window() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p' | xargs printf '%d\n' 2>/dev/null; }
visible_count() { visible_clock_windows | wc -l; }

start_x_watcher

# The watcher must see a window that maps, or its silence below proves nothing.
x_mark || fatal "mark"
from=$E2E_MARK
start_program other "$E2E_TMP" env LC_ALL=C xmessage -geometry +300+300 "another program"
poll 10000 xdotool search --onlyvisible --name '^xmessage$' >/dev/null || fatal "xmessage did not show"
other_win=$(xdotool search --onlyvisible --name '^xmessage$' | head -n 1)
x_mark || fatal "mark"
[ -n "$(x_reparented_between "$from" "$E2E_MARK")" ] ||
  fatal "the X event watcher did not see xmessage's window being mapped"

# ---- a second copy while the first runs ----
start_program first "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$first" 20000 || fatal "the first copy mapped no clock window"
log "first copy $first, clock window $clock"

for attempt in 1 2; do
  # Another program has the focus, so the raise can be seen.
  xdotool windowactivate --sync "$other_win" 2>/dev/null
  poll 2000 eval '[ "$(active_window)" = "$other_win" ]' || fatal "could not focus xmessage"

  x_mark || fatal "mark"
  from=$E2E_MARK
  start=$(now_ms)
  start_program second "$E2E_TMP" "$folder/tocsimo"
  if ! wait_exit status "$second" 5000; then
    check_failed "attempt $attempt: the second copy still runs after 5 s"
    stop_program "$second"
    continue
  fi
  took=$(($(now_ms) - start))
  log "attempt $attempt: the second copy ended after $took ms with status $status"
  [ "$status" = 0 ] || check_failed "attempt $attempt: the second copy ended with status $status"
  [ "$took" -le 1000 ] || check_failed "attempt $attempt: the second copy took $took ms to end (more than a second)"
  x_mark || fatal "mark"
  mapped=$(x_reparented_between "$from" "$E2E_MARK")
  [ -z "$mapped" ] || check_failed "attempt $attempt: windows were mapped while the second copy ran: $mapped"

  running "$first" || fatal "the first copy ended when the second started"
  [ "$(visible_clock_windows)" = "$clock" ] ||
    check_failed "attempt $attempt: visible clock windows are now: $(visible_clock_windows | tr '\n' ' ')"
  poll 3000 eval '[ "$(active_window)" = "$clock" ]' ||
    check_failed "attempt $attempt: the first copy's clock was not brought to the front (active window $(active_window))"
done

stop_program "$other"
close_window_by_wm "$clock"
wait_exit status "$first" 10000 || fatal "the first copy did not end when its clock was closed"

# ---- three copies at once ----
for round in 1 2 3; do
  x_mark || fatal "mark"
  from=$E2E_MARK
  copies=()
  for _ in 1 2 3; do
    start_program pid "$E2E_TMP" "$folder/tocsimo"
    copies+=("$pid")
  done
  # Two end, one stays.
  count_running() { local p n=0; for p in "${copies[@]}"; do running "$p" && n=$((n + 1)); done; [ "$n" -le 1 ]; }
  poll 10000 count_running || check_failed "round $round: more than one copy still runs after 10 s"
  survivor=
  for p in "${copies[@]}"; do
    if running "$p"; then
      [ -z "$survivor" ] && survivor=$p
    else
      wait "$p"
      status=$?
      [ "$status" = 0 ] || check_failed "round $round: a copy that gave way ended with status $status"
    fi
  done
  if [ -z "$survivor" ]; then
    check_failed "round $round: no copy stayed running"
    continue
  fi
  if ! wait_clock_window win "$survivor" 20000; then
    check_failed "round $round: the remaining copy mapped no clock window"
  else
    x_mark || fatal "mark"
    # Every window taken in meanwhile is still there and belongs to the survivor.
    for w in $(x_reparented_between "$from" "$E2E_MARK"); do
      wpid=$(window_pid "$w")
      [ "$wpid" = "$survivor" ] ||
        check_failed "round $round: window $w was mapped by pid ${wpid:-(gone)}, not by the remaining copy $survivor"
    done
    [ "$(visible_count)" = 1 ] ||
      check_failed "round $round: $(visible_count) visible clock windows instead of one"
    close_window_by_wm "$win"
  fi
  for p in "${copies[@]}"; do
    running "$p" && { wait_exit status "$p" 10000 || stop_program "$p"; }
  done
  log "round $round: copy $survivor stayed"
done

e2e_finish
