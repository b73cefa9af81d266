#!/usr/bin/env bash
# The cost of one idle tick of each of the program's timers, in instructions
# counted by callgrind (repeatable on a shared machine, unlike times): the
# program runs under valgrind with 255 alarms loaded (none due), the clock
# shown and chimes on; collection is on only inside the tick handlers, and
# each handler's instructions are divided by its number of calls.
# Run by hand, from the repository:
#   scripts/x11-session -- bash bench/callgrind.sh build/Tocsimo/tocsimo [seconds]
# CALLGRIND_KEEP=FILE keeps the profile.
bench_dir=$(cd "$(dirname "$0")" && pwd)
set -- "$1" "${2:-30}"
SECONDS_MEASURED=$2
source "$bench_dir/../tests/e2e/lib.sh"
source "$bench_dir/../tests/e2e/alarm_lib.sh"
command -v valgrind >/dev/null || fatal "valgrind is missing (scripts/deps test)"

# The tick handlers: the scheduler's, the reminder's label refresh and the
# clock's (the clock's is counted once the clock window has its timer).
HANDLERS=('TFormMain::TimerTimer()' 'TFormReminder::TimerTimer()' 'TFormClock::Timer1Timer()')

folder=$E2E_TMP/Tocsimo
make_program_folder "$folder"
write_options "$folder" 1 0 1
write_idle_alarms "$folder"

out=$E2E_TMP/callgrind.out
toggles=()
for h in "${HANDLERS[@]}"; do toggles+=("--toggle-collect=$h"); done
start_program pid "$E2E_TMP" valgrind -q --tool=callgrind --callgrind-out-file="$out" \
  --collect-atstart=no "${toggles[@]}" "$folder/tocsimo"
wait_clock_window clock "$pid" 120000 || fatal "the program mapped no clock window under valgrind"
log "running for $SECONDS_MEASURED s under callgrind"
sleep "$SECONDS_MEASURED"
close_window_by_wm "$clock"
wait_exit status "$pid" 60000 || { stop_program "$pid"; fatal "the program did not end when its clock was closed"; }
[ -s "$out" ] || fatal "callgrind wrote no profile"

# Inclusive instructions and calls of each handler. callgrind_annotate
# gives the inclusive cost; the calls are the "calls=" lines of the profile
# that lead into the handler.
annotated=$(callgrind_annotate --inclusive=yes --threshold=100 "$out" 2>/dev/null)
for h in "${HANDLERS[@]}"; do
  ir=$(awk -v f="$h" 'index($0, f) { gsub(/,/, "", $1); print $1; exit }' <<<"$annotated")
  calls=$(awk -v f="$h" '
    /^fn=/ { infn = 0 }
    /^cfn=/ { into = index($0, f) > 0 }
    /^calls=/ && into { split($0, a, /[= ]/); n += a[2]; into = 0 }
    END { print n + 0 }' "$out")
  # The profile names a function by its full name once, then by a number:
  # "cfn=(12) name" the first time, "cfn=(12)" afterwards.
  if [ "$calls" = 0 ]; then
    id=$(grep -o "^c\?fn=([0-9]*) $(sed 's/[][\.*^$()]/\\&/g' <<<"$h")" "$out" | head -n 1 | grep -o '([0-9]*)')
    [ -n "$id" ] && calls=$(awk -v id="cfn=$id" '
      index($0, id) == 1 { into = 1; next }
      /^cfn=/ { into = 0 }
      /^calls=/ && into { split($0, a, /[= ]/); n += a[2]; into = 0 }
      END { print n + 0 }' "$out")
  fi
  if [ -z "$ir" ] || [ "$calls" = 0 ]; then
    printf '%-30s not called (no such timer yet?)\n' "$h"
  else
    awk -v h="$h" -v ir="$ir" -v c="$calls" 'BEGIN { printf "%-30s %8d calls  %12d instructions  %10.0f instructions a tick\n", h, c, ir, ir / c }'
  fi
done

# Where the ticks' instructions go: every function's inclusive share, the
# handlers first (only code inside the handlers was counted).
echo
echo "inclusive instructions inside the handlers, largest first:"
awk '/^-+$/ { rule++; next } rule >= 3 && NF && !/\(100\.0%\)/ && !/\?\?\?:0x/ { print; if (++n == 25) exit }' <<<"$annotated" | cut -c1-160
if [ -n "${CALLGRIND_KEEP:-}" ]; then
  cp "$out" "$CALLGRIND_KEEP" && log "profile kept in $CALLGRIND_KEEP (callgrind_annotate --inclusive=yes $CALLGRIND_KEEP)"
fi
