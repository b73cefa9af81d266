#!/usr/bin/env bash
# The program in German, as a German desktop starts it (LANGUAGE, LANG): the
# clock's menu, the manager's captions, the editor, and Qt's own file dialog
# in German. The German texts expected are read from the German translation;
# Qt's own from what Qt's German translation says.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/clock_lib.sh"
lang=$(dirname "$0")/atspi_language.py

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=de
unset LC_ALL LC_MESSAGES

de() { /usr/bin/python3 "$lang" text de "$@"; }
letter() { /usr/bin/python3 "$lang" letter de "$@"; }
# has_names PID TITLE NAME...: waits until PID's window TITLE shows controls
# with each NAME.
# names_of PID TITLE: fails while PID shows no window TITLE. Titles are looked
# up through the accessibility bus, as xdotool cannot match non-ASCII ones.
names_of() { /usr/bin/python3 "$lang" names "$1" "$2"; }
has_names() {
  local pid=$1 title=$2 names name
  shift 2
  for name in "$@"; do
    poll 10000 eval 'names=$(names_of "$pid" "$title") && grep -qxF -- "$name" <<<"$names"' ||
      check_failed "\"$title\" shows no \"$name\": $(echo "$names" | tr '\n' '|')"
  done
}

# LANG only for the program: this machine may lack the German locale.
LANG=de_DE.UTF-8 start_program pid "$E2E_TMP" "$folder/tocsimo"
wait_clock_window clock "$pid" 20000 || fatal "no clock window appeared"
xdotool windowactivate --sync "$clock" key Menu
menu_choose "$pid" "$(letter TFormClock '&Alarms')"
poll 10000 manager_of "$pid" >/dev/null || fatal "the menu's \"$(de TFormClock '&Alarms')\" opened no manager"
has_names "$pid" Tocsimo "$(de TFormMain '&Alarms')" "$(de TFormMain '&Options')" "$(de TFormMain 'A&dd')" \
  "$(de TFormMain '&Edit')" "$(de TFormMain 'De&l')" "$(de TFormMain 'O&K')"

xdotool key "alt+$(letter TFormMain 'A&dd')"
editor=$(de TFormAlarm 'Alarm properties')
has_names "$pid" "$editor" "$(de TFormAlarm '&Once')" "$(de TFormAlarm '&Cancel')"
# The press returns only once the modal file dialog has closed again.
/usr/bin/python3 "$lang" press "$pid" "$editor" "$(de TFormAlarm 'Choose the sound file')" &
press=$!
# Qt's own file dialog, titled and captioned by Qt's German translation.
poll 10000 names_of "$pid" "Öffnen" >/dev/null || check_failed "no file dialog titled \"Öffnen\""
has_names "$pid" "Öffnen" "Öffnen" "Abbrechen"
xdotool key Escape
poll 10000 eval '! names_of "$pid" "Öffnen" >/dev/null' || check_failed "Esc left the file dialog open"
wait "$press" || check_failed "the editor's folder button could not be pressed"
xdotool key "alt+$(letter TFormAlarm '&Cancel')"
poll 10000 eval '! named_window_of "$pid" "$editor" >/dev/null' || check_failed "the editor did not close"
xdotool key "alt+$(letter TFormMain 'O&K')"
poll 10000 eval '! manager_of "$pid" >/dev/null' || check_failed "the manager did not close"

e2e_finish
