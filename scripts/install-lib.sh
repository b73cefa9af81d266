# shellcheck shell=bash
# Shared by scripts/install and scripts/uninstall (sourced, not run).
#
# An installed program folder holds what the build put there, listed in its
# manifest, and the user's own files, which only the program writes. The menu
# entry, the icons and the autostart entry live in the user's XDG folders.

TOCSIMO_SIZES=(16 24 32 48 64 72 96 128)
TOCSIMO_MANIFEST=.install-manifest

data_home=${XDG_DATA_HOME:-$HOME/.local/share}
config_home=${XDG_CONFIG_HOME:-$HOME/.config}
menu_entry=$data_home/applications/tocsimo.desktop
icon_theme=$data_home/icons/hicolor
autostart_entry=$config_home/autostart/Tocsimo.desktop

die() { echo "$prog: $*" >&2; exit 1; }

# The user's files at the top of a program folder: the alarms, the options,
# the skin setting, the snoozed reminders, the time the program last ran, and
# the temporaries of an interrupted write of the last four.
is_user_entry() {
  case $1 in
    alarm | Options.ini | skinname.ini | Snoozed.ini | LastRun.ini) return 0 ;;
    .Options.ini.tmp | .skinname.ini.tmp | .Snoozed.ini.tmp | .LastRun.ini.tmp) return 0 ;;
  esac
  return 1
}

# The folder as an absolute path without symbolic links (the form in which
# /proc shows a running executable), or the default folder.
program_folder() {
  local folder=${1:-$data_home/Tocsimo}
  case $folder in *[[:cntrl:]]*) die "a folder name with control characters cannot go into a menu entry" ;; esac
  realpath -m -- "$folder"
}

# True when FOLDER can be taken as a Tocsimo program folder: it holds an
# install's manifest, the executable, or nothing but the user's files.
is_program_folder() {
  local f
  [ -e "$1/$TOCSIMO_MANIFEST" ] || [ -e "$1/tocsimo" ] && return 0
  for f in "$1"/* "$1"/.[!.]* "$1"/..?*; do
    [ -e "$f" ] || [ -L "$f" ] || continue
    is_user_entry "${f##*/}" || return 1
  done
  return 0
}

# The Exec value that runs exactly this file, quoted as the program quotes it
# in its autostart entry: ", `, $ and \ take a backslash inside the quotes,
# then the value escapes its backslashes again and doubles a %.
exec_value() {
  local q=$1
  q=${q//\\/\\\\}
  q=${q//\"/\\\"}
  q=${q//\`/\\\`}
  q=${q//\$/\\\$}
  q="\"$q\""
  q=${q//\\/\\\\}
  q=${q//%/%%}
  printf '%s' "$q"
}

# Whether the options file turns autorun on (1) or off (0), read as the
# program reads it: key "AutoRun" of section "General", names in any case, a
# whole number other than 0 for on, and on when missing or no number.
autorun_option() {
  [ -f "$1" ] || { echo 1; return; }
  awk '
    function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
    BEGIN { on = 1 }
    { sub(/\r$/, "") }
    /^[ \t]*\[/ {
      name = trim($0); name = substr(name, 2); sub(/\].*$/, "", name)
      in_general = tolower(trim(name)) == "general"; next
    }
    in_general && !found && index($0, "=") {
      key = trim(substr($0, 1, index($0, "=") - 1))
      if (tolower(key) != "autorun") next
      found = 1
      value = trim(substr($0, index($0, "=") + 1))
      if (value ~ /^[+-]?[0-9]+$/) on = value + 0 != 0
    }
    END { print on ? 1 : 0 }' "$1"
}

# Writes standard input to FILE through a hidden temporary beside it, so a
# desktop never reads half an entry.
write_file() {
  local tmp
  tmp=$(dirname "$1")/.$(basename "$1").tmp
  mkdir -p -- "$(dirname "$1")"
  cat >"$tmp" && mv -- "$tmp" "$1"
}

# The value of KEY in a desktop entry file ("" when missing).
entry_value() { sed -n "s/^$2=//p" "$1" 2>/dev/null | head -n 1; }

# The pids of this user's processes running EXE.
running_copies() {
  local exe=$1 d link
  for d in /proc/[0-9]*; do
    [ -O "$d" ] || continue
    link=$(readlink "$d/exe" 2>/dev/null) || continue
    [ "${link% (deleted)}" = "$exe" ] && echo "${d#/proc/}"
  done
  return 0
}

# The clock window of PID: titled "Tocsimo" and without decorations (the
# manager has the same title but a frame).
clock_window() {
  local w
  for w in $(xdotool search --all --pid "$1" --name '^Tocsimo$' 2>/dev/null); do
    xprop -id "$w" _MOTIF_WM_HINTS 2>/dev/null | grep -q '= 0x2, [^,]*, 0x0' && { echo "$w"; return 0; }
  done
  return 1
}

# True when PID shows a window other than its clock (the manager, an editor,
# a reminder, the About box), open or minimised: the user is in the middle
# of something there.
shows_other_windows() {
  local pid=$1 clock=$2 w
  for w in $(xdotool search --all --pid "$pid" --name '' 2>/dev/null); do
    [ "$w" = "$clock" ] && continue
    xprop -id "$w" WM_STATE 2>/dev/null | grep -Eq 'window state: (Normal|Iconic)' && return 0
  done
  return 1
}

gone() { ! kill -0 "$1" 2>/dev/null; }

# wait_gone PID SECONDS
wait_gone() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    gone "$1" && return 0
    sleep 0.1
  done
  gone "$1"
}

# Asks the copy PID to end as the user would: closes its clock window through
# the window manager, which ends the program (it then writes its skin setting).
# A clock hidden in the notification area is mapped first, since the window
# manager only closes the windows it manages. Nothing is done while another
# of its windows is showing. False when the copy still runs.
ask_to_exit() {
  local pid=$1 folder=$2 clock hidden=0
  [ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null && command -v wmctrl >/dev/null &&
    command -v xprop >/dev/null || return 1
  clock=$(clock_window "$pid") || return 1
  shows_other_windows "$pid" "$clock" && return 1
  if ! xdotool search --all --onlyvisible --pid "$pid" --name '^Tocsimo$' 2>/dev/null | grep -qx "$clock"; then
    hidden=1
    xdotool windowmap --sync "$clock" 2>/dev/null || return 1
  fi
  echo "$prog: Tocsimo is running from $folder (process $pid); asking it to exit"
  wmctrl -i -c "$clock" 2>/dev/null
  wait_gone "$pid" 10 && return 0
  # Still running (a dialog of its own kept it open): hide the clock again.
  [ "$hidden" = 1 ] && xdotool windowunmap "$clock" 2>/dev/null
  return 1
}

# Ends every copy running from FOLDER, or says that it runs and stops the script.
stop_running_copies() {
  local folder=$1 action=$2 pid
  for pid in $(running_copies "$folder/tocsimo"); do
    ask_to_exit "$pid" "$folder" && continue
    die "Tocsimo is running from $folder (process $pid).
Close its open windows, choose Exit in its menu, then run $action again."
  done
}

# Removes the desktop entry ENTRY when it starts EXE; says so when it starts
# something else.
remove_entry_of() {
  local entry=$1 exe=$2 what=$3
  [ -e "$entry" ] || return 0
  if [ "$(entry_value "$entry" Exec)" = "$(exec_value "$exe")" ]; then
    rm -f -- "$entry"
    echo "$prog: removed the $what $entry"
  else
    echo "$prog: kept the $what $entry: it starts another copy ($(entry_value "$entry" Exec))"
    return 1
  fi
}
