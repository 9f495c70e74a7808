#!/usr/bin/env bash
# Builds Kestrivane and starts it.
#
#   ./run.sh              a fresh demo: a copy of examples/demo-home under
#                         build/demo-home, the demo downloads in examples/demo-temp,
#                         and a small update server on 127.0.0.1 for "&Update DB"
#   ./run.sh --home DIR   your own program directory (Kestrivane.ini, FAKES.DAT);
#                         nothing is copied, served or written by this script
#
# Without a display the command-line checker runs on the same program directory.
set -euo pipefail
cd "$(dirname "$0")"
repo=$PWD

home=""
while [ $# -gt 0 ]; do
    case "$1" in
        --home)
            [ $# -ge 2 ] || { echo "run.sh: --home needs a directory" >&2; exit 2; }
            home=$2; shift 2 ;;
        -h|--help)
            sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *)
            echo "run.sh: unknown argument: $1 (try --help)" >&2; exit 2 ;;
    esac
done
if [ -n "$home" ]; then
    [ -d "$home" ] || { echo "run.sh: $home is no directory" >&2; exit 2; }
    home=$(cd "$home" && pwd)
fi

source scripts/deps.sh
kv_install_packages "${KV_BUILD_PACKAGES[@]}"

display=yes
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && display=no

# The same build directory and type as ./test.sh, so that neither rebuilds the other's work.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
targets=(kestrivane-cli)
[ "$display" = yes ] && targets+=(kestrivane)
cmake --build build -j"$(nproc)" --target "${targets[@]}"

server_pid=""
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
}
trap stop_server EXIT

if [ -z "$home" ]; then
    home=$repo/build/demo-home
    port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    scripts/make-demo-home.sh "$home" "$repo/examples/demo-temp" "http://127.0.0.1:$port/fakecheck/update"

    if [ "$display" = yes ]; then
        python3 -m http.server --bind 127.0.0.1 "$port" --directory examples/demo-server \
            >"$repo/build/demo-server.log" 2>&1 &
        server_pid=$!
        for _ in $(seq 50); do
            (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
            sleep 0.1
        done
        echo "Demo update server: http://127.0.0.1:$port/fakecheck/update (stops when the program ends)"
    fi
    echo "Demo program directory: $home"
fi

if [ "$display" = no ]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the command-line check instead."
    echo "\$ kestrivane-cli --home $home check"
    status=0
    build/src/cli/kestrivane-cli --home "$home" check || status=$?
    case $status in
        0) echo "Result: no known fake among the downloads." ;;
        1) echo "Result: known fakes found (listed above)." ;;
        *) echo "Result: the check could not run (exit status $status)." >&2; exit "$status" ;;
    esac
    exit 0
fi

status=0
KESTRIVANE_HOME=$home build/src/app/kestrivane || status=$?
exit "$status"
