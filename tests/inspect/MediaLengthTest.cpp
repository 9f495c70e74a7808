// What containers say of their own length, on real heads and hostile ones.
#include <gtest/gtest.h>

#include <cmath>

#include "Samples.h"
#include "inspect/MediaLength.h"
#include "inspect/MediaTracks.h"

namespace kv::inspect {
namespace {

using test::BE;
using test::LE;
using test::Patch;
using test::Sample;

// The broadcast flag set in the File Properties object: size and duration void.
std::string AsfBroadcast(std::string asf) {
    const size_t at = asf.find(test::Bytes("\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65"));
    asf[at + 88] = static_cast<char>(asf[at + 88] | 1);
    return asf;
}

std::string Declared(const std::string& head) {
    const DeclaredLength d = ReadDeclaredLength(Sniff(head), head);
    char seconds[32] = "-", max[32] = "";
    if (d.seconds) std::snprintf(seconds, sizeof seconds, "%.2f", *d.seconds);
    if (d.maxBitRate) std::snprintf(max, sizeof max, " max %ldk", std::lround(*d.maxBitRate / 1000));
    const std::string picture = d.pixelRate > 0 ? " for " + std::to_string(d.width) + "x" + std::to_string(d.height) : "";
    const std::string meta = d.metaBytes > 0 ? ", " + std::to_string(d.metaBytes) + " meta" : "";
    return (d.bytes ? std::to_string(*d.bytes) : "-") + " bytes, " + seconds + " s" + max + picture + meta;
}

// Bytes as stated, seconds, the bit-rate ceiling in kbit/s (and the picture it follows), the bytes of
// tags and pictures; each clean file's stated length is its true size (sizes.txt) but for an MP4 whose
// moov follows its mdat. A 64x48 picture at 25 frames a second: 8 bits a pixel and 10 Mbit/s of sound;
// at an unknown rate, 60 frames.
TEST(DeclaredLength, RealHeads) {
    const struct { std::string sample, found; } rows[] = {
        {"avi", "28488 bytes, 1.04 s max 10614k for 64x48"}, {"avi-odml", "- bytes, 16.00 s"},
        {"wmv", "32901 bytes, 1.05 s max 11475k for 64x48"}, {"wma", "19744 bytes, 1.02 s max 160000k"},
        {"mkv", "18026 bytes, 1.02 s max 10614k for 64x48, 224 meta"}, {"mkvmerge", "24027 bytes, 1.04 s max 11475k for 64x48"},
        {"webm", "9168 bytes, 1.00 s max 10614k for 64x48, 218 meta"}, {"remux-40mbit", "50177844 bytes, 10.01 s max 160000k, 222 meta"},
        {"mp4", "17382 bytes, - s"}, {"mp4-faststart", "19444 bytes, 1.00 s max 10614k for 64x48, 2062 meta"},
        {"mov", "17374 bytes, - s"}, {"m4a", "48369 bytes, - s"},
        {"mp3-vbr", "37716 bytes, 3.03 s max 640k"}, {"mp3-lame", "48900 bytes, 3.03 s max 640k"},
        {"mp3-id3", "8586 bytes, 1.04 s max 640k, 45 meta"}, {"mp3-frames", "- bytes, - s max 640k"},
        {"flac", "- bytes, 1.00 s max 741k, 8288 meta"}, {"flac-tool", "- bytes, 3.00 s max 1482k, 8304 meta"},
        {"wav", "88278 bytes, 1.00 s max 713k"}, {"sox-wav", "529244 bytes, 3.00 s max 1425k"},
        {"mp3-in-wav", "48588 bytes, 3.03 s max 129k"}, {"rf64", "- bytes, - s"},
        {"ogg", "- bytes, - s"}, {"mpeg-ps", "- bytes, - s"},
        // A Windows Media writer's frame rate (25 a second) in its Extended Stream Properties.
        {"wmv 25 fps", "32901 bytes, 1.05 s max 10614k for 64x48"},
        // Intra and lossless video: no ceiling; lossy video at its picture's.
        {"ffv1-mkv", "125997324 bytes, 2.00 s, 217 meta"}, {"prores-4444", "339139731 bytes, 2.00 s, 1102 meta"},
        {"x264-lossless-flv", "- bytes, 2.00 s"}, {"xvid-2min", "28068848 bytes, 120.04 s max 44816k for 640x272"},
        {"mp4-10min", "- bytes, 600.00 s max 25360k for 320x240, 389618 meta"},
        {"flv-2min", "- bytes, 120.00 s max 25360k for 320x240"},
        // A FLAC whose second picture's block starts past the head: how much metadata is not known.
        {"flac-scans", "- bytes, 10.00 s"},
    };
    for (const auto& row : rows) {
        const std::string head = row.sample == "wmv 25 fps" ? test::WithFrameTime(Sample("wmv"), 1, 400000) : Sample(row.sample);
        EXPECT_EQ(Declared(head), row.found) << row.sample;
    }
}

// The first video track's codec family, picture and frame rate, and whether
// the container holds sound only, from heads of files real encoders wrote.
TEST(MediaTracks, CodecFamiliesFromRealHeads) {
    const char* kFamilies[] = {"none", "lossy", "intra", "lossless", "raw", "undecided"};
    const struct { std::string sample, found; } rows[] = {
        {"avi", "lossy 64x48 25 fps"}, {"mkv", "lossy 64x48 25 fps"}, {"webm", "lossy 64x48 25 fps"},
        {"mp4-faststart", "lossy 64x48 25 fps"}, {"m4v", "none"}, {"wmv", "lossy 64x48"},
        {"flv", "lossy 64x48 25 fps"}, {"ogg", "lossy"},
        {"ffv1-mkv", "lossless 1920x1080 25 fps"}, {"ffv1-avi", "lossless 1920x1080 25 fps"},
        {"huffyuv", "lossless 1920x1080 25 fps"}, {"utvideo", "lossless 1920x1080 25 fps"},
        {"utvideo-mkv", "lossless 1920x1080 25 fps"}, {"x264-lossless", "lossless 1920x1080 25 fps"},
        {"x264-lossless-mp4", "lossless 1920x1080 25 fps"}, {"x264-lossless-flv", "lossless 1920x1080 25 fps"},
        {"x265-lossless", "lossless 1920x1080 25 fps"},
        {"prores-4444", "intra 1920x1080 25 fps"}, {"dnxhr", "intra 1920x1080 25 fps"},
        {"dnxhd-mkv", "intra 1920x1080 25 fps"}, {"mjpeg", "intra 1920x1080 25 fps"},
        {"x264-intra-422", "intra 1920x1080 25 fps"},
        {"rawvideo-mkv", "raw 1920x1080 25 fps"}, {"uyvy-mov", "raw 1920x1080 25 fps"}, {"v210", "raw 1920x1080 25 fps"},
        {"hevc", "lossy 1920x1080 25 fps"}, {"av1", "lossy 1920x1080 25 fps"}, {"vp9", "lossy 1920x1080 25 fps"},
        {"x264-crf18", "lossy 1920x1080 25 fps"}, {"x264-444", "lossy 1920x1080 25 fps"},
        {"m4a", "audio only"}, {"m4b-cover", "audio only"}, {"alac", "audio only"}, {"mka", "audio only"}, {"webm-audio", "audio only"},
        {"mka-ac3", "audio only"}, {"wma", "audio only"}, {"vorbis", "audio only"}, {"opus", "audio only"},
    };
    for (const auto& row : rows) {
        const std::string head = Sample(row.sample);
        const Format f = Sniff(head).format;
        const MediaTracks t = ReadTracks(f, ByteView{head});
        // A head cut short (a download still arriving) knows less, never something else.
        for (size_t n = 0; n < head.size(); n += n < 2048 ? 7 : 1531) {
            const std::string cut = head.substr(0, n);  // its own allocation: ASan sees a read past it
            const VideoFamily family = ReadTracks(f, ByteView{cut}).picture.family;
            EXPECT_TRUE(family == t.picture.family || family == VideoFamily::None || family == VideoFamily::Undecided)
                << row.sample << " cut at " << n;
        }
        std::string found = kFamilies[static_cast<int>(t.picture.family)];
        if (t.picture.width) found += " " + std::to_string(t.picture.width) + "x" + std::to_string(t.picture.height);
        if (t.picture.fps) found += " " + std::to_string(std::lround(t.picture.fps)) + " fps";
        if (!AudioOnlyName(f, t).empty()) found = "audio only";
        EXPECT_EQ(found, row.found) << row.sample;
    }
}

// Codec records cut short or lying about their lengths: undecided, never a
// family they do not show (and no read past them, for ASan).
TEST(MediaTracks, CodecRecordsThatLie) {
    const std::string mkv = Sample("x264-lossless");
    const size_t at = mkv.find(test::Bytes("\x63\xA2")) + 3;  // CodecPrivate, a one-byte size before it
    const std::string avcC = mkv.substr(at, static_cast<unsigned char>(mkv[at - 1]) & 0x7F);
    ASSERT_EQ(FamilyOfAvcC(avcC), VideoFamily::Lossless);
    const std::string hevc = Sample("x265-lossless");
    const size_t h = hevc.find(test::Bytes("\x63\xA2")) + 4;  // a two-byte size
    const std::string hvcC = hevc.substr(h, ((static_cast<unsigned char>(hevc[h - 2]) & 0x3F) << 8) |
                                                static_cast<unsigned char>(hevc[h - 1]));
    ASSERT_EQ(FamilyOfHvcC(hvcC), VideoFamily::Lossless);
    const struct { std::string what, record; bool hevc; VideoFamily family; } rows[] = {
        {"lossless SPS cut after its profile", avcC.substr(0, 13), false, VideoFamily::Undecided},
        {"SPS length past the record", Patch(avcC, 6, BE(0xFFFF, 2)), false, VideoFamily::Undecided},
        {"no SPS", Patch(avcC, 5, "\xE0"), false, VideoFamily::Undecided},
        {"High profile needs no SPS", Patch(avcC.substr(0, 7), 1, "\x64"), false, VideoFamily::Lossy},
        {"High 4:4:4 intra flag", Patch(avcC, 2, "\x10"), false, VideoFamily::Intra},
        {"unknown profile", Patch(avcC, 1, "\x07"), false, VideoFamily::Undecided},
        {"hvcC cut in its PPS", hvcC.substr(0, hvcC.find(test::Bytes("\x44\x01")) + 3), true, VideoFamily::Undecided},
        {"hvcC array count past the end", Patch(hvcC, 22, "\xFF"), true, VideoFamily::Lossless},
        {"hvcC without arrays", Patch(hvcC, 22, std::string(1, '\0')), true, VideoFamily::Undecided},
        {"hvcC Main Still Picture", Patch(hvcC, 1, "\x03"), true, VideoFamily::Intra},
    };
    for (const auto& row : rows) {
        const std::string exact(row.record);
        EXPECT_EQ(row.hevc ? FamilyOfHvcC(exact) : FamilyOfAvcC(exact), row.family) << row.what;
    }
}

// Fields that lie, wrap, run past the head or say "unknown": no figure, or a
// finite one, and never a read past the head (ASan) or a hang.
TEST(DeclaredLength, HostileAndPlaceholderFields) {
    const std::string ebml = test::Bytes("\x1A\x45\xDF\xA3\x84\x42\x86\x81\x01");
    const std::string segment = test::Bytes("\x18\x53\x80\x67");
    const auto info = [](const std::string& children) {
        return test::Bytes("\x15\x49\xA9\x66") + static_cast<char>(0x80 | children.size()) + children;
    };
    const std::string scale0 = test::Bytes("\x2A\xD7\xB1\x81") + std::string(1, '\0');
    const std::string ms50 = test::Bytes("\x44\x89\x84\x42\x48\x00\x00");
    const std::string ftyp = BE(16, 4) + "ftypisom" + BE(0, 4);
    const std::string mvhd = BE(28, 4) + "mvhd" + std::string(12, '\0') + BE(0, 4) + BE(500, 4) + BE(1000, 4);
    const std::string avi = Sample("avi"), wav = Sample("sox-wav"), mp3 = Sample("mp3-vbr");
    const size_t xing = mp3.find("Xing");
    const struct { std::string what, head, found; } rows[] = {
        {"mkv unknown segment size", ebml + segment + "\x01" + std::string(7, '\xFF') + info(scale0 + ms50),
         "- bytes, - s"},
        {"mkv info child whose header runs past the info and the head",
         ebml + segment + test::Bytes("\x01\x00\x00\x00\x00\x00\x13\x88\x15\x49\xA9\x66\x8E\x2A\xD7\xB1\x83\x0E"
                                      "\x2A\xD7\xB1\x83\x0F\x42\x40\x44\x89\x84"),
         "5021 bytes, - s"},
        {"mp4 mvhd timescale 0", ftyp + BE(36, 4) + "moov" + mvhd + "mdat", "1052 bytes, - s, 36 meta"},
        {"avi µs a frame 0", Patch(avi, 32, LE(0, 4)), "28488 bytes, - s"},
        {"wav streamed (0xFFFFFFFF)", Patch(Patch(wav, 4, LE(0xFFFFFFFF, 4)), 40, LE(0xFFFFFFFF, 4)),
         "- bytes, - s max 1425k"},
        {"mp3 xing without flags", Patch(mp3, xing + 4, BE(0, 4)), "- bytes, - s max 640k"},
        {"asf broadcast", AsfBroadcast(Sample("wmv")), "- bytes, - s"},
    };
    for (const auto& row : rows) {
        const std::string exact(row.head);  // its own allocation: ASan sees a read past it
        EXPECT_EQ(Declared(exact), row.found) << row.what;
    }
}

}  // namespace
}  // namespace kv::inspect
