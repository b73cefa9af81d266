#!/usr/bin/env bash
# The release archive: named after the version and the machine, it holds one
# folder with the program folder (without the build's own alarms and
# options), the install note and the run-time package list. Unpacked into a
# folder with a blank in its name, the program starts from there and an
# alarm written into its folder goes off: its window shows and its sound
# plays.
# Run inside scripts/x11-session --sound.
#
# With RELEASE_ROOT set to the root folder of another system (a chroot
# holding only the run-time packages, see release_chroot.sh), the archive is
# unpacked there and the program runs there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
source "$(dirname "$0")/install_lib.sh"
need_null_sink

root=${RELEASE_ROOT:-}
# A path as the program sees it.
inside() { printf '%s' "${1#"$root"}"; }

src=$E2E_TMP/build/Tocsimo
make_source_folder "$src"
"$E2E_ROOT/scripts/release" --from "$src" "$E2E_TMP/out" >"$E2E_TMP/out.log" 2>&1 ||
  fatal "scripts/release failed: $(cat "$E2E_TMP/out.log")"
version=$(sed -n 's/^project(Tocsimo VERSION \([0-9.]*\).*/\1/p' "$E2E_ROOT/CMakeLists.txt")
name=Tocsimo-$version-linux-x86_64
archive=$E2E_TMP/out/$name.tar.gz
[ -f "$archive" ] || fatal "no $name.tar.gz: $(ls "$E2E_TMP/out")"

unpack="${root:-$E2E_TMP}/opt/my apps"
rm -rf "$unpack"
mkdir -p "$unpack"
tar -C "$unpack" -xzf "$archive" || fatal "the archive does not unpack"
[ "$(ls -A "$unpack")" = "$name" ] || check_failed "the archive does not hold one folder $name: $(ls -A "$unpack")"
top=$unpack/$name
[ "$(cd "$top" && ls -A | tr '\n' ' ')" = "INSTALL.txt Tocsimo runtime-packages.txt " ] ||
  check_failed "the archive's folder holds: $(cd "$top" && ls -A | tr '\n' ' ')"
folder=$top/Tocsimo
# The executable and the engine are packed without debugging symbols: their
# bytes differ from the build's, and running them below shows they work.
same_but_binaries() { grep -vE '  \./(tocsimo|lib/tocsimo-audio)$'; }
expected=$(program_part "$src" | same_but_binaries)
packed=$(content_listing "$folder" "${E2E_USER_ENTRIES[@]}" | same_but_binaries)
[ "$packed" = "$expected" ] ||
  check_failed "the archive's program folder differs from the build:"$'\n'"$(diff <(echo "$expected") <(echo "$packed"))"
[ -d "$folder/alarm" ] && [ -z "$(ls -A "$folder/alarm")" ] || check_failed "the archive's alarm/ is not an empty folder"
for f in Options.ini skinname.ini; do
  [ -e "$folder/$f" ] && check_failed "the build's $f is in the archive"
done
cmp -s "$top/runtime-packages.txt" "$E2E_ROOT/dist/runtime-packages" ||
  check_failed "runtime-packages.txt is not the package list of scripts/deps run"
grep -q "Tocsimo $version" "$top/INSTALL.txt" || check_failed "INSTALL.txt does not name the version"

# ---- an alarm goes off ---------------------------------------------------------
sound="$unpack/alarm tone.mp3"
make_tone_mp3 "$sound" || fatal "could not make an mp3 with gst-launch-1.0 (scripts/deps test)"
# No repeat, the clock shown, no chimes.
write_options "$folder" 0 0 0

# (Not "folder": alarm_start has a local of that name, holding the inside path.)
unpacked=$folder
write_alarms() {
  local h m s y mo d
  read -r h m s y mo d < <(local_parts "$1")
  write_alarm "$unpacked" 1 Once "$y" "$mo" "$d" "$h" "$m" "$s" "$(inside "$sound")"
  write_message "$unpacked" 1 "Unpacked and ringing"
  write_index "$unpacked" 1
}

alarm_record_start
[ -n "$root" ] && ALARM_WRAPPER=(chroot "$root")
alarm_start pid T "$(inside "$folder")" write_alarms
T_US=$((T * 1000000))
[ "/proc/$pid/exe" -ef "$folder/tocsimo" ] || check_failed "the program running is not the unpacked one"
[ -z "$root" ] || [ "/proc/$pid/root" -ef "$root" ] || check_failed "the program does not run inside $root"
if alarm_wait_shown win "$pid" $(((T + 5) * 1000)); then
  log "the \"Alarm\" window showed"
else
  check_failed "no \"Alarm\" window within 5 s of the alarm's second"
fi
# More than checked below: the live count dates less surely.
poll 10000 alarm_heard_since "$T_US" 8
alarm_record_stop
loud=$(alarm_loud_blocks "$T_US" "$ALARM_REC_END_US")
log "$loud blocks of 50 ms with sound after the alarm's second"
[ "$loud" -ge 4 ] || check_failed "the alarm's sound did not play ($loud blocks of 50 ms with sound)"

[ -n "${win:-}" ] && alarm_click_close "$win"
[ -n "${win:-}" ] && { alarm_wait_hidden "$win" 10000 || check_failed "\"Close\" left the \"Alarm\" window up"; }
clock=$(clock_window_of "$pid") || fatal "the clock window is gone"
close_window_by_wm "$clock"
wait_exit status "$pid" 10000 || fatal "the program did not end when its clock was closed"
[ "$status" = 0 ] || check_failed "exit status $status after closing the clock"

e2e_finish
