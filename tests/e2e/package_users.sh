#!/usr/bin/env bash
# Part of package_chroot.sh, run inside scripts/x11-session with PACKAGE_ROOT
# the root folder of a system where the package is installed: two users of
# that system start /usr/bin/tocsimo at once, each with an alarm of their own
# in their data folder, and each one's alarm goes off in their own copy.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/alarm_lib.sh"
root=${PACKAGE_ROOT:?set PACKAGE_ROOT to the system with the package}
xhost +local: >/dev/null || fatal "xhost cannot let the users' programs in"

declare -A pid T
for u in alice bob; do
  # The users are the system's, unknown outside it: by number.
  uid=$(chroot "$root" id -u "$u") || fatal "no user $u in $root"
  data=$root/home/$u/.local/share/Tocsimo
  mkdir -p "$data/alarm"
  write_options "$data" 0 0 0
  write_user_alarm() {
    local h m s y mo d
    read -r h m s y mo d < <(local_parts "$1")
    write_alarm "$data" 1 Once "$y" "$mo" "$d" "$h" "$m" "$s" ""
    write_message "$data" 1 "$u's alarm"
    write_index "$data" 1
    chown -R "$uid:$uid" "$root/home/$u/.local"
  }
  ALARM_WRAPPER=(chroot --userspec="$u:$u" "$root" env -i HOME="/home/$u" USER="$u" LOGNAME="$u"
    DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8)
  alarm_start p t /usr/bin write_user_alarm
  pid[$u]=$p T[$u]=$t
  [ "$(stat -c %u "/proc/$p")" = "$uid" ] || check_failed "$u's copy runs as uid $(stat -c %u "/proc/$p"), not $uid"
  log "$u's copy: process $p, alarm at $(date -d "@$t" +%T)"
done
for u in alice bob; do
  if alarm_wait_shown win "${pid[$u]}" $(((T[$u] + 5) * 1000)); then
    log "$u's alarm went off"
  else
    check_failed "$u's alarm did not go off within 5 s of its second"
  fi
done
for u in alice bob; do stop_program "${pid[$u]}"; done
e2e_finish
