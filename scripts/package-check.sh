#!/usr/bin/env bash
# Builds the Debian package from an optimised tree, installs it with dpkg, runs
# the installed checker and removes the package again, checking that its files
# are gone. Changes the system: meant for CI machines and containers.
# Usage: scripts/package-check.sh [BUILD_DIR]   (default: build-release)
# BUILD_DIR is configured as a Release build of the programs alone (no tests,
# no benchmarks) and built first; ccache makes a second run cheap.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && rm -f kestrivane_*.deb && cpack -G DEB >/dev/null)
debs=("$build"/kestrivane_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "package-check: cpack wrote no .deb" >&2; exit 1; }
echo "Package: $deb"
dpkg-deb -f "$deb" Package Version Depends Recommends
# The watch's user unit notifies through notify-send: its package must be recommended.
if grep -q notify-send data/systemd/kestrivane-watch.service.in &&
    ! dpkg-deb -f "$deb" Recommends | grep -qw libnotify-bin; then
    echo "package-check: the watch unit calls notify-send, but libnotify-bin is not recommended" >&2
    exit 1
fi

# Debian's own checks: any error fails (warnings and notes are shown).
command -v lintian >/dev/null || { echo "package-check: lintian is missing (scripts/deps.sh installs it)" >&2; exit 1; }
lint=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "^running with root privileges" || true)
[ -z "$lint" ] || echo "$lint"
if grep -q "^E: " <<<"$lint"; then
    echo "package-check: lintian reports errors" >&2
    exit 1
fi
echo "lintian: no errors"

if dpkg-query -W -f='${Status}' kestrivane 2>/dev/null | grep -q "install ok installed"; then
    echo "package-check: kestrivane is installed already; not touching it" >&2
    exit 1
fi

# dpkg -i needs no network: the build's own packages brought every library in.
removed=no
remove() { [ "$removed" = yes ] || $sudo dpkg -r kestrivane >/dev/null; removed=yes; }
trap remove EXIT
$sudo dpkg -i "$deb"
files=$(dpkg -L kestrivane | while read -r f; do [ -f "$f" ] && echo "$f"; done)

version=$(/usr/bin/kestrivane-cli --version)
expected="kestrivane-cli $(dpkg-deb -f "$deb" Version)"
[ "$version" = "$expected" ] || { echo "package-check: '$version', not '$expected'" >&2; exit 1; }
echo "Installed: $version"

remove
left=0
while read -r f; do
    [ -n "$f" ] && [ -e "$f" ] && { echo "package-check: $f is left after dpkg -r" >&2; left=1; }
done <<<"$files"
dpkg-query -W -f='${Status}' kestrivane 2>/dev/null | grep -q "install ok installed" &&
    { echo "package-check: kestrivane is still installed" >&2; left=1; }
[ "$left" -eq 0 ] || exit 1
echo "Removed: $(wc -l <<<"$files") files gone"
