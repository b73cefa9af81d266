#!/usr/bin/env bash
# scripts/install and scripts/uninstall in the session's own home folder:
# a first install lays out the program folder (without the build's own
# alarms and options), the menu entry and the icons; the program starts from
# the entry's Exec line. Upgrades keep the user's alarms, options and skin
# setting untouched, replace the rest, refuse while a copy runs that cannot
# be asked to exit, and ask a running copy to exit. Uninstalling removes
# everything of the program and keeps the user's files unless --purge is
# given. A folder whose name needs quoting in a desktop entry works too.
# Run inside scripts/x11-session (whose HOME is private).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/install_lib.sh"

install=$E2E_ROOT/scripts/install
uninstall=$E2E_ROOT/scripts/uninstall
data=$HOME/.local/share
folder=$data/Tocsimo
menu=$data/applications/tocsimo.desktop
autostart=$HOME/.config/autostart/Tocsimo.desktop
[ "$data" = "$XDG_DATA_HOME" ] || fatal "run me inside scripts/x11-session"

v1=$E2E_TMP/v1/Tocsimo
make_source_folder "$v1"
mkdir -p "$v1/Retired skin"
printf 'old\n' >"$v1/Retired skin/Background.bmp"
# The next version: that folder gone, one icon redrawn.
v2=$E2E_TMP/v2/Tocsimo
make_source_folder "$v2"
convert -size 16x16 xc:blue "$v2/icons/tocsimo-16.png" || fatal "convert (imagemagick) failed"

# check_installed LABEL SOURCE: the program folder holds SOURCE's program
# part, and the icons in the user's theme are SOURCE's.
check_installed() {
  local label=$1 src=$2 n icon
  [ "$(program_part "$src")" = "$(content_listing "$folder" "${E2E_USER_ENTRIES[@]}" .install-manifest)" ] ||
    check_failed "$label: the program folder differs from the build:"$'\n'"$(diff <(program_part "$src") \
      <(content_listing "$folder" "${E2E_USER_ENTRIES[@]}" .install-manifest))"
  for n in "${E2E_SIZES[@]}"; do
    icon=$data/icons/hicolor/${n}x$n/apps/tocsimo.png
    cmp -s "$icon" "$src/icons/tocsimo-$n.png" || check_failed "$label: $icon is not the build's icon"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${n}x$n" ] || check_failed "$label: $icon is not $n by $n"
  done
  check_entry "$label: menu entry" "$menu" "$folder/tocsimo"
}

user_files() { folder_state "$folder" | grep -E '^(alarm|Options\.ini|skinname\.ini|\.Options\.ini\.tmp)[/[:space:]]|  \./(alarm/|Options|skinname|\.Options)'; }

# ---- first install --------------------------------------------------------
"$install" --from "$v1" >"$E2E_TMP/out" 2>&1 || fatal "the first install failed: $(cat "$E2E_TMP/out")"
check_installed "first install" "$v1"
[ -d "$folder/alarm" ] && [ -z "$(ls -A "$folder/alarm")" ] || check_failed "first install: alarm/ is not an empty folder"
for f in Options.ini skinname.ini; do
  [ -e "$folder/$f" ] && check_failed "first install: the build's $f was installed"
done
[ "$(entry_value "$menu" Name)" = Tocsimo ] || check_failed "menu entry: Name is not Tocsimo"
[ -n "$(entry_value "$menu" Comment)" ] || check_failed "menu entry: no Comment"
for c in Utility Clock; do
  [[ ";$(entry_value "$menu" Categories)" == *";$c;"* ]] || check_failed "menu entry: not in the category $c"
done
[ "$(entry_value "$menu" Icon)" = tocsimo ] || check_failed "menu entry: Icon is not the installed tocsimo"
[ -e "$autostart" ] && check_failed "the install made an autostart entry for a program never started"

# ---- started from the menu entry -------------------------------------------
# As installed, with nothing added: the clock goes to the tray at once.
start_from_entry pid "$menu"
wait_started "$pid" || fatal "the installed program made no clock window"
[ "/proc/$pid/exe" -ef "$folder/tocsimo" ] || check_failed "the menu entry started $(readlink "/proc/$pid/exe")"
poll 10000 test -e "$autostart" || fatal "the installed program wrote no autostart entry"
check_entry "autostart entry written by the program" "$autostart" "$folder/tocsimo"

# ---- upgrade while it runs ---------------------------------------------------
# The program folder as the installer sees it: the running copy itself notes
# the time it last ran (and so touches the folder) whenever it likes.
program_state() { folder_state "$folder" | grep -v -e 'LastRun\.ini' -e '^	d	'; }
whole=$(program_state)
# Without a display to reach it, the copy cannot be asked to exit.
if env -u DISPLAY "$install" --from "$v2" >"$E2E_TMP/out" 2>&1; then
  check_failed "an install over a running copy it could not ask to exit succeeded"
else
  grep -qF "running from $folder" "$E2E_TMP/out" || check_failed "no word that the program runs: $(cat "$E2E_TMP/out")"
fi
running "$pid" || check_failed "the running copy ended"
[ "$(program_state)" = "$whole" ] || check_failed "the refused install changed the program folder"

# The user's alarms and options, and an interrupted write of the options.
write_alarm "$folder" 1 Daily 2027 3 1 7 0 0 "$HOME/Music/wake up.mp3"
write_message "$folder" 1 "Wake up"
write_index "$folder" 1
crlf_lines "[General]" "AutoRun=1" "AutoHide=1" >"$folder/Options.ini"
printf '[General]\r\nAutoR' >"$folder/.Options.ini.tmp"
touch -d '2020-01-01 12:00:00' "$folder/alarm/"* "$folder/Options.ini"
# An autostart entry left by a copy run from a checkout.
printf '[Desktop Entry]\nType=Application\nName=Tocsimo\nExec="%s"\nHidden=false\n' \
  "$E2E_TMP/checkout/build/Tocsimo/tocsimo" >"$autostart"
before=$(user_files | grep -v skinname)   # the program writes its skin setting as it exits

"$install" --from "$v2" >"$E2E_TMP/out" 2>&1 || check_failed "the install over a running copy failed: $(cat "$E2E_TMP/out")"
running "$pid" && check_failed "the running copy was not asked to exit"
stop_program "$pid"
check_installed "upgrade over a running copy" "$v2"
[ "$(user_files | grep -v skinname)" = "$before" ] ||
  check_failed "upgrade over a running copy: the user's files changed:"$'\n'"$(diff <(echo "$before") <(user_files | grep -v skinname))"
# Autorun is on in the options: the entry runs the installed program.
check_entry "autostart entry after the upgrade" "$autostart" "$folder/tocsimo"
[ "$(entry_value "$autostart" Hidden)" = false ] || check_failed "autostart entry after the upgrade: hidden"

# ---- upgrade with nothing running --------------------------------------------
crlf_lines "[Skin Name]" "Skin Name=Small" >"$folder/skinname.ini"
touch -d '2020-01-01 12:00:00' "$folder/skinname.ini"
before=$(user_files)
"$install" --from "$v1" >"$E2E_TMP/out" 2>&1 || fatal "the upgrade failed: $(cat "$E2E_TMP/out")"
check_installed "upgrade" "$v1"
[ "$(user_files)" = "$before" ] ||
  check_failed "upgrade: the user's files changed:"$'\n'"$(diff <(echo "$before") <(user_files))"

# ---- uninstall ---------------------------------------------------------------
before=$(user_files)
"$uninstall" >"$E2E_TMP/out" 2>&1 || check_failed "uninstall failed: $(cat "$E2E_TMP/out")"
grep -qF "kept in $folder" "$E2E_TMP/out" || check_failed "uninstall did not say where the alarms are: $(cat "$E2E_TMP/out")"
[ "$(user_files)" = "$before" ] || check_failed "uninstall changed the user's files"
left=$(cd "$folder" && ls -A | grep -vxE 'alarm|Options\.ini|skinname\.ini|Snoozed\.ini|LastRun\.ini|\.Options\.ini\.tmp')
[ -z "$left" ] || check_failed "uninstall left program files: $left"
left=$(find "$HOME" -iname '*tocsimo*' ! -path "$folder" ! -path "$folder/*")
[ -z "$left" ] || check_failed "uninstall left: $left"

"$uninstall" --purge >"$E2E_TMP/out" 2>&1 || check_failed "uninstall --purge failed: $(cat "$E2E_TMP/out")"
[ -e "$folder" ] && check_failed "uninstall --purge left $folder"

# ---- a folder whose name needs quoting -------------------------------------
odd="$HOME/my apps/Tocs\$imo \"\`q\` back\\slash 100%"
"$install" --from "$v1" "$odd" >"$E2E_TMP/out" 2>&1 || fatal "the install into '$odd' failed: $(cat "$E2E_TMP/out")"
check_entry "menu entry for '$odd'" "$menu" "$odd/tocsimo"
start_from_entry pid "$menu"
wait_started "$pid" || fatal "the program in '$odd' made no clock window"
# The program writes its own entry: quoted the same way.
poll 10000 test -e "$autostart" || check_failed "the program in '$odd' wrote no autostart entry"
[ "$(entry_value "$autostart" Exec)" = "$(entry_value "$menu" Exec)" ] ||
  check_failed "the install and the program quote '$odd' differently"
# Still running: uninstall asks it to exit.
"$uninstall" --purge "$odd" >"$E2E_TMP/out" 2>&1 || check_failed "uninstall --purge '$odd' failed: $(cat "$E2E_TMP/out")"
running "$pid" && check_failed "uninstall did not ask the running copy to exit"
stop_program "$pid"
left=$(find "$HOME" -iname '*tocsimo*')
[ -z "$left" ] || check_failed "uninstall --purge '$odd' left: $left"

e2e_finish
