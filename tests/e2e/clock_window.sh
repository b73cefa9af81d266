#!/usr/bin/env bash
# The clock as a user meets it: centred at start, dragged by its face with the
# left button (the right button opens the menu and moves nothing), and every
# item of its menu (a quick click moves nothing): "Send to tray" and back (to where it was dragged), "About",
# "Help" and F1 (the help file's first page, and a link inside it), "Alarms"
# and "Options" (the manager on that page), "Exit" (the program ends and
# writes the skin setting).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/clock_lib.sh"

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
clock_options "$folder" 0
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
log "clock window $clock"

# Centred on the screen (1024 x 768), give or take the notification area's strip.
read -r w h < <(xwininfo -id "$clock" | awk '/Width/ { w = $2 } /Height/ { h = $2 } END { print w, h }')
start_xy=$(window_xy "$clock")
near "$start_xy" "$(((1024 - w) / 2)) $(((768 - h) / 2))" 16 || check_failed "the clock starts at $start_xy, not centred"

# ---- dragging ----
# The window manager takes over the move a moment after the press: the
# pointer goes on to its goal only once the window follows it.
read -r sx sy <<<"$start_xy"
dragged_to="$((sx + 120)) $((sy + 80))"
xdotool mousemove "$((sx + 20))" "$((sy + 10))" mousedown 1
for ((i = 1; i <= 50; i++)); do
  xdotool mousemove "$((sx + 20 + i))" "$((sy + 10 + i))"
  poll 100 eval '[ "$(window_xy "$clock")" != "$start_xy" ]' && break
done
xdotool mousemove "$((sx + 140))" "$((sy + 90))"
poll 5000 eval 'near "$(window_xy "$clock")" "$dragged_to" 3'
xdotool mouseup 1
poll 5000 eval 'near "$(window_xy "$clock")" "$dragged_to" 3' ||
  check_failed "dragged by 120,80 from $start_xy, the clock is at $(window_xy "$clock")"
moved_xy=$(window_xy "$clock")

# The right button: the menu, and no move.
# The menu opens on the press; the motion and the release go to it.
xdotool mousemove --window "$clock" 20 10 mousedown 3
poll 5000 popup_of "$pid" >/dev/null || check_failed "the right button opened no menu"
xdotool mousemove_relative -- 60 40 mouseup 3
xdotool key Escape
poll 5000 eval '! popup_of "$pid" >/dev/null' || check_failed "Escape left the menu open"
[ "$(window_xy "$clock")" = "$moved_xy" ] || check_failed "the right button moved the clock to $(window_xy "$clock")"

# ---- a quick click is no drag ----
# A tap (xdotool holds the button 12 ms) leaves the clock where it is when
# the pointer moves on, and the keyboard working: F1 opens the help.
xdotool mousemove --window "$clock" 60 15 click 1
xdotool mousemove_relative -- 150 100
xdotool key F1
if poll 10000 named_window_of "$pid" "Tocsimo Help" >/dev/null; then
  close_window_by_wm "$(named_window_of "$pid" "Tocsimo Help")"
  poll 5000 eval '! named_window_of "$pid" "Tocsimo Help" >/dev/null'
else
  check_failed "after a click on the clock, F1 opened no help"
fi
[ "$(window_xy "$clock")" = "$moved_xy" ] || check_failed "after a click, the clock followed the pointer to $(window_xy "$clock")"
xdotool key Escape

# ---- "Send to tray", then "Restore" from the same menu on the tray icon ----
right_click "$clock"
menu_choose "$pid" Down Return
poll 5000 unmapped "$clock" || check_failed "\"Send to tray\" left the clock shown"
poll 10000 tray_icon_of "$pid" >/dev/null || fatal "no tray icon"
right_click "$(tray_icon_of "$pid")" 11 11
menu_choose "$pid" Down Return
poll 5000 mapped "$clock" || check_failed "\"Restore\" did not show the clock"
[ "$(window_xy "$clock")" = "$moved_xy" ] || check_failed "restored at $(window_xy "$clock"), not where it was dragged ($moved_xy)"

# ---- "About" ----
right_click "$clock"
menu_choose "$pid" Down Down Down Down Return
poll 10000 named_window_of "$pid" About >/dev/null || check_failed "\"About\" showed no About box"
if about=$(named_window_of "$pid" About); then
  xdotool windowactivate --sync "$about" key Return
  poll 5000 eval '! named_window_of "$pid" About >/dev/null' || check_failed "OK left the About box open"
fi

# ---- "Help", a link in it, and F1 ----
right_click "$clock"
menu_choose "$pid" Down Down Down Down Down Return
if poll 10000 named_window_of "$pid" "Tocsimo Help" >/dev/null; then
  help=$(named_window_of "$pid" "Tocsimo Help")
  owned_by "$help" "$clock" || check_failed "the help window is not kept above the clock"
  xdotool windowactivate --sync "$help" key --delay 100 Tab Return
  poll 5000 eval '[ "$(xdotool getwindowname "$help")" = "The clock, its menu and the tray icon" ]' ||
    check_failed "following the first link shows \"$(xdotool getwindowname "$help")\""
  close_window_by_wm "$help"
  poll 5000 unmapped "$help" || check_failed "the help window did not close"
else
  check_failed "\"Help\" showed no window titled \"Tocsimo Help\""
fi
xdotool windowactivate --sync "$clock" key F1
poll 10000 named_window_of "$pid" "Tocsimo Help" >/dev/null || check_failed "F1 on the clock showed no help"
help=$(named_window_of "$pid" "Tocsimo Help") && close_window_by_wm "$help"

# ---- "Alarms" and "Options": the manager, modal, on that page ----
for item in Alarms Options; do
  keys=(Down Down)
  [ "$item" = Options ] && keys+=(Down)
  right_click "$clock"
  menu_choose "$pid" "${keys[@]}" Return
  if poll 10000 manager_of "$pid" >/dev/null; then
    manager=$(manager_of "$pid")
    owned_by "$manager" "$clock" || check_failed "the manager opened by \"$item\" is not kept above the clock"
    import -window "$manager" "$E2E_TMP/$item.png" 2>/dev/null
    close_window_by_wm "$manager"
    poll 5000 eval '! manager_of "$pid" >/dev/null' || check_failed "the manager opened by \"$item\" did not close"
  else
    check_failed "\"$item\" showed no alarm manager"
  fi
done

# ---- "Exit" ----
right_click "$clock"
menu_choose "$pid" Up Return
wait_exit status "$pid" 10000 || fatal "\"Exit\" did not end the program"
[ "$status" = 0 ] || check_failed "the program ended with status $status"
[ "$(cat "$folder/skinname.ini" 2>/dev/null)" = $'[Skin Name]\r\nSkin Name=Small\r' ] ||
  check_failed "skinname.ini holds: $(od -c "$folder/skinname.ini" 2>&1 | head -3)"

e2e_finish
