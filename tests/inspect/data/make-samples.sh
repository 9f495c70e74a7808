#!/usr/bin/env bash
# Regenerates the sample heads in this directory from real tools. Not run by
# CI (the tools need not be installed there); run by hand after changing it:
#   apt-get install ffmpeg xorriso zip p7zip-full gcab gzip bzip2 xz-utils qpdf gcc gcc-mingw-w64-x86-64 \
#     sox lame flac vorbis-tools opus-tools wavpack musepack-tools mkvtoolnix genisoimage udftools wixl arj \
#     pandoc djvulibre-bin python3-mutagen
#   tests/inspect/data/make-samples.sh
# Each sample keeps only the first 8 KiB of the tool's output (a download's
# head is all the inspection ever sees), and sizes.txt the whole file's size,
# at which the tests publish it. Exceptions, noted below: the ISO and UDF
# samples, the AVI, OpenDML and MSI samples, the RAR samples, and the video
# and audio by codec (64 KiB each).
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

: > "$out/sizes.txt"
keep() {  # file, sample name[, bytes kept]
    head -c "${3:-8192}" "$1" > "$out/$2"
    echo "${2%.head} $(stat -c %s "$1")" >> "$out/sizes.txt"
}

ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }
video=(-f lavfi -i testsrc=duration=1:size=64x48:rate=25)
audio=(-f lavfi -i sine=frequency=440:duration=1)

# Video containers, each with a second of test picture and tone.
ff "${video[@]}" "${audio[@]}" -c:v mpeg4 -c:a mp3 v.avi;               keep v.avi avi.head
head -c 65536 v.avi > "$out/avi.head"  # whole: its headers end (movi) after 8 KiB
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

# --- Formats people share, each to be clean under its own and usual names ----
ff "${video[@]}" "${audio[@]}" -c:v libx264 -preset ultrafast -c:a aac v.m4v;        keep v.m4v m4v.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg4 -c:a aac -movflags +faststart vf.mp4;      keep vf.mp4 mp4-faststart.head
ff "${video[@]}" "${audio[@]}" -c:v h263 -s 176x144 -c:a aac -ar 8000 -ac 1 v.3gp;   keep v.3gp 3gp.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg2video -c:a mp2 -f vob v.vob;                keep v.vob vob.head
ff "${video[@]}" "${audio[@]}" -c:v mpeg2video -c:a ac3 -f mpegts -mpegts_m2ts_mode 1 v.m2ts; keep v.m2ts m2ts.head
ff "${video[@]}" "${audio[@]}" -c:v rv10 -c:a ac3 -f rm v.rm;                        keep v.rm rm.head
ff "${video[@]}" -c:v flv1 -f swf v.swf;                                             keep v.swf swf.head
ff "${video[@]}" "${audio[@]}" -c:v libtheora -c:a libvorbis -f ogg v.ogm;           keep v.ogm ogm.head
# mkvmerge's own files, and an audio-only one.
mkvmerge -q -o mm.mkv v.mp4;                                                         keep mm.mkv mkvmerge.head
ff "${audio[@]}" -c:a libvorbis a.ogg; mkvmerge -q -o a.mka a.ogg;                   keep a.mka mka.head
# Ten seconds of 1080p at 40 Mbit/s: a Blu-ray remux sample's rate.
ff -f lavfi -i "testsrc2=duration=10:size=1920x1080:rate=24,noise=alls=40:allf=t" "${audio[@]}" \
   -c:v mpeg2video -b:v 40M -minrate 40M -maxrate 40M -bufsize 20M -c:a ac3 -b:a 640k remux.mkv
keep remux.mkv remux-40mbit.head
# A film's OpenDML AVI: raw frames until the first RIFF is full and AVIX lists follow.
ff -f lavfi -i testsrc=duration=16:size=1920x1080:rate=25 -c:v rawvideo -pix_fmt yuv420p odml.avi
# Its dmlh stands after 45 KiB of reserved index space: this head keeps 64 KiB, a download's whole window.
keep odml.avi avi-odml.head; head -c 65536 odml.avi > "$out/avi-odml.head"; rm odml.avi

# Audio as people share it (sox -D: no dither noise, the same bytes each run).
sox -D -n -r 44100 -c 2 -b 16 s.wav synth 3 sine 440; keep s.wav sox-wav.head
sox -D -n -r 44100 -c 2 -b 16 s.aiff synth 3 sine 440; keep s.aiff aiff.head
lame --quiet -V 0 s.wav vbr.mp3;                       keep vbr.mp3 mp3-vbr.head
lame --quiet -b 128 --nohist s.wav cbr.mp3;            keep cbr.mp3 mp3-lame.head
ff -i s.wav -c:a libmp3lame -b:a 128k -f wav riff.mp3; keep riff.mp3 mp3-in-wav.head
ff -i s.wav -c:a mp2 -f mp2 a.mp2;                     keep a.mp2 mp2.head
ff -i s.wav -c:a aac -f adts a.aac;                    keep a.aac aac-adts.head
ff -i s.wav -c:a aac a.m4a;                            keep a.m4a m4a.head
ff -i s.wav -c:a alac alac.m4a;                        keep alac.m4a alac.head
ff -i s.wav -c:a ac3 -f ac3 a.ac3;                     keep a.ac3 ac3.head
ff -i s.wav -c:a dca -strict -2 -f dts a.dts;          keep a.dts dts.head
ff -i s.wav -c:a tta -f tta a.tta;                     keep a.tta tta.head
flac -s -f -o f.flac s.wav;                            keep f.flac flac-tool.head
oggenc -Q -o v.ogg s.wav;                              keep v.ogg vorbis.head
opusenc --quiet s.wav o.opus;                          keep o.opus opus.head
wavpack -q -y s.wav -o w.wv;                           keep w.wv wavpack.head
mpcenc --silent s.wav m.mpc;                           keep m.mpc musepack.head
ff -i s.wav -c:a pcm_s16le -f wav -rf64 always rf64.wav; keep rf64.wav rf64.head

# --- Video by how its codec spends bits, audio with pictures and tags -------
# 64 KiB heads: the whole window a download's head is read in, where the
# tracks and their codec records are. Two seconds of grainy 1080p each, so
# that the intra, lossless and raw ones run far above any lossy rate.
grain=(-f lavfi -i "testsrc2=duration=2:size=1920x1080:rate=25,noise=alls=30:allf=t")
ff "${grain[@]}" "${audio[@]}" -c:v ffv1 -c:a flac ffv1.mkv;                            keep ffv1.mkv ffv1-mkv.head 65536
ff "${grain[@]}" -c:v ffv1 -level 3 ffv1.avi;                                          keep ffv1.avi ffv1-avi.head 65536
ff "${grain[@]}" -c:v prores_ks -profile:v 4 -pix_fmt yuva444p10le -movflags +faststart prores.mov
keep prores.mov prores-4444.head 65536
ff "${grain[@]}" -c:v dnxhd -profile:v dnxhr_hqx -pix_fmt yuv422p10le -movflags +faststart dnxhr.mov
keep dnxhr.mov dnxhr.head 65536
ff "${grain[@]}" -c:v dnxhd -b:v 185M -pix_fmt yuv422p dnxhd.mkv;                    keep dnxhd.mkv dnxhd-mkv.head 65536
ff "${grain[@]}" -c:v huffyuv huffyuv.avi;                                             keep huffyuv.avi huffyuv.head 65536
ff "${grain[@]}" -c:v utvideo utvideo.avi;                                             keep utvideo.avi utvideo.head 65536
ff "${grain[@]}" -c:v utvideo utvideo.mkv;                                             keep utvideo.mkv utvideo-mkv.head 65536
ff "${grain[@]}" -c:v mjpeg -q:v 1 mjpeg.avi;                                          keep mjpeg.avi mjpeg.head 65536
ff "${grain[@]}" -c:v rawvideo -pix_fmt uyvy422 raw.mkv;                               keep raw.mkv rawvideo-mkv.head 65536
ff "${grain[@]}" -c:v rawvideo -pix_fmt uyvy422 -movflags +faststart uyvy.mov;         keep uyvy.mov uyvy-mov.head 65536
ff "${grain[@]}" -c:v v210 -movflags +faststart v210.mov;                              keep v210.mov v210.head 65536
# Lossless H.264 as screen recorders write it, and H.264 intra 4:2:2 10-bit.
ff "${grain[@]}" -c:v libx264 -preset ultrafast -qp 0 x264-lossless.mkv;              keep x264-lossless.mkv x264-lossless.head 65536
ff "${grain[@]}" -c:v libx264 -preset ultrafast -qp 0 -movflags +faststart x264-lossless.mp4
keep x264-lossless.mp4 x264-lossless-mp4.head 65536
ff "${grain[@]}" -c:v libx264 -preset ultrafast -qp 0 -f flv x264-lossless.flv;       keep x264-lossless.flv x264-lossless-flv.head 65536
ff "${grain[@]}" -c:v libx264 -preset ultrafast -pix_fmt yuv422p10le -x264-params keyint=1:crf=1 x264-intra.mkv
keep x264-intra.mkv x264-intra-422.head 65536
ff "${grain[@]}" -c:v libx265 -preset ultrafast -x265-params lossless=1:log-level=error x265-lossless.mkv
keep x265-lossless.mkv x265-lossless.head 65536
# Lossy ones of today, at a high but real quality on lightly grained film: each must stay clean.
film=(-f lavfi -i "testsrc2=duration=2:size=1920x1080:rate=25,noise=alls=8:allf=t")
ff "${film[@]}" -c:v libx265 -preset ultrafast -crf 16 -x265-params log-level=error -tag:v hvc1 -movflags +faststart hevc.mp4
keep hevc.mp4 hevc.head 65536
ff "${film[@]}" -c:v libsvtav1 -preset 12 -crf 20 av1.mkv;                           keep av1.mkv av1.head 65536
ff "${film[@]}" -c:v libvpx-vp9 -deadline realtime -cpu-used 8 -crf 10 -b:v 0 vp9.webm; keep vp9.webm vp9.head 65536
ff "${film[@]}" -c:v libx264 -preset ultrafast -crf 18 -movflags +faststart x264-crf18.mp4
keep x264-crf18.mp4 x264-crf18.head 65536
ff "${film[@]}" -c:v libx264 -preset ultrafast -crf 14 -pix_fmt yuv444p x264-444.mkv; keep x264-444.mkv x264-444.head 65536
# A ten-second FLAC track with two scans of 12 MB (the second's block starts past the head), an
# MP3 whose ID3 tag holds a 5 MB scan, an audiobook with its cover.
ff -f lavfi -i "nullsrc=size=2000x2000,geq=random(1)*255:random(2)*255:random(3)*255" -frames:v 1 -pix_fmt rgb24 scan1.png
ff -f lavfi -i "nullsrc=size=2000x2000,geq=random(4)*255:random(5)*255:random(6)*255" -frames:v 1 -pix_fmt rgb24 scan2.png
sox -D -n -r 44100 -c 2 -b 16 t.wav synth 10 sine 440
flac -s -f --picture="3||front|2000x2000x24|scan1.png" --picture="4||back|2000x2000x24|scan2.png" -o scans.flac t.wav
keep scans.flac flac-scans.head 65536
head -c 5000000 /dev/urandom > cover.jpg
lame --quiet -b 128 t.wav apic.mp3
/usr/bin/python3 -c 'import sys; from mutagen.id3 import ID3, APIC; t = ID3(); t.add(APIC(encoding=3, mime="image/jpeg", type=3, desc="", data=open("cover.jpg", "rb").read())); t.save(sys.argv[1])' apic.mp3
keep apic.mp3 mp3-apic.head 65536
ff -f lavfi -i sine=frequency=300:duration=3600 -c:a aac -b:a 32k -ac 1 -movflags +faststart book.m4b
/usr/bin/python3 -c 'import sys; from mutagen.mp4 import MP4, MP4Cover; f = MP4(sys.argv[1]); f["covr"] = [MP4Cover(open("cover.jpg", "rb").read(), MP4Cover.FORMAT_JPEG)]; f.save()' book.m4b
keep book.m4b m4b-cover.head 65536
ff "${audio[@]}" -c:a libopus a.webm;                                                 keep a.webm webm-audio.head
ff "${audio[@]}" -c:a ac3 a-ac3.mka;                                                   keep a-ac3.mka mka-ac3.head
# The fakes: lossy clips stretched to a film's size, where the head gives no
# byte size (or one a faker edited), found from the bits a pixel they need.
ff -f lavfi -i testsrc2=duration=120:size=640x272:rate=25 "${audio[@]}" -c:v libxvid -q:v 4 -vtag XVID -c:a libmp3lame xvid.avi
keep xvid.avi xvid-2min.head 65536
ff -f lavfi -i testsrc2=duration=120:size=640x272:rate=25 -c:v mpeg4 -vtag XVID xvid.mkv; keep xvid.mkv xvid-2min-mkv.head 65536
ff -f lavfi -i testsrc2=duration=600:size=320x240:rate=25 -f lavfi -i sine=duration=600 -c:v mpeg4 -c:a aac -b:a 64k \
   -movflags +faststart long.mp4;                                                      keep long.mp4 mp4-10min.head 65536
ff -f lavfi -i testsrc2=duration=120:size=320x240:rate=25 -c:v flv1 -f flv clip.flv;  keep clip.flv flv-2min.head 65536

# Pictures and documents.
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 p.bmp;   keep p.bmp bmp.head
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 p.tiff;  keep p.tiff tiff.head
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 -pix_fmt monob p.pbm; cjb2 p.pbm p.djvu; keep p.djvu djvu.head
printf '%s\n' '# Film' '' 'A page about a film, with a [link](http://example.invalid/codec).' > page.md
pandoc -s -o page.html page.md --metadata title=Film; keep page.html html.head
pandoc -o doc.docx page.md;                            keep doc.docx docx.head
pandoc -o doc.odt page.md;                             keep doc.odt odt.head
pandoc -o book.epub page.md --metadata title=Film;     keep book.epub epub.head
cp p.jpg 001.jpg && zip -q comic.cbz 001.jpg;          keep comic.cbz cbz.head

# Disc images: UDF's descriptor sector alone, as with ISO 9660 above.
truncate -s 8M udf.img; mkudffs --media-type=hd --blocksize=2048 --label=FILM udf.img >/dev/null
dd if=udf.img of="$out/udf-at-8000.head" bs=2048 skip=16 count=1 status=none

# Archives, installers and packages.
7z a -bd -bso0 -mx=1 -v12k split.7z v.avi;             keep split.7z.001 7z-volume.head
tar -czf film.tar.gz film.avi;                         keep film.tar.gz tar-gz.head
tar -cf film.tar film.avi;                             keep film.tar tar.head
arj a -y film.arj film.avi >/dev/null;                 keep film.arj arj.head
cat > setup.wxs <<'WXS'
<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="*" Name="Codec Pack" Language="1033" Version="1.0.0" Manufacturer="Example"
           UpgradeCode="12345678-1234-1234-1234-123456789012">
    <Package InstallerVersion="200" Compressed="yes"/>
    <Media Id="1" Cabinet="setup.cab" EmbedCab="yes"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFilesFolder"><Directory Id="INSTALLDIR" Name="Codec">
        <Component Id="Main" Guid="12345678-1234-1234-1234-123456789013"><File Id="F" Source="film.avi"/></Component>
      </Directory></Directory>
    </Directory>
    <Feature Id="All" Level="1"><ComponentRef Id="Main"/></Feature>
  </Product>
</Wix>
WXS
# Whole: the directory that tells an installer from an Office file comes after the first 8 KiB.
wixl -o setup.msi setup.wxs;                           keep setup.msi msi.head; cp setup.msi "$out/msi.head"
mkdir -p pkg/DEBIAN && printf 'Package: film\nVersion: 1\nArchitecture: all\nMaintainer: x <x@example.invalid>\nDescription: x\n' > pkg/DEBIAN/control
dpkg-deb -b pkg film.deb >/dev/null;                   keep film.deb deb.head

# Text people share beside films.
printf '1\r\n00:00:01,000 --> 00:00:04,000\r\nHello there, this is the first line of the film.\r\n\r\n' > s.srt
for i in $(seq 2 40); do printf '%d\r\n00:00:%02d,000 --> 00:00:%02d,500\r\nAnother line of talk in the film, number %d.\r\n\r\n' $i $i $i $i >> s.srt; done
keep s.srt srt.head

# Disc and disk images, installers.
"$out/make-structure-samples.sh"

ls -l "$out"
