#!/usr/bin/env bash
# The manager, the editor (and its file dialog) and the About box beside the
# clock and the tray icon: each opens in the middle of the screen, wherever
# the clock is; while one is open the tray icon's menu opens; minimised by
# the window manager (openbox takes the clock down with it), it comes back
# with the clock.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
poll 10000 tray_icon_of "$pid" >/dev/null || fatal "no icon in the notification area"
icon=$(tray_icon_of "$pid")
# Off the middle, so a dialog placed over the clock shows.
xdotool windowmove "$clock" 0 40
poll 5000 eval '[ "$(window_xy "$clock")" = "0 40" ]' || check_failed "the clock could not be moved aside"
read -r ax ay aw ah _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
screen_middle="$((ax + aw / 2)) $((ay + ah / 2))"

# The middle of a window's frame (_NET_FRAME_EXTENTS: left, right, top, bottom).
frame_middle() {
  local e x y w h
  read -r -a e < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r x y < <(window_xy "$1")
  read -r w h < <(xwininfo -id "$1" | awk '/Width/ { w = $2 } /Height/ { h = $2 } END { print w, h }')
  echo "$((x - e[0] + (w + e[0] + e[1]) / 2)) $((y - e[2] + (h + e[2] + e[3]) / 2))"
}

last_click=0
tray_answers() {
  # A second press within Qt's double-click time (400 ms) opens no menu.
  poll 1000 eval '[ $(($(now_ms) - last_click)) -gt 500 ]'
  right_click "$icon" 11 11
  last_click=$(now_ms)
  poll 5000 popup_of "$pid" >/dev/null || { check_failed "$1: the tray icon's menu did not open"; return; }
  xdotool key Escape
  poll 5000 eval '! popup_of "$pid" >/dev/null'
}

# The window manager minimises the window and it comes back: its state is
# set twice (to Iconic, then to Normal again; xprop may read both as Normal,
# as they can come quickly) and is Normal in the end.
minimised_and_back() {
  local log=$E2E_TMP/wm_state.$1 spy back
  : >"$log"
  start_program spy "$E2E_TMP" sh -c 'exec xprop -spy -id "$1" WM_STATE >"$2"' sh "$1" "$log"
  poll 5000 grep -q 'window state' "$log"
  xdotool windowminimize "$1"
  poll 5000 eval '[ "$(grep -c "window state" "$log")" -ge 3 ] && grep "window state" "$log" | tail -1 | grep -q Normal'
  back=$?
  stop_program "$spy"
  return $back
}

# opened NAME WINDOW: checks a dialog just opened.
opened() {
  local w=$2
  poll 5000 eval 'xprop -id "$w" _NET_FRAME_EXTENTS | grep -q ='
  near "$(frame_middle "$w")" "$screen_middle" 2 ||
    check_failed "the $1's middle is at $(frame_middle "$w"), the screen's at $screen_middle"
  tray_answers "with the $1 open"
  minimised_and_back "$w" && mapped "$clock" || check_failed "minimised, the $1 did not come back with the clock"
}

right_click "$clock"
menu_choose "$pid" Down Down Return
poll 10000 manager_of "$pid" >/dev/null || fatal "\"Alarms\" showed no manager"
manager=$(manager_of "$pid")
opened manager "$manager"
xdotool windowactivate --sync "$manager" mousemove --window "$manager" 124 310 click 1   # "Add"
poll 10000 named_window_of "$pid" "Alarm properties" >/dev/null || fatal "\"Add\" showed no editor"
editor=$(named_window_of "$pid" "Alarm properties")
opened editor "$editor"
xdotool windowactivate --sync "$editor" mousemove --window "$editor" 275 179 click 1   # the sound file
poll 10000 named_window_of "$pid" Open >/dev/null || fatal "the editor's open button showed no file dialog"
tray_answers "with the file dialog open"
close_window_by_wm "$(named_window_of "$pid" Open)"
xdotool windowactivate --sync "$editor" key alt+F4
close_window_by_wm "$manager"
poll 5000 eval '! manager_of "$pid" >/dev/null' || fatal "the close box left the manager open"

right_click "$clock"
menu_choose "$pid" Down Down Down Down Return
poll 10000 named_window_of "$pid" About >/dev/null || fatal "\"About\" showed no About box"
opened "About box" "$(named_window_of "$pid" About)"

stop_program "$pid"
e2e_finish
