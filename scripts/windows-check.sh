#!/usr/bin/env bash
# The Windows build: cross-compiled with mingw-w64, its tests run under Wine,
# and the Windows command line compared with the Linux one on the same data.
# Usage: scripts/windows-check.sh LINUX_BUILD_DIR
#   LINUX_BUILD_DIR holds a built src/cli/kestrivane-cli (test.sh's plain build).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kv_install_packages "${KV_WINDOWS_PACKAGES[@]}"
linux_cli=$(realpath "${1:-build}/src/cli/kestrivane-cli")
[ -x "$linux_cli" ] || { echo "no Linux build of kestrivane-cli at $linux_cli" >&2; exit 2; }

build=build-windows-tests
# Wine's own prefix in the build directory, quiet, with no window to open.
export WINEPREFIX=$PWD/$build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
jobs=$(nproc)

cmake --preset windows-tests >/dev/null
cmake --build --preset windows-tests -j"$jobs"
cmake --build $build --target kv_windows_zip
wineboot --init >/dev/null 2>&1 || true
(cd $build && ctest --output-on-failure -j"$jobs" --timeout 600)

exe=$PWD/$build/src/cli/kestrivane-cli.exe
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true' EXIT
winpath() { echo "Z:${1//\//\\}"; }

# The same check: an eMule-shaped temp directory (NNN.part.met beside
# NNN.part, a .bak copy) under a directory whose name is not ASCII, and the
# same program directory, for both programs.
temp="$work/eMule Téléchargements ÄÖ жук 日本/Temp"
mkdir -p "$temp" "$work/home"
cp examples/demo-temp/* "$temp/"
cp examples/FAKES.DAT "$work/home/FAKES.DAT"
"$linux_cli" --home "$work/home" check --temp-dir "$temp" --all > "$work/linux.txt" && rc_linux=0 || rc_linux=$?
wine "$exe" --home "$(winpath "$work/home")" check --temp-dir "$(winpath "$temp")" --all > "$work/windows.txt" \
    && rc_windows=0 || rc_windows=$?
# The temp directory is named as each system spells it; everything else is the same bytes.
sed -i "s|$(winpath "$temp" | sed 's/[\\.]/\\&/g')|TEMP|g" "$work/windows.txt"
sed -i "s|$temp|TEMP|g" "$work/linux.txt"
if ! cmp -s "$work/linux.txt" "$work/windows.txt" || [ "$rc_linux" != "$rc_windows" ]; then
    echo "check under Wine differs from Linux (exit $rc_windows, Linux $rc_linux):" >&2
    diff "$work/linux.txt" "$work/windows.txt" >&2 || true
    exit 1
fi
echo "check --temp-dir under Wine: $(wc -l < "$work/linux.txt") rows, the same bytes as Linux (exit $rc_linux)"

# update through WinHTTP from a loopback server (the demo's update directory).
python3 -m http.server 0 --bind 127.0.0.1 --directory examples/demo-server > "$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do grep -q "Serving HTTP" "$work/server.log" && break; sleep 0.1; done
port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$work/server.log" | head -1)
mkdir -p "$work/update-home"
wine "$exe" --home "$(winpath "$work/update-home")" update --url "http://127.0.0.1:$port/fakecheck/update" >/dev/null
cmp examples/demo-server/fakecheck/update/FAKES.DAT "$work/update-home/FAKES.DAT"
grep -q 'GET /fakecheck/update/FAKES.DAT' "$work/server.log"
echo "update under Wine: the list came through WinHTTP from 127.0.0.1:$port"

# serve under Wine: Winsock, the page's address on standard output, the API's rows.
wine "$exe" --home "$(winpath "$work/home")" serve --listen 127.0.0.1:0 --temp-dir "$(winpath "$temp")" \
    > "$work/serve.txt" 2>/dev/null &
serve=$!
for _ in $(seq 100); do grep -q "^http" "$work/serve.txt" && break; sleep 0.2; done
address=$(head -1 "$work/serve.txt")
python3 - "$address" <<'PY'
import json, sys, urllib.request
address = sys.argv[1]
base, token = address.split("/?")[0], address.split("token=")[1]
request = urllib.request.Request(base + "/api/v1/findings", headers={"Authorization": "Bearer " + token})
rows = json.load(urllib.request.urlopen(request, timeout=30))
fakes = [r["part"] for r in rows if r["fake"]]
assert len(rows) == 9 and fakes == ["002.part"], (len(rows), fakes)
PY
kill "$serve" 2>/dev/null || true
wait "$serve" 2>/dev/null || true
echo "serve under Wine: the API lists the 9 downloads and the fake"

# The watch reports a fake that arrives in the followed directory.
mkdir -p "$work/watched"
wine "$exe" --home "$(winpath "$work/home")" watch --temp-dir "$(winpath "$work/watched")" > "$work/watch.txt" 2>&1 &
watch=$!
for _ in $(seq 100); do grep -q "^Watching" "$work/watch.txt" && break; sleep 0.2; done
cp examples/demo-temp/003.part.met examples/demo-temp/002.part.met "$work/watched/"
for _ in $(seq 100); do grep -q "^002.part" "$work/watch.txt" && break; sleep 0.2; done
kill "$watch" 2>/dev/null || true
wait "$watch" 2>/dev/null || true
grep -q "^002.part.*Fake:" "$work/watch.txt" || { echo "the watch under Wine did not report the fake:" >&2; cat "$work/watch.txt" >&2; exit 1; }
echo "watch under Wine: the new fake was reported"
