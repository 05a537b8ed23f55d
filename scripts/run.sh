#!/usr/bin/env bash
# The phone simulator: builds what it needs, prepares a device root and runs a program of the
# phone. With a display it opens a 320-pixel-wide window; without one it runs headless and
# leaves a screenshot and a text dump of the screen in out/.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    cat <<'USAGE'
Usage: scripts/run.sh [options] [-- program arguments]

Options:
  --app NAME        what to run (default: home)
                      home     the home screen with its plugins
                      prayer   prayer_app, Prayer Times screen
                      events   prayer_app event, Islamic Calendar screen
                      settings hssetting_app, the Homescreen Setting list
  --root DIR        device root (default: $VYN_DEVICE_ROOT or a per-user folder)
  --tz ZONE         the phone's time zone (default: $TZ, else Asia/Dubai, the default city's)
  --clock SETTING   device clock for this run: 2024-01-01T10:00:00, @UNIXTIME or +/-SECONDS
  --lang CODE       display language of the device root, kept for later runs: ar, fr, en-us
  --build-dir DIR   build folder (default: build-normal, shared with scripts/test.sh)
  --headless        run headless even when a display is available
  --out DIR         folder for headless output (default: out)
  --no-deps         do not check the Debian packages
  -h, --help        this text
USAGE
}

app=home
root=""
clock=""
lang=""
tz="${TZ:-Asia/Dubai}"
build_dir=build-normal
headless=0
out_dir=out
deps=1
extra=()
while [ $# -gt 0 ]; do
    case "$1" in
        --app) app="${2:?--app needs a name}"; shift 2 ;;
        --root) root="${2:?--root needs a folder}"; shift 2 ;;
        --tz) tz="${2:?--tz needs a zone}"; shift 2 ;;
        --clock) clock="${2:?--clock needs a setting}"; shift 2 ;;
        --lang) lang="${2:?--lang needs a language code}"; shift 2 ;;
        --build-dir) build_dir="${2:?--build-dir needs a folder}"; shift 2 ;;
        --headless) headless=1; shift ;;
        --out) out_dir="${2:?--out needs a folder}"; shift 2 ;;
        --no-deps) deps=0; shift ;;
        -h|--help) usage; exit 0 ;;
        --) shift; extra=("$@"); break ;;
        *) echo "run.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done

# One line per program: build target, then its arguments. A new program is one more case.
# The home screen also needs its plugins and the programs it launches.
case "$app" in
    home) target=vyn-homescreen; args=(--external-display); also=(azaan_plugin statustext_plugin clock_plugin date_plugin shortcut_plugin statusbar_plugin azaan_settings wallpaper_setting hssetting_app prayer_app vyn-placeholder vyn-ctl) ;;
    prayer) target=prayer_app; args=(); also=() ;;
    events) target=prayer_app; args=(event); also=() ;;
    settings) target=hssetting_app; args=(); also=(azaan_settings azaan_plugin clock_plugin date_plugin shortcut_plugin wallpaper_setting) ;;
    *) echo "run.sh: unknown program '$app' (see --help)" >&2; exit 2 ;;
esac
args+=("${extra[@]+"${extra[@]}"}")

[ "$deps" -eq 1 ] && bash scripts/install-deps.sh

source scripts/configure.sh
vyn_configure "$build_dir" OFF
cmake --build "$build_dir" --target vyn-device vyn-ctl "$target" "${also[@]+"${also[@]}"}"
bin="$PWD/$build_dir/bin"
[[ "$build_dir" = /* ]] && bin="$build_dir/bin"

root_args=()
[ -n "$root" ] && root_args=(--root "$root")
root=$("$bin/vyn-device" "${root_args[@]+"${root_args[@]}"}" install-image)
export VYN_DEVICE_ROOT="$root"
echo "Device root: $root"
[ -n "$clock" ] && export VYN_CLOCK="$clock"
# Prayer times are the city's local times; the phone's clock runs in the same zone.
export TZ="$tz"

# On a device that never had Azaan settings, switch the home-screen view and its rows on, so the
# simulator shows something; the settings screens change it from there.
if [ "$app" = home ] && [ ! -e "$root/setup/qd_azaan_hs.cfg" ]; then
    mkdir -p "$root/setup"
    cat > "$root/setup/qd_azaan_hs.cfg" <<'CFG'
[SETTINGS]
HGM_HSA=1
HGM_HSA_PRAYER=1
HGM_HSA_MSG=1
HGM_HSA_CALENDER=1
HGM_HSA_EVENT=1
HGM_HSA_MEDIA=1
HGM_HSA_PRAYER_METHOD=1
HGM_HSA_ALERT=0
HGM_HSA_ALERT_PATH=/usr/data_resource/sound/ui_sounds/ui_countdown_sound_10.wav
HGM_HSA_CITY=Abu Dhabi
CFG
    echo "Azaan view switched on for this new device root"
fi

# Channels between programs travel on the session bus; start one when there is none.
launch=()
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    launch=(dbus-run-session --)
fi

# The language is the device's setting; vyn-ctl also tells programs already running on this bus.
if [ -n "$lang" ]; then
    "${launch[@]+"${launch[@]}"}" "$bin/vyn-ctl" language "$lang" >/dev/null
    echo "Display language: $lang"
fi

if [ "$headless" -eq 0 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "${launch[@]+"${launch[@]}"}" "$bin/$target" "${args[@]+"${args[@]}"}"
fi

mkdir -p "$out_dir"
prefix="$(cd "$out_dir" && pwd)/$app"
rm -f "$prefix.png" "$prefix.txt"
status=0
QT_QPA_PLATFORM=offscreen VYN_HEADLESS_OUTPUT="$prefix" \
    "${launch[@]+"${launch[@]}"}" "$bin/$target" "${args[@]+"${args[@]}"}" || status=$?
if [ ! -f "$prefix.png" ] || [ ! -f "$prefix.txt" ]; then
    echo "run.sh: $target left no screenshot (exit status $status)" >&2
    exit $(( status ? status : 1 ))
fi
echo "Screenshot: $prefix.png"
echo "Text dump:  $prefix.txt"
echo "----"
cat "$prefix.txt"
exit "$status"
