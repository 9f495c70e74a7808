#include <gtest/gtest.h>
#include <zlib.h>

#include "clients/amule/EcCodes.h"
#include "clients/amule/EcConnection.h"
#include "clients/amule/EcPacket.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"

using namespace kv::ec;
using namespace std::string_literals;

namespace {

std::string Captured(const std::string& name) {
    return kv::ReadWholeFile(std::string(KV_AMULE_DATA_DIR) + "/" + name).value_or("");
}

std::string Be32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string Frame(uint32_t flags, const std::string& body) {
    return Be32(flags) + Be32(static_cast<uint32_t>(body.size())) + body;
}

std::string DeflateBytes(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
             static_cast<uLong>(bytes.size()));
    out.resize(size);
    return out;
}

// A tag header: name<<1|children, type, length.
std::string TagHead(uint16_t name, bool children, uint8_t type, uint32_t length) {
    return std::string{static_cast<char>((name << 1 | children) >> 8), static_cast<char>((name << 1 | children) & 0xFF),
                       static_cast<char>(type)} + Be32(length);
}

TEST(EcPacket, CapturedPacketsReadAndReEncodeByteForByte) {
    struct Case { const char* file; uint8_t opcode; uint16_t tag; const char* text; };  // a tag it holds, its text
    for (const Case& c : std::vector<Case>{
             {"auth-req-reply.bin", OpAuthSalt, TagPasswdSalt, ""},
             {"auth-passwd-reply.bin", OpAuthOk, TagServerVersion, "2.3.3"},
             {"wrong-auth-passwd-reply.bin", OpAuthFail, TagString, "Authentication failed: wrong password."},
             {"add-link-bad-reply.bin", OpFailed, TagString, "Invalid link or already on list."},
             {"pause-unknown-reply.bin", OpFailed, TagString, "FileHash not found: 000102030405060708090A0B0C0D0E0F"},
             {"dload-queue-reply.bin", OpDloadQueue, TagPartfile, ""},
             {"auth-req-request.bin", OpAuthReq, TagClientName, "capture"},
             {"zlib-auth-req-request.bin", OpAuthReq, TagProtocolVersion, ""},
             {"auth-passwd-request.bin", OpAuthPasswd, TagPasswdHash, ""}}) {
        SCOPED_TRACE(c.file);
        const std::string bytes = Captured(c.file);
        const auto packet = ReadPacket(bytes);
        ASSERT_TRUE(packet) << Describe(packet.error().code) << " at " << packet.error().offset;
        EXPECT_EQ(packet->opcode, c.opcode);
        const EcTag* tag = packet->Tag(c.tag);
        ASSERT_NE(tag, nullptr);
        if (*c.text) {
            EXPECT_EQ(tag->Text(), c.text);
        }
        // aMule computes lengths as we do: its uncompressed packets come out again unchanged.
        EXPECT_EQ(WritePacket(*packet), bytes);
    }
}

TEST(EcPacket, DeflatedQueueReadsAsThePlainOneCapturedBeforeIt) {
    const std::string deflated = Captured("zlib-dload-queue-reply.bin");
    ASSERT_EQ(deflated[3] & kFlagZlib, kFlagZlib) << "the capture is meant to be compressed";
    const auto compressed = ReadPacket(deflated);
    const auto plain = ReadPacket(Captured("dload-queue-reply.bin"));
    ASSERT_TRUE(compressed && plain);
    EXPECT_EQ(*compressed, *plain);
    EXPECT_EQ(ReadPacket(WritePacket(*compressed, true)), compressed);
}

TEST(EcPacket, NumbersReadInEveryWidth) {
    for (const uint64_t value : {0ull, 0xFFull, 0x100ull, 0xFFFFull, 0x10000ull, 0xFFFFFFFFull, 0x100000000ull,
                                 0xFFFFFFFFFFFFFFFFull}) {
        const EcTag tag = IntTag(TagPartfileSizeFull, value);
        EXPECT_EQ(tag.Int(), value);
        const auto back = ReadPacket(WritePacket(Packet{OpDloadQueue, {tag}}));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->tags[0].Int(), value);
    }
    EXPECT_EQ(IntTag(1, 0x1234).data.size(), 2u);
    // A string is no number, nor is an integer of an odd width.
    EXPECT_FALSE(StringTag(1, "7").Int());
    EXPECT_FALSE((EcTag{1, TypeUint32, "\x01\x02\x03", {}}.Int()));
}

TEST(EcPacket, SaltedHashMatchesTheCapturedLogin) {
    const auto salt = ReadPacket(Captured("auth-req-reply.bin"))->Tag(TagPasswdSalt)->Int();
    const auto answer = ReadPacket(Captured("auth-passwd-request.bin"))->Tag(TagPasswdHash)->data;
    ASSERT_TRUE(salt);
    // capture.sh logs in with "secret"; its MD5 is what amule.conf holds.
    EXPECT_EQ(SaltedPasswordHash("5ebe2294ecd0e0f08eab7690d2a6ee69", *salt),
              kv::HashText(reinterpret_cast<const unsigned char*>(answer.data())));
    EXPECT_EQ(SaltedPasswordHash("5EBE2294ECD0E0F08EAB7690D2A6EE69", *salt),
              SaltedPasswordHash("5ebe2294ecd0e0f08eab7690d2a6ee69", *salt));
}

std::string Nested(int depth) {
    // Each level: a tag with one child; the innermost has none.
    std::string inner = TagHead(1, false, TypeUint8, 1) + "\x07";
    for (int i = 0; i < depth; ++i)
        inner = TagHead(1, true, TypeCustom, static_cast<uint32_t>(inner.size())) + "\x00\x01"s + inner;
    return Frame(0x20, "\x1F\x00\x01"s + inner);
}

TEST(EcPacket, HostilePacketsAreRefusedWithTheRightError) {
    const std::string oneTag = "\x1F\x00\x01"s + TagHead(1, false, TypeUint8, 1) + "\x05";
    const std::string oneTagHead = "\x1F\x00\x01"s + TagHead(1, false, TypeUint8, 1);
    struct Case { const char* name; std::string bytes; EcErrorCode code; ReadLimits limits = {}; };
    for (const Case& c : std::vector<Case>{
             {"short header", "\x00\x00\x00\x20\x00"s, EcErrorCode::Truncated},
             {"no 0x20 flag", Frame(0x00, oneTag), EcErrorCode::BadFlags},
             {"UTF-8 numbers never asked for", Frame(0x22, oneTag), EcErrorCode::BadFlags},
             {"body length over the cap", Be32(0x20) + Be32(0xFFFFFFFF), EcErrorCode::TooLarge},
             {"body shorter than its length", Be32(0x20) + Be32(100) + oneTag, EcErrorCode::Truncated},
             {"bytes after the packet", Frame(0x20, oneTag) + "x", EcErrorCode::TrailingBytes},
             {"bytes after the last tag", Frame(0x20, oneTag + "x"), EcErrorCode::TrailingBytes},
             {"empty body", Frame(0x20, ""), EcErrorCode::Truncated},
             {"tag count over the bytes", Frame(0x20, "\x1F\xFF\xFF"s + TagHead(1, false, TypeUint8, 0)),
              EcErrorCode::Truncated},
             {"tag data past the end", Frame(0x20, "\x1F\x00\x01"s + TagHead(1, false, TypeString, 0xFFFFFFF0) + "ab"),
              EcErrorCode::Truncated},
             {"tag header cut", Frame(0x20, oneTagHead.substr(0, 8)), EcErrorCode::Truncated},
             {"child count cut", Frame(0x20, "\x1F\x00\x01"s + TagHead(1, true, TypeCustom, 0) + "\x00"s),
              EcErrorCode::Truncated},
             {"length shorter than the children",
              Frame(0x20, "\x1F\x00\x01"s + TagHead(1, true, TypeCustom, 3) + "\x00\x01"s + oneTag.substr(3)),
              EcErrorCode::BadLength},
             {"nested too deep", Nested(40), EcErrorCode::TooDeep},
             {"too many tags", Frame(0x20, "\x1F\x00\x03"s + oneTag.substr(3) + oneTag.substr(3) + oneTag.substr(3)),
              EcErrorCode::TooManyTags, ReadLimits{.maxTags = 2}},
             {"zlib bomb", Frame(0x21, DeflateBytes(std::string(2u << 20, '\0'))), EcErrorCode::TooLarge,
              ReadLimits{.maxBody = 1u << 20}},
             {"zlib garbage", Frame(0x21, "not deflated at all"), EcErrorCode::Inflate},
             {"bytes after the zlib stream", Frame(0x21, DeflateBytes(oneTag) + "tail"), EcErrorCode::TrailingBytes}}) {
        const auto packet = ReadPacket(c.bytes, c.limits);
        ASSERT_FALSE(packet) << c.name;
        EXPECT_EQ(packet.error().code, c.code) << c.name << ": " << Describe(packet.error().code);
    }
}

// Nesting within the limit reads; aMule writes the children bit only with children, yet an empty list of them
// is the same tree, a leaf.
TEST(EcPacket, NestingWithinTheLimitAndAChildrenBitWithoutChildrenRead) {
    const auto nested = ReadPacket(Nested(14));
    ASSERT_TRUE(nested);
    EXPECT_EQ(ReadPacket(WritePacket(*nested)), nested);
    const auto leaf = ReadPacket(Frame(0x20, "\x1F\x00\x01"s + TagHead(3, true, TypeUint8, 1) + "\x00\x00\x04"s));
    ASSERT_TRUE(leaf);
    EXPECT_TRUE(leaf->tags[0].children.empty());
    EXPECT_EQ(leaf->tags[0].Int(), 4u);
}

}  // namespace
