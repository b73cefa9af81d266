#!/usr/bin/env bash
# Run by hand, as root (it downloads Debian packages, so it is no CTest test):
# the package on a minimal Debian 12 system. Makes that system once with
# debootstrap (minbase) and copies it afresh for each run; installs the
# package into the copy with apt, as a user would, and checks that nothing to
# build it came along; then two users of that system each start the program
# under the X server outside (package_users.sh) and each one's alarm rings.
# Last, apt removes the package: none of its files stay, the users' alarms do.
#
# Usage: tests/e2e/package_chroot.sh [DEB]
#   DEB   default build/tocsimo_<version>-1_<arch>.deb (scripts/package first)
# The minimal system is kept in /var/tmp/tocsimo-rootfs/bookworm-minbase.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
version=$(sed -n 's/^project(Tocsimo VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
deb=$(realpath -m -- "${1:-$repo/build/tocsimo_$version-1_$(dpkg --print-architecture).deb}")
base=/var/tmp/tocsimo-rootfs/bookworm-minbase
[ "$(id -u)" = 0 ] || { echo "$0: run me as root" >&2; exit 1; }
[ -f "$deb" ] || { echo "$0: no $deb (scripts/package first)" >&2; exit 1; }

# A mount namespace of its own: the mounts below go when the script ends.
if [ -z "${PACKAGE_CHROOT_NS:-}" ]; then
  export PACKAGE_CHROOT_NS=1
  exec unshare --mount --propagation private -- "$0" "$@"
fi

if [ ! -x "$base/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian
fi
root=$(mktemp -d /var/tmp/tocsimo-chroot.XXXXXX)
cleanup() {
  local m
  umount -R "$root/tmp" "$root/dev" "$root/proc" 2>/dev/null
  # /tmp is the host's own: never remove through a mount that stayed.
  for m in tmp dev proc; do
    mountpoint -q "$root/$m" && { echo "$0: $root/$m is still mounted; $root is left" >&2; return; }
  done
  rm -rf -- "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/root/"
sys() { chroot "$root" "$@"; }
installed() { sys dpkg-query -W -f='${Status} ${Package}\n' | sed -n 's/^install ok installed //p' | sort; }

export DEBIAN_FRONTEND=noninteractive
sys apt-get update -q
installed >"$root/root/before"
sys apt-get install -y -q "/root/$(basename "$deb")"
installed >"$root/root/after"
pulled=$(comm -13 "$root/root/before" "$root/root/after" | wc -l)
echo "$0: apt installed $pulled packages with tocsimo onto $(wc -l <"$root/root/before") of a minimal system"
echo "$0: tocsimo's installed size: $(sys dpkg-query -W -f='${Installed-Size}' tocsimo) KiB; package: $(stat -c %s "$deb") bytes"
status=0
for p in cmake g++ qt6-base-dev libgstreamer1.0-dev dpkg-dev; do
  if grep -qx "$p" "$root/root/after"; then
    echo "$0: FAILED: $p came with the package" >&2
    status=1
  fi
done
sys dpkg -L tocsimo >"$root/root/files"

for u in alice bob; do sys useradd -m -s /bin/bash "$u"; done
mount --bind /tmp "$root/tmp"
PACKAGE_ROOT=$root "$repo/scripts/x11-session" -- \
  bash "$here/package_users.sh" "$root/usr/lib/tocsimo/tocsimo" || status=1

sys apt-get remove -y -q tocsimo
while IFS= read -r f; do
  [ -d "$root$f" ] && [ ! -L "$root$f" ] && continue   # folders shared with other packages
  if [ -e "$root$f" ] || [ -L "$root$f" ]; then
    echo "$0: FAILED: $f stays after apt remove" >&2
    status=1
  fi
done <"$root/root/files"
[ -e "$root/usr/lib/tocsimo" ] && { echo "$0: FAILED: /usr/lib/tocsimo stays after apt remove" >&2; status=1; }
for u in alice bob; do
  [ -f "$root/home/$u/.local/share/Tocsimo/alarm/Alarms.ini" ] ||
    { echo "$0: FAILED: apt remove took $u's alarms" >&2; status=1; }
done
[ "$status" = 0 ] && echo "$0: all checks passed"
exit "$status"
