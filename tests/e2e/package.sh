#!/usr/bin/env bash
# The Debian package: scripts/package makes it from a built program folder
# (with the developer's own alarms in it, which must not travel) and lintian
# passes it; its control fields and contents are what apt and the desktop
# need. Unpacked, with its program folder read-only as /usr/lib is to a user,
# the program started through its /usr/bin link makes the user's private data
# folder in XDG_DATA_HOME, keeps its files there, and an alarm written there
# goes off.
# Run inside scripts/x11-session.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/install_lib.sh"

src=$E2E_TMP/build/Tocsimo
make_source_folder "$src"
"$E2E_ROOT/scripts/package" --from "$src" "$E2E_TMP/out" >"$E2E_TMP/out.log" 2>&1 ||
  fatal "scripts/package failed: $(cat "$E2E_TMP/out.log")"
version=$(sed -n 's/^project(Tocsimo VERSION \([0-9.]*\).*/\1/p' "$E2E_ROOT/CMakeLists.txt")
deb=$E2E_TMP/out/tocsimo_$version-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fatal "no $(basename "$deb"): $(ls "$E2E_TMP/out")"

# ---- control fields ----
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version)" = "tocsimo $version-1" ] ||
  check_failed "package and version are '$(field Package) $(field Version)'"
depends=", $(field Depends),"
mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$E2E_ROOT/dist/runtime-packages")
# libgstreamer1.0-0 only comes from the binaries' own links.
for p in "${wanted[@]}" libgstreamer1.0-0; do
  [[ $depends =~ ,\ $p[\ ,] ]] || check_failed "Depends lacks $p: $depends"
done

# ---- contents ----
root=$E2E_TMP/root
dpkg-deb -x "$deb" "$root" || fatal "the package does not unpack"
lib=$root/usr/lib/tocsimo
[ "$(readlink "$root/usr/bin/tocsimo")" = ../lib/tocsimo/tocsimo ] ||
  check_failed "/usr/bin/tocsimo is not a link to ../lib/tocsimo/tocsimo"
names() { (cd "$1" && find . -mindepth 1 "${@:2}" -printf '%P\t%y\n' | LC_ALL=C sort); }
skip=()
for n in "${E2E_USER_ENTRIES[@]}"; do skip+=(-path "./$n" -prune -o); done
diff <(names "$src" "${skip[@]}") <(names "$lib") >"$E2E_TMP/diff" ||
  check_failed "/usr/lib/tocsimo is not the program folder without the user's files: $(cat "$E2E_TMP/diff")"
shared=(applications/tocsimo.desktop metainfo/org.tocsimo.tocsimo.metainfo.xml man/man1/tocsimo.1.gz doc/tocsimo/copyright)
for n in "${E2E_SIZES[@]}"; do shared+=("icons/hicolor/${n}x$n/apps/tocsimo.png"); done
for f in "${shared[@]}"; do
  [ -f "$root/usr/share/$f" ] || check_failed "the package has no /usr/share/$f"
done

# ---- a user of the read-only program folder ----
home=$E2E_TMP/home
data=$home/data/Tocsimo
mkdir -p "$home"
if [ "$(id -u)" = 0 ]; then
  # Root writes anywhere: the program runs as nobody, as any user runs a
  # package, with a home of its own (and its single-instance guard there).
  chmod 755 "$E2E_TMP"
  chown 65534:65534 "$home"
  ALARM_WRAPPER=(setpriv --reuid=65534 --regid=65534 --clear-groups
    env -u XDG_RUNTIME_DIR -u DBUS_SESSION_BUS_ADDRESS HOME="$home" XDG_DATA_HOME="$home/data")
else
  chmod -R a-w "$lib"
  ALARM_WRAPPER=(env XDG_DATA_HOME="$home/data")
fi

# A first start with nothing of the user's: the clock hides in the tray, as
# the default options ask, and the folder appears.
start_program pid "$E2E_TMP" "${ALARM_WRAPPER[@]}" "$root/usr/bin/tocsimo"
poll 30000 test -d "$data/alarm" || fatal "the packaged program made no $data/alarm"
for d in "$data" "$data/alarm"; do
  [ "$(stat -c %a "$d")" = 700 ] || check_failed "$d has mode $(stat -c %a "$d"), not 700"
done
stop_program "$pid"

write_options "$data" 0 0 0
write_alarms() {
  local h m s y mo d
  read -r h m s y mo d < <(local_parts "$1")
  write_alarm "$data" 1 Daily 2027 3 1 "$h" "$m" "$s" ""
  write_message "$data" 1 "Packaged alarm"
  write_index "$data" 1
}
alarm_start pid T "$root/usr/bin" write_alarms
if alarm_wait_shown win "$pid" $((T * 1000 + 3000)); then
  alarm_click_close "$win"
  alarm_wait_hidden "$win" 3000 || check_failed "the \"Alarm\" window is still shown after \"Close\""
else
  check_failed "the alarm in $data did not go off within 3 s of its second"
fi
# Ending, the program writes its skin setting: into the user's folder.
wait_clock_window clock "$pid" || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || check_failed "the program did not end when its clock was closed"
[ -f "$data/skinname.ini" ] || check_failed "no skinname.ini in $data"

leftovers=$(cd "$lib" && ls -d "${E2E_USER_ENTRIES[@]}" 2>/dev/null)
[ -z "$leftovers" ] || check_failed "user files in the program folder: $leftovers"
e2e_finish
