#!/usr/bin/env bash
# Draws the sample pictures the device image ships in its image folder, and the application
# icons, from the generators in platform/host. Usage: scripts/gen-pictures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-normal}"
cmake --build "$build_dir" --target vyn-picturegen vyn-icongen
QT_QPA_PLATFORM=offscreen "$build_dir/bin/vyn-picturegen" data/device/vynlocal/download/picture
QT_QPA_PLATFORM=offscreen "$build_dir/bin/vyn-icongen" data/device/usr/SYSqtapp/icons
