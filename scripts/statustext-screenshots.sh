#!/usr/bin/env bash
# Headless screenshots of the home screen's status lines on the simulated phone, one fresh
# device root each: scripts/statustext-screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-normal}
out=${2:-docs/screenshots}
bin="$PWD/$build/bin"
mkdir -p "$out"
out=$(cd "$out" && pwd)
export QT_QPA_PLATFORM=offscreen TZ=Asia/Dubai VYN_CLOCK=2024-03-11T13:10:00

# shot NAME SETUP-COMMANDS RUNNING-COMMANDS: the setup runs before the home screen starts, the
# rest while it runs (channel messages reach only running programs).
shot() {
    local name=$1 setup=$2 running=$3
    local root
    root=$(mktemp -d)
    export VYN_DEVICE_ROOT=$root
    "$bin/vyn-device" install-image >/dev/null
    dbus-run-session -- bash -c "
        set -e
        ctl=\"$bin/vyn-ctl\"
        $setup
        VYN_HEADLESS_DELAY=2500 VYN_HEADLESS_OUTPUT=\"$out/$name\" \"$bin/vyn-homescreen\" 2>/dev/null &
        host=\$!
        sleep 1
        $running
        wait \$host"
    rm -f "$out/$name.txt"
    rm -rf "$root"
    echo "$out/$name.png"
}

flags() { printf '[FlexBit]\n%s\n' "$1" > "$VYN_DEVICE_ROOT/usr/SYSqtapp/flexbit.cfg"; }
export -f flags

shot statustext-network '' ''
shot statustext-logo 'flags 392=1; $ctl phone logo on' ''
shot statustext-searching '$ctl phone network searching' ''
shot statustext-airplane-lowbattery '$ctl phone airplane on; $ctl phone battery low' ''
shot statustext-marquee '' \
    '$ctl phone cb "Weather alert: heavy rain and strong winds expected over the northern districts tonight"'
shot statustext-rtl-stk "flags 482=1; mkdir -p \$VYN_DEVICE_ROOT/tmp; printf '[SYS_SYSTEM_SET]\nLanguageType=ar\n' > \$VYN_DEVICE_ROOT/tmp/vyn_system.cfg" \
    "\$ctl phone stk 'خدمات الشبكة' --icon 1 --icon-file '$PWD/docs/screenshots/stk-icon.png'"
