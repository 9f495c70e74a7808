#!/usr/bin/env bash
# Makes a demo program directory: the example settings pointed at a temp
# directory and an update address, and the demo fake list.
# Usage: scripts/make-demo-home.sh HOME TEMP_DIR UPDATE_URL
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 3 ] || { echo "usage: $0 HOME TEMP_DIR UPDATE_URL" >&2; exit 2; }
home=$1 temp=$2 url=$3
rm -rf "$home"
cp -R examples/demo-home "$home"
cp examples/FAKES.DAT "$home/FAKES.DAT"
python3 - "$home/Kestrivane.ini" "$temp" "$url" <<'PY'
import sys
ini, temp, url = sys.argv[1:]
with open(ini, "rb") as f:
    text = f.read()
text = text.replace(b"@DEMO_TEMP@", temp.encode()).replace(b"@UPDATE_URL@", url.encode())
with open(ini, "wb") as f:
    f.write(text)
PY
