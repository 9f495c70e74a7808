#!/usr/bin/env python3
"""Captures EC packets from a running amuled on loopback for the codec tests.

  capture.py PORT PASSWORD OUTDIR

Talks to the daemon with a minimal EC client of its own (flags 0x20, never
UTF-8 numbers), so that what it records is what aMule sends to a client like
ours. Writes NAME-request.bin and NAME-reply.bin per exchange. Run it through
capture.sh, which starts a throwaway amuled and adds the downloads first."""
import hashlib
import os
import socket
import struct
import sys

OP_AUTH_REQ, OP_AUTH_PASSWD, OP_ADD_LINK = 0x02, 0x50, 0x09
OP_GET_DLOAD_QUEUE, OP_PARTFILE_PAUSE = 0x0D, 0x19
TAG_PASSWD_HASH, TAG_PROTOCOL_VERSION, TAG_PASSWD_SALT = 0x01, 0x02, 0x0B
TAG_CAN_ZLIB, TAG_CLIENT_NAME, TAG_CLIENT_VERSION = 0x0C, 0x100, 0x101
TAG_STRING, TAG_PARTFILE = 0x00, 0x300
T_UINT8, T_UINT16, T_UINT64, T_STRING, T_HASH16 = 2, 3, 5, 6, 9


def tag(name, ttype, data):
    return struct.pack(">HBI", name << 1, ttype, len(data)) + data


def string_tag(name, text):
    return tag(name, T_STRING, text.encode() + b"\0")


def packet(opcode, tags):
    body = struct.pack(">BH", opcode, len(tags)) + b"".join(tags)
    return struct.pack(">II", 0x20, len(body)) + body


def recv_exact(sock, n):
    data = b""
    while len(data) < n:
        chunk = sock.recv(n - len(data))
        if not chunk:
            raise EOFError("closed")
        data += chunk
    return data


def exchange(sock, outdir, name, request):
    sock.sendall(request)
    header = recv_exact(sock, 8)
    reply = header + recv_exact(sock, struct.unpack(">I", header[4:8])[0])
    for suffix, data in (("request", request), ("reply", reply)):
        with open(os.path.join(outdir, "%s-%s.bin" % (name, suffix)), "wb") as f:
            f.write(data)
    return reply


def salt_of(reply):
    # AUTH_SALT: opcode, count, one tag holding a u64 (8 bytes, big-endian).
    return struct.unpack(">Q", reply[-8:])[0]


def login(port, password, outdir, prefix, zlib=False):
    sock = socket.create_connection(("127.0.0.1", port), timeout=10)
    tags = [string_tag(TAG_CLIENT_NAME, "capture"), string_tag(TAG_CLIENT_VERSION, "1.0"),
            tag(TAG_PROTOCOL_VERSION, T_UINT16, struct.pack(">H", 0x0204))]
    if zlib:
        tags.append(tag(TAG_CAN_ZLIB, T_UINT8, b"\x00")[:7])  # an empty tag
        tags[-1] = struct.pack(">HBI", TAG_CAN_ZLIB << 1, 1, 0)
    salt = salt_of(exchange(sock, outdir, prefix + "auth-req", packet(OP_AUTH_REQ, tags)))
    salt_hash = hashlib.md5(("%X" % salt).encode()).hexdigest()
    pw_hash = hashlib.md5(password.encode()).hexdigest()
    digest = hashlib.md5((pw_hash + salt_hash).encode()).digest()
    exchange(sock, outdir, prefix + "auth-passwd", packet(OP_AUTH_PASSWD, [tag(TAG_PASSWD_HASH, T_HASH16, digest)]))
    return sock


def main():
    port, password, outdir = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    os.makedirs(outdir, exist_ok=True)
    sock = login(port, password, outdir, "")
    exchange(sock, outdir, "dload-queue", packet(OP_GET_DLOAD_QUEUE, []))
    exchange(sock, outdir, "add-link-bad", packet(OP_ADD_LINK, [string_tag(TAG_STRING, "ed2k://|file|x|")]))
    exchange(sock, outdir, "pause-unknown",
             packet(OP_PARTFILE_PAUSE, [tag(TAG_PARTFILE, T_HASH16, bytes(range(16)))]))
    sock.close()
    sock = login(port, password, outdir, "zlib-", zlib=True)
    exchange(sock, outdir, "zlib-dload-queue", packet(OP_GET_DLOAD_QUEUE, []))
    sock.close()
    sock = socket.create_connection(("127.0.0.1", port), timeout=10)
    login(port, password + "x", outdir, "wrong-")


if __name__ == "__main__":
    main()
