#pragma once

#include "DecodeRequest.h"
#include "DecodeResult.h"
#include "FileDescriptor.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace sheets {

// What passes between the window and its decoding helper. Both ends are built together, so a
// message is simply one of these structs, sent whole over a SOCK_SEQPACKET socket; the magic
// number catches a peer that is not ours. The window believes nothing in an answer that it can
// check: see DecodeRequest::admits.
inline constexpr std::uint32_t kWireMagic = 0x7e5b0d02;

// How a helper ends when an allocation fails that nothing could refuse: too large to show.
inline constexpr int kHelperOutOfMemoryStatus = 3;

// The helper's descriptors: its socket, and the window's buffer for the pixels of each answer
// (room for kAllocationLimitBytes). Standard input, output and error lead nowhere.
inline constexpr int kHelperSocket = 3;
inline constexpr int kHelperPixels = 4;

struct WireRequest {
    std::uint32_t magic = kWireMagic;
    DecodeKind kind = DecodeKind::Box;
    std::uint64_t id = 0; // echoed by the answer
    std::int32_t width = 0, height = 0;
    std::int32_t clipX = 0, clipY = 0, clipWidth = 0, clipHeight = 0;
};

// When `width` is not 0, the pixels are at the start of the window's buffer: rows of `width`
// 32-bit pixels of QImage format `pixelFormat`, one after another.
struct WireReply {
    std::uint32_t magic = kWireMagic;
    std::uint64_t id = 0;
    std::int32_t error = 0; // a SheetError
    std::int32_t fullWidth = -1, fullHeight = -1;
    std::int32_t width = 0, height = 0;
    std::int32_t pixelFormat = 0;
    char format[16] = {}; // the content's format, as Qt names it; not terminated when full
    std::uint32_t detailBytes = 0;
    char detail[200] = {}; // UTF-8, not terminated
    // The picture's thumbnail keys, as ThumbnailKeys has them.
    std::int64_t thumbMTime = -1, thumbSize = -1;
    std::int32_t thumbRefusal = 0;
    std::uint32_t thumbUriBytes = 0;
    char thumbUri[kMaxThumbnailUriBytes] = {}; // not terminated
};

// The helper's first message: whether it could lock itself down, and if not, why.
struct WireHello {
    std::uint32_t magic = kWireMagic;
    std::uint32_t sandboxed = 0;
    std::uint32_t reasonBytes = 0;
    char reason[200] = {};
};

WireRequest toWire(const DecodeRequest &request, std::uint64_t id);
DecodeRequest fromWire(const WireRequest &request);

// `text` in `bytes` bytes of UTF-8, cut between whole characters; how many were used.
std::uint32_t putText(const QString &text, char *bytes, std::size_t room);
QString takeText(const char *bytes, std::uint32_t used, std::size_t room);

// One message, with the descriptor `fd` passed along when it is open.
bool sendMessage(int socket, const void *bytes, std::size_t size, int fd = -1);
// One message of exactly `size` bytes; a descriptor passed with it lands in `fd`, when given.
// False at the end of the stream, on a message of another size or on any error.
bool receiveMessage(int socket, void *bytes, std::size_t size, FileDescriptor *fd = nullptr);

} // namespace sheets
