#!/usr/bin/env bash
# Regenerates the heads of disc and disk images and installers that
# make-samples.sh calls for at its end; runs on its own as well (it replaces
# only its own lines in sizes.txt):
#   apt-get install genisoimage dosfstools fdisk gdisk makeself gcc
#   tests/inspect/data/make-structure-samples.sh
# Images keep the bytes a download's head shows of them: from 32 KiB on
# (their volume descriptors, "-at-8000": the tests put the zeros before them
# back) or their first 36 KiB (partition tables and boot sectors, then what
# follows up to the descriptors' place).
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

names=(iso-joliet-at-8000 iso-udf-at-8000 fat mbr gpt makeself)
for n in "${names[@]}"; do sed -i "/^${n%-at-8000} /d" "$out/sizes.txt"; done
size() { echo "$1 $(stat -c %s "$2")" >> "$out/sizes.txt"; }

mkdir root && head -c 300000 /dev/zero > root/FILM.AVI && printf 'A film.\r\n' > root/README.TXT
genisoimage -quiet -J -R -V FILM -o joliet.iso root
dd if=joliet.iso of="$out/iso-joliet-at-8000.head" bs=2048 skip=16 count=4 status=none; size iso-joliet joliet.iso
genisoimage -quiet -udf -V FILM -o udf.iso root
dd if=udf.iso of="$out/iso-udf-at-8000.head" bs=2048 skip=16 count=4 status=none; size iso-udf udf.iso

mkfs.vfat -C fat.img 32768 >/dev/null;                  head -c 36864 fat.img > "$out/fat.head"; size fat fat.img
truncate -s 64M mbr.img && echo 'start=2048, type=83' | sfdisk -q mbr.img
head -c 36864 mbr.img > "$out/mbr.head"; size mbr mbr.img
truncate -s 64M gpt.img && sgdisk -q -n 1:2048:0 gpt.img >/dev/null
head -c 36864 gpt.img > "$out/gpt.head"; size gpt gpt.img

# A Linux installer as vendors ship it: a shell script with its archive appended.
mkdir payload && printf '#!/bin/sh\necho installed\n' > payload/setup.sh && chmod +x payload/setup.sh
head -c 200000 /dev/urandom > payload/data.bin
makeself --quiet payload installer.run "Film player" ./setup.sh >/dev/null
head -c 8192 installer.run > "$out/makeself.head"; size makeself installer.run
