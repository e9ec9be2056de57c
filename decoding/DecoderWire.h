#pragma once

#include "FileDescriptor.h"
#include "SheetRequest.h"

#include <cstddef>
#include <cstdint>

namespace sheets {

// What passes between the window and its decoding helper. Both ends are built together, so a
// message is simply one of these structs, sent whole over a SOCK_SEQPACKET socket; the magic
// number catches a peer that is not ours.
inline constexpr std::uint32_t kWireMagic = 0x7e5b0d01;

// How a helper ends when an allocation fails that nothing could refuse: too large to show.
inline constexpr int kHelperOutOfMemoryStatus = 3;

enum class WireKind : std::uint32_t {
    Decode, // the picture as asked
    Look,   // the headers only: the picture's own size
    Abort,  // ends the helper as a crash would; lets tests see one
};

struct WireRequest {
    std::uint32_t magic = kWireMagic;
    WireKind kind = WireKind::Decode;
    std::int32_t width = 0, height = 0;
    std::int32_t clipX = 0, clipY = 0, clipWidth = 0, clipHeight = 0;
    std::uint32_t within = 0;
};

// When `width` is not 0, the pixels are at the start of the window's buffer (descriptor 4 of
// the helper, room for kAllocationLimitBytes): rows of `width` 32-bit pixels of QImage format
// `format`, one after another.
struct WireReply {
    std::uint32_t magic = kWireMagic;
    std::int32_t error = 0; // a SheetError
    std::int32_t fullWidth = -1, fullHeight = -1;
    std::int32_t width = 0, height = 0;
    std::int32_t format = 0;
    std::uint32_t detailBytes = 0;
    char detail[228] = {}; // UTF-8, not terminated
};

// The helper's first message: whether it could lock itself down.
struct WireHello {
    std::uint32_t magic = kWireMagic;
    std::uint32_t sandboxed = 0;
};

WireRequest toWire(const SheetRequest &request, WireKind kind);
SheetRequest fromWire(const WireRequest &request);

// One message, with the descriptor `fd` passed along when it is open.
bool sendMessage(int socket, const void *bytes, std::size_t size, int fd = -1);
// One message of exactly `size` bytes; a descriptor passed with it lands in `fd`, when given.
// False at the end of the stream, on a message of another size or on any error.
bool receiveMessage(int socket, void *bytes, std::size_t size, FileDescriptor *fd = nullptr);

} // namespace sheets
