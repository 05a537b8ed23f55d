#!/usr/bin/env bash
# Headless screenshots of the shortcuts, their settings screen and picker, the wallpaper's file
# browser and the home screen after a wallpaper change, at 320 x 240 and 320 x 320, one fresh
# device root each: scripts/shortcut-screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-normal}
out=${2:-docs/screenshots}
bin="$PWD/$build/bin"
mkdir -p "$out"
out=$(cd "$out" && pwd)
export QT_QPA_PLATFORM=offscreen TZ=Asia/Dubai VYN_CLOCK=2024-03-11T13:10:00
# A key on a shortcut only announces the launch: a started program would take the screenshot.
export VYN_LAUNCH_DRY_RUN=1

azaan='[SETTINGS]\nHGM_HSA=1\nHGM_HSA_PRAYER=1\nHGM_HSA_MSG=1\nHGM_HSA_CALENDER=1\nHGM_HSA_EVENT=1\nHGM_HSA_MEDIA=1\nHGM_HSA_CITY=Abu Dhabi\n'

# shot NAME HEIGHT AZAAN(0|1) SHOW-ICONS(true|false) KEYS PROGRAM [ARG...]
shot() {
    local name=$1 height=$2 withAzaan=$3 icons=$4 keys=$5
    shift 5
    local root
    root=$(mktemp -d)
    VYN_DEVICE_ROOT=$root "$bin/vyn-device" install-image >/dev/null
    mkdir -p "$root/setup"
    printf '[Screen]\nHeight=%s\n' "$height" > "$root/setup/vyn_device.cfg"
    [ "$withAzaan" = 1 ] && printf "$azaan" > "$root/setup/qd_azaan_hs.cfg"
    printf '[NaviKeyPlugin]\nShowIcons=%s\n' "$icons" > "$root/setup/vyn_idle.cfg"
    [ -n "${WALLPAPER:-}" ] && printf '[Wallpaper]\nPath=%s\n' "$WALLPAPER" > "$root/setup/vyn_theme.cfg"
    VYN_DEVICE_ROOT=$root VYN_HEADLESS_DELAY=1500 VYN_KEYS="$keys" VYN_HEADLESS_OUTPUT="$out/$name" \
        dbus-run-session -- "$bin/$@" >/dev/null 2>&1 || true  # "-p" ends with -1 by design
    rm -rf "$root"
}

# With the Azaan rows the focus starts on them and the cross waits as a layer: the clear key
# (Esc) hands the direction keys to the shortcuts, which then show over the rows.
shot home-shortcuts-240 240 0 true "" vyn-homescreen
shot home-all-240 240 1 true "" vyn-homescreen
shot home-all-240-icons 240 1 true "Esc" vyn-homescreen
shot home-all-240-hidden 240 1 false "Esc" vyn-homescreen
shot home-all-240-revealed 240 1 false "Esc Right" vyn-homescreen
shot home-all-320 320 1 true "" vyn-homescreen
shot home-all-320-icons 320 1 true "Esc" vyn-homescreen
shot settings-icons 240 0 true "" hssetting_app -p Shortcut
shot settings-icons-picker 240 0 true "Down Return" hssetting_app -p Shortcut
shot wallpaper-browser 240 0 true "Down" hssetting_app -p Wallpaper
WALLPAPER=/vynlocal/download/picture/desert_dunes.jpg shot home-wallpaper-changed 240 1 true "" vyn-homescreen
for name in home-shortcuts-240 home-all-240 home-all-240-icons home-all-240-hidden home-all-240-revealed home-all-320 \
    home-all-320-icons home-wallpaper-changed; do
    rm -f "$out/$name.txt"
done
