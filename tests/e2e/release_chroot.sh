#!/usr/bin/env bash
# Run by hand, as root (it downloads Debian packages, so it is no CTest test):
# the release archive on a Debian 12 system that holds only the run-time
# packages. Makes that system with debootstrap (minbase) when it is missing,
# installs the packages of dist/runtime-packages into it with apt-get, checks
# that nothing of the build or test tools came along, and runs
# install_release.sh with the unpacked program inside it. The X server, the
# window manager and the sound server run outside, reached through /tmp.
#
# Usage: tests/e2e/release_chroot.sh [ROOTFS]
#   ROOTFS   default /var/tmp/tocsimo-rootfs/bookworm
# The program is taken from build/Tocsimo (scripts/build first).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
rootfs=$(realpath -m -- "${1:-/var/tmp/tocsimo-rootfs/bookworm}")
[ "$(id -u)" = 0 ] || { echo "$0: run me as root" >&2; exit 1; }
[ -x "$repo/build/Tocsimo/tocsimo" ] || { echo "$0: build first (scripts/build)" >&2; exit 1; }

# A mount namespace of its own: the mounts below go when the script ends.
if [ -z "${RELEASE_CHROOT_NS:-}" ]; then
  export RELEASE_CHROOT_NS=1
  exec unshare --mount --propagation private -- "$0" "$@"
fi

if [ ! -x "$rootfs/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$rootfs" http://deb.debian.org/debian
fi
mount -t proc proc "$rootfs/proc"
mount --rbind /dev "$rootfs/dev"
cp /etc/resolv.conf "$rootfs/etc/resolv.conf"

mapfile -t pkgs < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$repo/dist/runtime-packages")
export DEBIAN_FRONTEND=noninteractive
chroot "$rootfs" apt-get update -q
chroot "$rootfs" apt-get install -y -q --no-install-recommends "${pkgs[@]}"

for p in cmake g++ qt6-base-dev libgstreamer1.0-dev xvfb openbox xdotool gstreamer1.0-tools pipewire; do
  if chroot "$rootfs" dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    echo "$0: $p is installed in $rootfs: not a run-time-only system" >&2
    exit 1
  fi
done
echo "$0: $(chroot "$rootfs" dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed') packages in $rootfs"

mount --bind /tmp "$rootfs/tmp"
status=0
RELEASE_ROOT=$rootfs "$repo/scripts/x11-session" --sound -- \
  bash "$here/install_release.sh" "$repo/build/Tocsimo/tocsimo" || status=$?
rm -rf "$rootfs/opt/my apps"
exit "$status"
