#!/usr/bin/env bash
# Takes the pictures of the program for docs/: the main window after
# "Check &Files" on the demo downloads, its row menu, the options dialog, the about box,
# the link check on a pasted post and the first-start dialog (on a demo home
# with an aMule and a Wine eMule); the window over 5,000 downloads sorted by
# description, the same in a dark theme, and the German window.
# Runs the real program under a virtual X server (Xvfb :99, 1280x800x24).
#
#   scripts/screenshots.sh [OUTPUT_DIR]     (default: docs/)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
source scripts/deps.sh
kv_install_packages "${KV_BUILD_PACKAGES[@]}" xvfb xauth

out=${1:-$repo/docs}
mkdir -p "$out"
out=$(cd "$out" && pwd)

build=${KV_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j"$(nproc)" --target kestrivane kv_bench_gui_check

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A demo program directory: the example settings pointed at a copy of the demo
# downloads, and the demo fake list. No update address, as on a fresh
# install: the pictures need no network and suggest no address.
home=$work/home
cp -R examples/demo-temp "$work/temp"
scripts/make-demo-home.sh "$home" "$work/temp" ""

# The first-start dialog offers what it finds under $HOME.
user=$work/user
mkdir -p "$user/.aMule" "$user/.wine/drive_c/Program Files/eMule/config"
printf '[eMule]\nTempDir=/home/anna/.aMule/Temp\n' >"$user/.aMule/amule.conf"
printf '[eMule]\r\nTempDir=C:\\Program Files\\eMule\\Temp\r\n' \
    >"$user/.wine/drive_c/Program Files/eMule/config/preferences.ini"

Xvfb :99 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e /tmp/.X11-unix/X99 ] && break
    sleep 0.1
done
[ -e /tmp/.X11-unix/X99 ] || { echo "screenshots.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

shots=$work/shots
HOME=$user DISPLAY=:99 QT_QPA_PLATFORM=xcb KESTRIVANE_HOME=$home KESTRIVANE_SCREENSHOTS=$shots \
    "$build/src/app/kestrivane"
# 5,000 downloads, sorted by description, then dark; the demo in German.
"$build/bench/kv_bench_gui_check" --make-home "$work/large" 5000
HOME=$user DISPLAY=:99 QT_QPA_PLATFORM=xcb KESTRIVANE_HOME=$work/large/home KESTRIVANE_SCREENSHOTS=$shots \
    KESTRIVANE_SCREENSHOT_SET=large "$build/src/app/kestrivane"
HOME=$user DISPLAY=:99 QT_QPA_PLATFORM=xcb KESTRIVANE_HOME=$home KESTRIVANE_SCREENSHOTS=$shots \
    KESTRIVANE_SCREENSHOT_SET=german LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$build/src/app/kestrivane"
for name in main-window row-menu options about mark-fake first-start check-links main-window-5000 main-window-dark \
            main-window-de; do
    cp "$shots/$name.png" "$out/$name.png"
    echo "Wrote $out/$name.png"
done
