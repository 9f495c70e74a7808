#!/usr/bin/env bash
# Regenerates the sample heads in this directory from real tools. Not run by
# CI (the tools need not be installed there); run by hand after changing it:
#   apt-get install ffmpeg xorriso zip p7zip-full gcab gzip bzip2 xz-utils qpdf gcc gcc-mingw-w64-x86-64
#   tests/inspect/data/make-samples.sh
# Each sample keeps only the first 8 KiB of the tool's output (a download's
# head is all the inspection ever sees). Exceptions, noted below: the ISO
# sample and the RAR samples.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

keep() { head -c 8192 "$1" > "$out/$2"; }  # file, sample name

ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }
video=(-f lavfi -i testsrc=duration=1:size=64x48:rate=25)
audio=(-f lavfi -i sine=frequency=440:duration=1)

# Video containers, each with a second of test picture and tone.
ff "${video[@]}" "${audio[@]}" -c:v mpeg4 -c:a mp3 v.avi;               keep v.avi avi.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg4 -c:a mp3 v.mkv;               keep v.mkv mkv.head
ff "${video[@]}" "${audio[@]}" -c:v libvpx -c:a libvorbis v.webm;       keep v.webm webm.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg4 -c:a aac v.mp4;               keep v.mp4 mp4.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg4 -c:a aac -f mov v.mov;        keep v.mov mov.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg1video -c:a mp2 -f vob v.mpg;   keep v.mpg mpeg-ps.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg2video -c:a mp2 -f mpegts v.ts; keep v.ts mpeg-ts.head
ff "${video[@]}" "${audio[@]}" -c:v wmv2 -c:a wmav2 v.wmv;              keep v.wmv wmv.head
ff "${video[@]}" "${audio[@]}" -c:v flv1 -c:a mp3 -f flv v.flv;         keep v.flv flv.head
ff "${video[@]}" "${audio[@]}" -c:v libtheora -c:a libvorbis v.ogv;     keep v.ogv ogg.head

# Audio.
ff "${audio[@]}" -c:a wmav2 a.wma;                  keep a.wma wma.head
ff "${audio[@]}" -c:a flac a.flac;                  keep a.flac flac.head
ff "${audio[@]}" -c:a pcm_s16le a.wav;              keep a.wav wav.head
ff "${audio[@]}" -c:a libmp3lame a.mp3;             keep a.mp3 mp3-id3.head
ff "${audio[@]}" -c:a libmp3lame -write_xing 0 -id3v2_version 0 a-raw.mp3; keep a-raw.mp3 mp3-frames.head

# Pictures.
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 p.jpg; keep p.jpg jpeg.head
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 p.png; keep p.png png.head
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 p.gif; keep p.gif gif.head

# A disc image: the primary volume descriptor alone (the sector at 0x8000),
# since the 32 KiB before it are zeros; the tests put it back at 0x8000.
mkdir iso-root && cp v.avi iso-root/MOVIE.AVI
xorriso -as mkisofs -quiet -V FILM -o disc.iso iso-root
dd if=disc.iso of="$out/iso9660-at-8000.head" bs=2048 skip=16 count=1 status=none

# Archives. The content is a video, as in a fake that hides an archive.
head -c 20000 v.avi > film.avi
zip -q plain.zip film.avi;                   keep plain.zip zip.head
zip -q -P pw crypt.zip film.avi;             keep crypt.zip zip-encrypted.head
7z a -bd -bso0 -mx=1 plain.7z film.avi;      keep plain.7z 7z.head
7z a -bd -bso0 -mx=1 -ppw crypt.7z film.avi; keep crypt.7z 7z-encrypted.head
7z a -bd -bso0 -tzip -mem=AES256 -ppw aes.zip film.avi; keep aes.zip zip-aes.head
gcab -c -z files.cab film.avi;               keep files.cab cab.head
gzip -c film.avi > film.gz;                  keep film.gz gzip.head
bzip2 -c film.avi > film.bz2;                keep film.bz2 bzip2.head
xz -c film.avi > film.xz;                    keep film.xz xz.head
# RAR: no free tool writes it (rar is non-free, unrar-free only reads), so the
# RAR 4 and RAR 5 heads are built from the format's published block layout by
# the tests themselves (tests/inspect/SampleFiles.cpp).

# A document.
printf '%s\n' '%PDF-1.4' '1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj' \
  '2 0 obj << /Type /Pages /Kids [] /Count 0 >> endobj' 'trailer << /Root 1 0 R >>' '%%EOF' > raw.pdf
qpdf raw.pdf doc.pdf 2>/dev/null || [ $? -eq 3 ];  keep doc.pdf pdf.head

# Programs and scripts.
printf 'int main(void){return 0;}\n' > p.c
x86_64-w64-mingw32-gcc -Os -s -o p.exe p.c;  keep p.exe pe.head
gcc -Os -s -o p.elf p.c;                     keep p.elf elf.head
printf '#!/bin/sh\necho "installing codec"\n' > s.sh; cp s.sh "$out/shell.head"
printf '@echo off\r\nstart http://example.invalid/codec\r\n' > s.bat; cp s.bat "$out/batch.head"

ls -l "$out"
