#!/usr/bin/env bash
# The tray icon on a status-notifier desktop (KDE, GNOME's AppIndicator,
# waybar...), with a panel of the test's own on the session bus and no X
# system tray: the icon registers with its title, tooltip and pictures; the
# panel's menu holds the clock menu's items and runs them; a click on the icon
# hides the clock and another brings it back where it was. The panel going
# away with the clock hidden brings the clock back; the panel coming back gets
# the icon again. A panel that starts after the program still gets the icon,
# and "Auto hide" waits for it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/clock_lib.sh"

panel=(/usr/bin/python3 "$(cd "$(dirname "$0")" && pwd)/sni_panel.py")
folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"

# start_panel [--no-host]: the panel's watcher, ready once it answers.
start_panel() {
  start_program panel_pid "$E2E_TMP" "${panel[@]}" serve "$@"
  poll 10000 eval '"${panel[@]}" items >/dev/null 2>&1' || fatal "the panel did not start"
}
registered() { [ -n "$("${panel[@]}" items 2>/dev/null)" ]; }
menu_is() { [ "$("${panel[@]}" menu | paste -sd '|')" = "$1" ]; }

# ---- the panel first ----
start_panel
clock_options "$folder" 0
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
poll 10000 registered || fatal "the icon did not register with the panel"
item=$("${panel[@]}" item)
for want in "Title=Tocsimo" "ToolTip=Tocsimo" "Menu=/MenuBar"; do
  grep -qx "$want" <<<"$item" || check_failed "the item's $want is missing: $item"
done
grep -q '^IconSizes=.*16x16.*32x32' <<<"$item" || check_failed "the item has not the program's pictures: $item"
full='Send to tray|-|Alarms|Options|-|About|Help|-|Exit'
menu_is "$full" || check_failed "the panel's menu is $("${panel[@]}" menu | paste -sd '|')"

# The clock's own menu still opens on the clock.
right_click "$clock"
poll 5000 popup_of "$pid" >/dev/null || check_failed "a right click on the clock opened no menu"
xdotool key Escape
poll 5000 eval '! popup_of "$pid" >/dev/null' || check_failed "Escape left the clock's menu open"

# A panel that draws no menu of its own asks for ours: its call has its
# answer while the menu is open.
"${panel[@]}" context || check_failed "the panel's call for the menu got no answer"
poll 5000 popup_of "$pid" >/dev/null || check_failed "the panel's call for the menu opened none"
xdotool key Escape
poll 5000 eval '! popup_of "$pid" >/dev/null' || check_failed "Escape left the menu open"

at=$(window_xy "$clock")
"${panel[@]}" activate || check_failed "Activate failed"
poll 5000 unmapped "$clock" || check_failed "a click on the icon left the clock shown"
menu_is "${full/Send to tray/Restore}" || check_failed "hidden, the menu's first item does not read \"Restore\""
"${panel[@]}" activate
poll 5000 mapped "$clock" || check_failed "a second click on the icon did not bring the clock back"
[ "$(window_xy "$clock")" = "$at" ] || check_failed "the clock came back at $(window_xy "$clock"), not at $at"

"${panel[@]}" click "Send to tray" || check_failed "\"Send to tray\" from the panel's menu failed"
poll 5000 unmapped "$clock" || check_failed "\"Send to tray\" from the panel's menu left the clock shown"
"${panel[@]}" click "Restore"
poll 5000 mapped "$clock" || check_failed "\"Restore\" from the panel's menu did not show the clock"

# The manager is modal: the panel's call has its answer all the same.
"${panel[@]}" click "Alarms" || check_failed "the panel's call for \"Alarms\" got no answer"
poll 10000 manager_of "$pid" >/dev/null || check_failed "\"Alarms\" from the panel's menu opened no manager"
manager=$(manager_of "$pid") && close_window_by_wm "$manager"
poll 5000 eval '! manager_of "$pid" >/dev/null' || check_failed "the manager did not close"

# The panel ends with the clock hidden: the clock comes back where it was.
"${panel[@]}" activate
poll 5000 unmapped "$clock" || check_failed "a click on the icon left the clock shown"
stop_program "$panel_pid"
poll 5000 mapped "$clock" || check_failed "the panel went away and the clock stayed hidden"
[ "$(window_xy "$clock")" = "$at" ] || check_failed "the clock came back at $(window_xy "$clock"), not at $at"
# The panel again: the icon is registered anew and works.
start_panel
poll 10000 registered || check_failed "the icon did not come back to a restarted panel"
"${panel[@]}" activate
poll 5000 unmapped "$clock" || check_failed "a click on the icon in the restarted panel left the clock shown"

"${panel[@]}" click "Exit"
wait_exit status "$pid" 10000 || fatal "\"Exit\" from the panel's menu did not end the program"
[ "$status" = 0 ] || check_failed "the program ended with status $status"
poll 5000 eval '! registered' || check_failed "the icon outlived the program"
stop_program "$panel_pid"

# ---- the program first, with "Auto hide" on ----
clock_options "$folder" 1
start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
# A watcher without a host is no tray yet; its host registers a moment later.
start_panel --no-host
kill -USR1 "$panel_pid"
poll 10000 registered || check_failed "the icon did not register with a panel that started after the program"
poll 5000 unmapped "$clock" || check_failed "with \"Auto hide\" on, the clock stayed shown once the panel was there"
"${panel[@]}" activate
poll 5000 mapped "$clock" || check_failed "a click on the icon did not bring the clock back"
stop_program "$pid"

e2e_finish
