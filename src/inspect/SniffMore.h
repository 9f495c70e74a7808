#pragma once

#include <cstdint>

#include "inspect/ByteView.h"
#include "inspect/ContentType.h"

namespace kv::inspect {

// The sniffer's less common signatures (Sniff.cpp tries the common ones
// first): more audio, pictures, archives, OLE compound files.
Format SniffMore(const ByteView& b);

// RIFF WAVE: the format tag of its fmt chunk, 0 when it has not arrived.
uint16_t WavCodec(const ByteView& b);

// A ZIP whose first entry says it is a document (OpenDocument and EPUB
// "mimetype", Office Open XML "[Content_Types].xml", "word/", ...).
bool IsZipDocument(const ByteView& b);

// Two MPEG audio frames in a row from `at` (one when the second has not arrived).
bool MpegAudioFramesAt(const ByteView& b, uint64_t at);

// An ADTS frame followed by another, or a DTS core sync, at `at`: audio
// cut out of a stream mid-frame finds its next frame this way.
bool ElementaryAudioAt(const ByteView& b, uint64_t at);

// What is left when no binary format matched: a web page, a playlist or an
// Internet shortcut (their addresses go into t.urls), a Windows shortcut, a
// JScript or VBScript file, or plain text. Text followed by nothing but zero
// bytes is judged by the text (t.textLength).
Format SniffText(const ByteView& b, ContentType& t);

// Where the container's structure breaks off after its header, 0 when it
// holds as far as the head shows, or when this cannot be told (SniffStructure.cpp).
uint64_t JunkAfterHeader(Format f, const ByteView& b);

}  // namespace kv::inspect
