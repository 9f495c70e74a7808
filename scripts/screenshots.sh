#!/usr/bin/env bash
# Takes the pictures of the program for docs/: the main window after
# "Check &Files" on the demo downloads, its row menu, the options dialog, the about box,
# the link check on a pasted post and the first-start dialog (on a demo home
# with an aMule and a Wine eMule); the window over 5,000 downloads sorted by
# description, the same in a dark theme, and the German window. When amuled
# and amulecmd are installed (Debian: amule-daemon, amule-utils), a throwaway
# amuled on loopback holds a few downloads, one a fake of the demo list, and
# "Check aMule" with the row menu's aMule commands, the options holding the
# connection and the link dialog's "Add the clean links to aMule" are taken
# with it.
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
cmake --build "$build" -j"$(nproc)" --target kestrivane kestrivane-cli kv_bench_gui_check

work=$(mktemp -d)
xvfb_pid=""
amuled_pid=""
cleanup() {
    if [ -n "$amuled_pid" ]; then
        kill "$amuled_pid" 2>/dev/null || true
        wait "$amuled_pid" 2>/dev/null || true
    fi
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
names="main-window row-menu options about mark-fake first-start check-links main-window-5000 main-window-dark
       main-window-de"

# aMule's daemon with its own configuration (servers, Kad and UPnP off; External
# Connections on a free loopback port), the downloads of the link dialog's
# forum post added over EC, and the connection stored in a copy of the demo home.
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
if command -v amuled >/dev/null && command -v amulecmd >/dev/null; then
    amule=$work/amule
    mkdir -p "$amule/Temp" "$amule/Incoming"
    ec_port=$(free_port)
    password=kestrivane-demo
    cat >"$amule/amule.conf" <<EOF
[eMule]
Address=127.0.0.1
Port=$(free_port)
UDPPort=$(free_port)
UDPEnable=0
ConnectToKad=0
ConnectToED2K=0
Autoconnect=0
Reconnect=0
UPnPEnabled=0
TempDir=$amule/Temp
IncomingDir=$amule/Incoming
[ExternalConnect]
AcceptExternalConnections=1
ECAddress=127.0.0.1
ECPort=$ec_port
ECPassword=$(printf %s "$password" | md5sum | cut -d' ' -f1)
UPnPECEnabled=0
[WebServer]
Enabled=0
EOF
    HOME=$amule amuled -c "$amule" >"$amule/amuled.out" 2>&1 </dev/null &
    amuled_pid=$!
    for _ in $(seq 100); do
        (exec 3<>"/dev/tcp/127.0.0.1/$ec_port") 2>/dev/null && break
        sleep 0.2
    done
    for link in \
        'ed2k://|file|The%20Long%20Road%20(2006).DVDRip.avi|734003200|3BD5BA5B199D13A55AB98766F2D08FCC|/' \
        'ed2k://|file|Holiday%20Photos.jpg.exe|348160|5F0E2B6C9A1D4E7F8A3B2C1D0E9F8A7B|/' \
        'ed2k://|file|Concert%20Live.mkv|1468006400|0A1B2C3D4E5F60718293A4B5C6D7E8F9|/' \
        'ed2k://|file|Linux%20Install%20DVD.iso|4700000000|E3B0C44298FC1C149AFBF4C8996FB924|/'; do
        # amuled 2.3.3 drops an EC connection now and then: try again.
        for _ in 1 2 3; do
            said=$(HOME=$amule amulecmd -h 127.0.0.1 -p "$ec_port" -P "$password" -c "add $link" 2>&1 || true)
            [[ $said == *"Operation was successful"* ]] && break
        done
    done
    amule_home=$work/amule-home
    cp -R "$home" "$amule_home"
    sed -i "s|^TempDir=[^\r]*|TempDir=$amule/Temp|" "$amule_home/Kestrivane.ini"
    printf '%s\n' "$password" | HOME=$user "$build/src/cli/kestrivane-cli" --home "$amule_home" \
        amule connect "127.0.0.1:$ec_port" --password-stdin
    HOME=$user DISPLAY=:99 QT_QPA_PLATFORM=xcb KESTRIVANE_HOME=$amule_home KESTRIVANE_SCREENSHOTS=$shots \
        KESTRIVANE_SCREENSHOT_SET=amule "$build/src/app/kestrivane"
    names="$names check-amule"
else
    echo "screenshots.sh: amuled or amulecmd not installed: the aMule pictures are left as they are" >&2
fi

for name in $names; do
    cp "$shots/$name.png" "$out/$name.png"
    echo "Wrote $out/$name.png"
done
