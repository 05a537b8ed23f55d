#!/usr/bin/env bash
# Cross-builds everything for 32-bit ARM (Debian armhf) into build-armhf/ and runs the whole
# suite under qemu-arm (user mode; no binfmt registration needed).
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
packages=(g++-arm-linux-gnueabihf qemu-user qt6-base-dev:armhf qt6-tools-dev:armhf libgl-dev:armhf)
if ! dpkg --print-foreign-architectures | grep -qx armhf; then
    $SUDO dpkg --add-architecture armhf
    $SUDO apt-get update -qq
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-armhf -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE=cmake/armhf-toolchain.cmake >/dev/null
cmake --build build-armhf -j "$(nproc)"
echo "== tests (armhf under qemu-arm) =="
dbus-run-session -- ctest --test-dir build-armhf --output-on-failure -j "$(nproc)" --timeout 900
