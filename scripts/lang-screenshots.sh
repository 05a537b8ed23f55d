#!/usr/bin/env bash
# Headless screenshots of every screen in one display language, each from a fresh device root:
#   scripts/lang-screenshots.sh LANG [BUILD_DIR] [OUT_DIR]      (LANG: ar, fr, en-us, ...)
# Files: OUT_DIR/<LANG>-<screen>.png, the home screen also switched live (-home-switched).
set -euo pipefail
cd "$(dirname "$0")/.."
lang=${1:?usage: scripts/lang-screenshots.sh LANG [BUILD_DIR] [OUT_DIR]}
build=${2:-build-normal}
out=${3:-docs/screenshots}
bin="$PWD/$build/bin"
mkdir -p "$out"
out=$(cd "$out" && pwd)
export QT_QPA_PLATFORM=offscreen TZ=Asia/Dubai VYN_CLOCK=2024-03-11T13:10:00

# A device root with every Azaan row on, messages, a calendar entry, the language set.
new_root() {
    local root
    root=$(mktemp -d)
    VYN_DEVICE_ROOT=$root "$bin/vyn-device" install-image >/dev/null
    mkdir -p "$root/setup" "$root/tmp"
    printf '[SETTINGS]\nHGM_HSA=1\nHGM_HSA_PRAYER=1\nHGM_HSA_MSG=1\nHGM_HSA_CALENDER=1\nHGM_HSA_EVENT=1\nHGM_HSA_MEDIA=1\nHGM_HSA_PRAYER_METHOD=5\nHGM_HSA_ALERT=3\nHGM_HSA_ALERT_PATH=/usr/data_resource/sound/alerts/azaan_chime.wav\nHGM_HSA_CITY=Abu Dhabi\n' \
        > "$root/setup/qd_azaan_hs.cfg"
    printf '[Unread]\nSMS=2\nMMS=1\n' > "$root/setup/vyn_messages.cfg"
    printf 'BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:shot@vyn\nDTSTART:20240311T110000Z\nDTEND:20240311T120000Z\nSUMMARY:Team meeting\nEND:VEVENT\nEND:VCALENDAR\n' \
        > "$root/setup/vyn_calendar.ics"
    echo "$root"
}

# shot NAME PROGRAM [ARGS...]; VYN_KEYS and VYN_HEADLESS_DELAY pass through.
shot() {
    local name=$1
    shift
    local root
    root=$(new_root)
    VYN_DEVICE_ROOT=$root dbus-run-session -- "$bin/vyn-ctl" language "$lang" >/dev/null
    # A settings screen opened with -p ends with its own status; the picture is what counts.
    VYN_DEVICE_ROOT=$root VYN_HEADLESS_OUTPUT="$out/$lang-$name" dbus-run-session -- "$@" 2>/dev/null || true
    rm -f "$out/$lang-$name.txt"
    rm -rf "$root"
    echo "$out/$lang-$name.png"
}

# The message and calendar rows follow at the view's first minute tick, 30 s in.
VYN_HEADLESS_DELAY=31000 shot home "$bin/vyn-homescreen" --external-display
VYN_HEADLESS_DELAY=1500 VYN_KEYS="F1" shot menu "$bin/vyn-homescreen"
shot prayer-times "$bin/prayer_app"
shot islamic-calendar "$bin/prayer_app" event
shot hssetting "$bin/hssetting_app"
shot azaan-settings "$bin/hssetting_app" -p Azaan
VYN_HEADLESS_DELAY=1500 VYN_KEYS="Down Down Return" shot azaan-settings-method "$bin/hssetting_app" -p Azaan
VYN_HEADLESS_DELAY=1500 VYN_KEYS="Down Down Down Down Return" shot azaan-settings-alert "$bin/hssetting_app" -p Azaan
VYN_HEADLESS_DELAY=1500 VYN_KEYS="Down Down Down Return" shot city-picker "$bin/hssetting_app" -p Azaan
if [ "${lang%%-*}" = ar ]; then
    VYN_HEADLESS_DELAY=2500 VYN_KEYS="Down Down Down Return ا ل ق" shot city-picker-find "$bin/hssetting_app" -p Azaan
else
    VYN_HEADLESS_DELAY=2500 VYN_KEYS="Down Down Down Return l e" shot city-picker-find "$bin/hssetting_app" -p Azaan
fi
shot date-settings "$bin/hssetting_app" -p Date
VYN_HEADLESS_DELAY=1500 VYN_KEYS="Return" shot date-settings-popup "$bin/hssetting_app" -p Date
if [ -e "$PWD/$build/lib/libshortcut_plugin.so" ]; then
    shot shortcut-settings "$bin/hssetting_app" -p Shortcut
fi

# The language switched while the home screen runs: English at the start, this language after;
# the host at once, the plugins with their next redraw (the Azaan rows at its minute tick).
root=$(new_root)
export VYN_DEVICE_ROOT=$root
dbus-run-session -- bash -c "
    VYN_HEADLESS_DELAY=32000 VYN_HEADLESS_OUTPUT=\"$out/$lang-home-switched\" \"$bin/vyn-homescreen\" 2>/dev/null &
    host=\$!
    sleep 1.5
    \"$bin/vyn-ctl\" language \"$lang\" >/dev/null
    wait \$host"
rm -f "$out/$lang-home-switched.txt"
rm -rf "$root"
echo "$out/$lang-home-switched.png"
