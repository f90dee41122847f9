#!/bin/bash
# Installs what building, running and testing punktgarten needs on Debian 12.
# Idempotent: asks apt only for packages that are missing.
set -euo pipefail
pakete=(build-essential cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
        libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick fonts-liberation
        clang libclang-rt-14-dev dpkg-dev desktop-file-utils time
        openbox x11-xserver-utils x11-utils xclip
        dbus-daemon at-spi2-core python3-pyatspi
        qemu-user g++-s390x-linux-gnu g++-i686-linux-gnu libc++-dev libc++abi-dev
        debhelper lintian appstream fakeroot)
fehlend=()
for p in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    fehlend+=("$p")
  fi
done
if [ ${#fehlend[@]} -gt 0 ]; then
  als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  echo "setup: installing ${fehlend[*]}"
  "${als_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -q --no-install-recommends "${fehlend[@]}"
fi
