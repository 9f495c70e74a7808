#!/usr/bin/env bash
# Re-captures the EC packets under this directory from Debian's amuled:
# starts a throwaway daemon on loopback (servers, Kad, UPnP off), adds three
# downloads with amulecmd and runs capture.py against it.
#   tests/clients/amule/data/capture.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
port=${EC_PORT:-24713}
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/Temp" "$work/Incoming"
cat >"$work/amule.conf" <<CONF
[eMule]
Address=127.0.0.1
Port=$((port + 1))
UDPPort=$((port + 2))
UDPEnable=0
ConnectToKad=0
ConnectToED2K=0
Autoconnect=0
Reconnect=0
UPnPEnabled=0
TempDir=$work/Temp
IncomingDir=$work/Incoming
[ExternalConnect]
AcceptExternalConnections=1
ECAddress=127.0.0.1
ECPort=$port
ECPassword=$(printf secret | md5sum | cut -d' ' -f1)
UPnPECEnabled=0
[WebServer]
Enabled=0
CONF
amuled -c "$work" >"$work/amuled.log" 2>&1 &
pid=$!
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.2
done
for link in \
    'ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/' \
    'ed2k://|file|Caf%C3%A9%20del%20Mar.mp3|5242880|FEDCBA9876543210FEDCBA9876543210|/' \
    'ed2k://|file|Big.iso|5000000000|00112233445566778899AABBCCDDEEFF|/'; do
    amulecmd -h 127.0.0.1 -p "$port" -P secret -c "add $link" >/dev/null
done
python3 "$here/capture.py" "$port" secret "$here"
