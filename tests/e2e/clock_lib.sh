# shellcheck shell=bash
# Steps shared by the clock's end-to-end tests, on top of lib.sh (source lib.sh
# first): where a window is, whether it is mapped, the tray icon, and the
# clock's popup menu, driven with the keyboard as a user could.

# clock_options FOLDER AUTOHIDE: the options file, 12-hour time, chimes off.
clock_options() {
  crlf_lines "[General]" "AutoRun=0" "AutoHide=$2" "AMPM=1" "[Chimes]" "EnableChimes=0" >"$1/Options.ini"
}

mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
unmapped() { ! mapped "$1"; }

# window_xy WINDOW: "X Y" of its top-left corner on the screen.
window_xy() { xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }'; }

# near "X1 Y1" "X2 Y2" TOLERANCE: both coordinates within the tolerance.
near() {
  local a=($1) b=($2)
  local dx=$((a[0] - b[0])) dy=$((a[1] - b[1]))
  [ "${dx#-}" -le "$3" ] && [ "${dy#-}" -le "$3" ]
}

# A window set into another program's window (as the tray icon is into the
# notification area's), rather than a top-level window of the screen.
embedded() { ! xwininfo -tree -id "$1" 2>/dev/null | grep -q 'Parent window id: .*(the root window)'; }

# owned_by WINDOW OWNER: WINDOW is transient for OWNER, so the window manager
# keeps it above OWNER (the manager above the always-on-top clock).
owned_by() {
  local owner
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # //p')
  [ -n "$owner" ] && [ $((owner)) -eq $(($2)) ]
}

# tray_icon_of PID: the window that PID embedded in the notification area.
tray_icon_of() {
  local w
  for w in $(xdotool search --onlyvisible --class '^tocsimo$' 2>/dev/null); do
    embedded "$w" && of_pid "$w" "$1" && { echo "$w"; return 0; }
  done
  return 1
}

# popup_of PID: a mapped popup (menu) window of the program: override-redirect,
# not the tray icon. (Each test runs one copy; a popup may not carry its pid yet.)
popup_of() {
  local w
  for w in $(xdotool search --onlyvisible --class '^tocsimo$' 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
    embedded "$w" && continue
    echo "$w"
    return 0
  done
  return 1
}

# menu_choose PID STEPS...: with the popup menu of PID just opened, waits for
# it and presses the keys (e.g. Down Down Return).
menu_choose() {
  local pid=$1 popup
  shift
  poll 10000 popup_of "$pid" >/dev/null || { check_failed "the popup menu did not open"; return 1; }
  popup=$(popup_of "$pid")
  # Sent to the menu's window itself: the menu takes the keyboard's grab
  # only a moment after it shows.
  xdotool key --window "$popup" --delay 150 "$@"
}

# window_picture WINDOW: a checksum of what the window shows now.
window_picture() { import -window "$1" rgb:- 2>/dev/null | md5sum; }

# right_click WINDOW [X Y]: a right click inside a window (default: its middle).
right_click() {
  local w=$1 x=${2:-} y=${3:-}
  if [ -z "$x" ]; then
    read -r x y < <(xwininfo -id "$w" | awk '/Width/ { x = int($2 / 2) } /Height/ { y = int($2 / 2) } END { print x, y }')
  fi
  xdotool mousemove --window "$w" "$x" "$y" click 3
}

# manager_of PID: PID's alarm manager, mapped (titled "Tocsimo" like the
# clock, told apart by its size).
manager_of() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Tocsimo$' 2>/dev/null); do
    of_pid "$w" "$1" || continue
    xwininfo -id "$w" | grep -q 'Width: 414' && { echo "$w"; return 0; }
  done
  return 1
}
