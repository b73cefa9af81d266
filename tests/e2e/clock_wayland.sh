#!/usr/bin/env bash
# The clock as a native Wayland client (a Wayland desktop without XWayland),
# under a headless weston: the face shows with its outside see-through (its
# corners show the desktop, not the skin's key colour), nothing is printed, and a
# status-notifier panel's clicks hide and show it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/clock_lib.sh"

command -v weston >/dev/null || fatal "weston is missing (install the test packages: scripts/deps test)"
panel=(/usr/bin/python3 "$(cd "$(dirname "$0")" && pwd)/sni_panel.py")
desktop='#3A7D44'
runtime=$E2E_TMP/runtime
mkdir -m 700 "$runtime"
cat >"$E2E_TMP/weston.ini" <<EOF
[core]
xwayland=false
[shell]
background-color=0xff${desktop#\#}
panel-position=none
EOF
# --debug lets weston-screenshooter take pictures of the screen.
start_program weston_pid "$E2E_TMP" env -u DISPLAY XDG_RUNTIME_DIR="$runtime" weston --config="$E2E_TMP/weston.ini" \
  --backend=headless-backend.so --use-pixman --debug --width=640 --height=480 --socket=wayland-tocsimo \
  --log="$E2E_TMP/weston.log"
poll 10000 test -S "$runtime/wayland-tocsimo" || fatal "weston did not start"
wayland=(env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-tocsimo XDG_SESSION_TYPE=wayland)

# shoot: a picture of the screen in $E2E_TMP/screen.png.
shoot() {
  rm -f "$E2E_TMP"/wayland-screenshot*.png
  (cd "$E2E_TMP" && "${wayland[@]}" weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$E2E_TMP"/wayland-screenshot*.png "$E2E_TMP/screen.png"
}
# The box around all that is not the desktop, "W H X Y", or nothing.
face_box() {
  local box
  box=$(convert "$E2E_TMP/screen.png" -bordercolor "$desktop" -border 1 -format '%@' info: 2>/dev/null) || return 1
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  # A screen of the desktop alone has no box, or all of it.
  [ "${BASH_REMATCH[1]}" -gt 0 ] && [ "${BASH_REMATCH[1]}" -lt 640 ] || return 1
  echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]} $((BASH_REMATCH[3] - 1)) $((BASH_REMATCH[4] - 1))"
}
face_shown() { shoot && [ -n "$(face_box)" ]; }
face_gone() { shoot && [ -z "$(face_box)" ]; }
pixel() { convert "$E2E_TMP/screen.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
start_panel() {
  start_program panel_pid "$E2E_TMP" "${panel[@]}" serve
  poll 10000 eval '"${panel[@]}" items >/dev/null 2>&1' || fatal "the panel did not start"
}
start_panel
start_program pid "$E2E_TMP" "${wayland[@]}" sh -c 'exec "$0" 2>"$1"' "$folder/tocsimo" "$E2E_TMP/stderr"
poll 20000 face_shown || fatal "the clock did not show"
read -r w h x y < <(face_box)
size=$(identify -format '%w %h' "$folder/Small/Background.bmp")
[ "$w $h" = "$size" ] || check_failed "the face is $w x $h on the screen, its background $size"
for corner in "$x $y" "$((x + w - 1)) $y" "$x $((y + h - 1))" "$((x + w - 1)) $((y + h - 1))"; do
  # shellcheck disable=SC2086
  [ "$(pixel $corner)" = "${desktop#\#}" ] || check_failed "the corner at $corner shows $(pixel $corner), not the desktop"
done
cp "$E2E_TMP/screen.png" "${X11_SESSION_DIR:-$E2E_TMP}/clock_wayland.png"

# The panel's clicks hide the clock and bring it back.
poll 10000 eval '[ -n "$("${panel[@]}" items 2>/dev/null)" ]' || check_failed "the icon did not register with the panel"
"${panel[@]}" activate
poll 10000 face_gone || check_failed "a click on the icon left the clock shown"
"${panel[@]}" activate
poll 10000 face_shown || check_failed "a second click on the icon did not bring the clock back"

[ -s "$E2E_TMP/stderr" ] && check_failed "the program printed: $(cat "$E2E_TMP/stderr")"
stop_program "$pid"
e2e_finish
