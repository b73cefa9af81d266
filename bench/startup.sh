#!/usr/bin/env bash
# Start-up benchmark: how long the program takes from exec until its clock
# window is mapped, and its resident memory once idle, with a store of 255
# alarms (index, settings and message files) in its program folder. A bare
# Qt window (bench/startup_baseline) is measured the same way beside it, to
# tell Qt's own share. Runs under scripts/x11-session (Xvfb, openbox, trayer).
#
# Usage: bench/startup.sh [-n RUNS] [--idle SECONDS] [BUILD_DIR]
#   BUILD_DIR defaults to ./build; build it first (cmake --build BUILD_DIR).
# Targets: start to mapped window under 120 ms; resident memory under 31 MB.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
runs=10 idle=3 build=build inside=0
while [ $# -gt 0 ]; do
  case $1 in
    -n) runs=$2; shift ;;
    --idle) idle=$2; shift ;;
    --inside) inside=1 ;;
    -h|--help) sed -n '2,/^set -e/{/^#/s/^# \{0,1\}//p}' "$0"; exit 0 ;;
    *) build=$1 ;;
  esac
  shift
done
build=$(cd "$build" && pwd)
probe=$build/bench/startup_probe
baseline=$build/bench/startup_baseline

if [ "$inside" = 0 ]; then
  for f in "$build/Tocsimo/tocsimo" "$probe" "$baseline"; do
    [ -x "$f" ] || { echo "startup.sh: $f is missing: build $build first" >&2; exit 1; }
  done
  exec "$here/../scripts/x11-session" -- "$0" --inside -n "$runs" --idle "$idle" "$build"
fi

# ---- inside the X session ----
tmp=$(mktemp -d "${TMPDIR:-/tmp}/tocsimo-startup.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

crlf() { printf '%s\r\n' "$@"; }

# A program folder with 255 alarms of every mode, as the editor writes them.
folder=$tmp/Tocsimo
mkdir -p "$folder"
cp -a "$build/Tocsimo/." "$folder/"
rm -rf "$folder/alarm" && mkdir "$folder/alarm"
# The clock stays shown (no auto hide into the tray), chimes off.
printf '%s\r\n' "[General]" "AutoRun=0" "AutoHide=0" "AMPM=1" "[Chimes]" "EnableChimes=0" >"$folder/Options.ini"
modes=(Once Hourly Daily Weekly Monthly Yearly)
{
  crlf "[Alarms]"
  for id in $(seq 1 255); do crlf "Alarm$id=$id"; done
} >"$folder/alarm/Alarms.ini"
for id in $(seq 1 255); do
  mode=${modes[id % 6]}
  {
    crlf "[AlarmMode]"
    for m in "${modes[@]}"; do [ "$m" = "$mode" ] && crlf "$m=1" || crlf "$m=0"; done
    crlf "[AlarmDateTime]" "Year=2027" "Month=$((id % 12 + 1))" "Day=$((id % 28 + 1))" \
      "Hour=$((id % 24))" "Minute=$((id % 60))" "Second=$(((id * 7) % 60))"
    crlf "[AlarmSound]" "File=/home/user/Music/alarm $id.mp3"
  } >"$folder/alarm/$id.ini"
  printf 'Alarm number %d: %s\r\nA second line of the message\r\nand a third' "$id" "$mode" \
    >"$folder/alarm/${id}Memo.ini"
done

# measure LABEL PROGRAM: RUNS starts, one probe line each, into $tmp/LABEL.
measure() {
  local label=$1 program=$2 i line
  : >"$tmp/$label"
  for ((i = 1; i <= runs; i++)); do
    line=$("$probe" --idle-ms $((idle * 1000)) -- "$program") || { echo "startup.sh: run $i of $label failed" >&2; exit 1; }
    echo "$line" >>"$tmp/$label"
  done
}

# stats FILE FIELD SCALE: min median mean max of one field, divided by SCALE.
stats() {
  sed -n "s/.*$2=\([0-9.]*\).*/\1/p" "$1" | sort -g | awk -v s="$3" '
    { v[NR] = $1 / s; sum += v[NR] }
    END {
      med = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%8.1f %8.1f %8.1f %8.1f", v[1], med, sum / NR, v[NR]
    }'
}
median() { stats "$1" "$2" "$3" | awk '{ print $2 }'; }

echo "Start-up of $folder/tocsimo"
echo "255 alarms; $runs runs each; memory read after ${idle} s idle; Xvfb + openbox + trayer"
# Alternate so both see the same machine load.
measure program "$folder/tocsimo"
measure baseline "$baseline"

printf '\n%-34s %8s %8s %8s %8s\n' "" min median mean max
printf '%-34s %s\n' "Tocsimo: exec to mapped (ms)" "$(stats "$tmp/program" mapped_ms 1)"
printf '%-34s %s\n' "bare Qt window: exec to mapped (ms)" "$(stats "$tmp/baseline" mapped_ms 1)"
printf '%-34s %s\n' "Tocsimo: VmRSS idle (MB)" "$(stats "$tmp/program" rss_kb 1024)"
printf '%-34s %s\n' "bare Qt window: VmRSS idle (MB)" "$(stats "$tmp/baseline" rss_kb 1024)"
printf '%-34s %s\n' "Tocsimo: VmHWM peak (MB)" "$(stats "$tmp/program" hwm_kb 1024)"
echo "threads: Tocsimo $(sed -n 's/.*threads=\([0-9]*\).*/\1/p' "$tmp/program" | sort -u | tr '\n' ' ')"
echo "first run of Tocsimo (cold): $(head -n 1 "$tmp/program")"

mapped=$(median "$tmp/program" mapped_ms 1)
rss=$(median "$tmp/program" rss_kb 1024)
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v < t) ? "met" : "MISSED" }'; }
echo
echo "target: exec to mapped < 120 ms: $(verdict "$mapped" 120) (median $mapped ms)"
echo "target: resident memory < 31 MB: $(verdict "$rss" 31) (median $rss MB)"
