# shellcheck shell=bash
# Steps shared by the install and release tests, on top of lib.sh.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_SIZES=(16 24 32 48 64 72 96 128)
# The user's files in a program folder (with the temporaries of interrupted writes).
E2E_USER_ENTRIES=(alarm Options.ini skinname.ini Snoozed.ini LastRun.ini
  .Options.ini.tmp .skinname.ini.tmp .Snoozed.ini.tmp .LastRun.ini.tmp)

# What a program folder holds, for comparing two of them: every entry with its
# type and permissions, and every file's checksum. Top-level names given after
# DIR are left out.
content_listing() {
  local dir=$1 name
  shift
  local skip=()
  for name in "$@"; do skip+=(-path "./$name" -prune -o); done
  (
    cd "$dir" || exit 1
    find . -mindepth 1 "${skip[@]}" -printf '%P\t%y\t%m\n' | LC_ALL=C sort
    find . -mindepth 1 "${skip[@]}" -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum
  )
}

# A built program folder to install from, at DIR: a copy of the build with
# the developer's own alarms, options and skin setting in it, which must not
# travel.
make_source_folder() {
  make_program_folder "$1"
  write_alarm "$1" 9 Once 2027 1 1 0 0 0 ""
  write_message "$1" 9 "The developer's alarm"
  write_index "$1" 9
  crlf_lines "[General]" "AutoRun=1" >"$1/Options.ini"
  crlf_lines "[Skin Name]" "Skin Name=Digital" >"$1/skinname.ini"
}

# The program's part of a source folder, as it must be found installed.
program_part() {
  content_listing "$1" "${E2E_USER_ENTRIES[@]}"
}

# The value of KEY in a desktop entry.
entry_value() { sed -n "s/^$2=//p" "$1" | head -n 1; }

# The arguments of a desktop entry's Exec value, each ended by a NUL: the
# value's own escapes undone, then the quoting of its arguments, with %% as
# % and field codes dropped.
exec_args() {
  local v=$1 s='' i c arg='' quoted=0 have=0
  for ((i = 0; i < ${#v}; i++)); do
    c=${v:i:1}
    if [ "$c" = '\' ]; then
      i=$((i + 1))
      case ${v:i:1} in s) s+=' ' ;; n) s+=$'\n' ;; t) s+=$'\t' ;; r) s+=$'\r' ;; *) s+=${v:i:1} ;; esac
    else
      s+=$c
    fi
  done
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}
    if [ "$c" = '%' ]; then
      i=$((i + 1))
      [ "${s:i:1}" = % ] && { arg+=%; have=1; }
    elif [ "$quoted" = 1 ]; then
      case $c in
        '"') quoted=0 ;;
        '\') i=$((i + 1)); arg+=${s:i:1} ;;
        *) arg+=$c ;;
      esac
    elif [ "$c" = '"' ]; then
      quoted=1 have=1
    elif [ "$c" = ' ' ]; then
      [ "$have" = 1 ] && printf '%s\0' "$arg"
      arg='' have=0
    else
      arg+=$c have=1
    fi
  done
  [ "$have" = 1 ] && printf '%s\0' "$arg"
  return 0
}

# check_entry LABEL FILE EXE: the desktop entry passes desktop-file-validate
# and its Exec line runs exactly EXE.
check_entry() {
  local label=$1 file=$2 exe=$3 out args=()
  [ -f "$file" ] || { check_failed "$label: no entry at $file"; return; }
  out=$(desktop-file-validate "$file" 2>&1) || check_failed "$label: desktop-file-validate: $out"
  mapfile -d '' -t args < <(exec_args "$(entry_value "$file" Exec)")
  [ "${#args[@]}" = 1 ] && [ "${args[0]}" = "$exe" ] ||
    check_failed "$label: Exec=$(entry_value "$file" Exec) does not run $exe"
}

# start_from_entry OUTVAR FILE: starts the program as a desktop does from the
# entry's Exec line, in the home folder, and stores its pid.
start_from_entry() {
  local -n _e2e_entry_pid=$1
  local args=()
  mapfile -d '' -t args < <(exec_args "$(entry_value "$2" Exec)")
  [ "${#args[@]}" -gt 0 ] || fatal "no Exec line in $2"
  start_program _e2e_entry_pid "$HOME" "${args[@]}"
}

# wait_started PID: waits until the program has made its clock window (shown,
# or already hidden in the tray).
wait_started() {
  poll 30000 eval 'xdotool search --all --pid '"$1"' --name "^Tocsimo\$" >/dev/null 2>&1 || ! running '"$1"
  running "$1"
}
