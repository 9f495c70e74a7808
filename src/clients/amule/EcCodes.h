#pragma once

#include <cstdint>

// Numbers of aMule's External Connections protocol (its ECCodes.h and
// ECTagTypes.h), only those this client sends or reads.
namespace kv::ec {

inline constexpr uint16_t kProtocolVersion = 0x0204;

// Packet flags. 0x20 is always set; 0x40 never.
inline constexpr uint32_t kFlagBase = 0x20;
inline constexpr uint32_t kFlagZlib = 0x01;
inline constexpr uint32_t kFlagUtf8Numbers = 0x02;

enum Op : uint8_t {
    OpNoop = 0x01,
    OpAuthReq = 0x02,
    OpAuthFail = 0x03,
    OpAuthOk = 0x04,
    OpFailed = 0x05,
    OpStrings = 0x06,
    OpAddLink = 0x09,
    OpGetDloadQueue = 0x0D,
    OpPartfilePause = 0x19,
    OpPartfileResume = 0x1A,
    OpPartfileStop = 0x1B,
    OpPartfileDelete = 0x1D,
    OpDloadQueue = 0x1F,
    OpAuthSalt = 0x4F,
    OpAuthPasswd = 0x50,
};

enum Tag : uint16_t {
    TagString = 0x0000,
    TagPasswdHash = 0x0001,
    TagProtocolVersion = 0x0002,
    TagDetailLevel = 0x0004,
    TagPasswdSalt = 0x000B,
    TagClientName = 0x0100,
    TagClientVersion = 0x0101,
    TagPartfile = 0x0300,
    TagPartfileName = 0x0301,
    TagPartfilePartMetId = 0x0302,
    TagPartfileSizeFull = 0x0303,
    TagPartfileSizeXfer = 0x0304,
    TagPartfileSizeDone = 0x0306,
    TagPartfileSpeed = 0x0307,
    TagPartfileStatus = 0x0308,
    TagPartfileSourceCount = 0x030A,
    TagPartfileSourceCountXfer = 0x030D,
    TagPartfileLastSeenComplete = 0x0311,
    TagPartfileSourceNames = 0x0315,
    TagPartfileComments = 0x0316,
    TagPartfileStopped = 0x0317,
    TagPartfileDownloadActive = 0x0318,
    TagPartfileLostCorruption = 0x0319,
    TagPartfileSourceNamesCounts = 0x031C,
    TagPartfileHash = 0x031E,
    TagServerVersion = 0x050B,
};

enum TagType : uint8_t {
    TypeUnknown = 0,
    TypeCustom = 1,
    TypeUint8 = 2,
    TypeUint16 = 3,
    TypeUint32 = 4,
    TypeUint64 = 5,
    TypeString = 6,
    TypeDouble = 7,
    TypeIpv4 = 8,
    TypeHash16 = 9,
    TypeUint128 = 10,
};

enum DetailLevel : uint8_t { DetailCmd = 0, DetailWeb = 1, DetailFull = 2 };

}  // namespace kv::ec
