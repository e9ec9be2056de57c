#include "JpegFrame.h"

#include <algorithm>
#include <array>
#include <optional>

#include <unistd.h>

namespace sheets {

namespace {

// The markers the walk tells apart; every other one is a segment with a length to skip.
namespace marker {
constexpr unsigned char kTemporary = 0x01; // TEM: no length
constexpr unsigned char kDefineHuffmanTable = 0xC4;
constexpr unsigned char kJpegExtension = 0xC8;
constexpr unsigned char kDefineArithmeticCoding = 0xCC;
constexpr unsigned char kRestart0 = 0xD0; // RST0..RST7: no length
constexpr unsigned char kRestart7 = 0xD7;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
} // namespace marker

// Headers are short; a file that never reaches its first scan is not worth walking further.
constexpr int kMaxSegments = 4096;
constexpr int kMaxComponents = 4;

struct Sampling {
    int h = 1;
    int v = 1;
};

struct Segment {
    unsigned char marker = 0;
    std::int64_t payload = 0; // offset of the bytes after the length field
    int length = 0;           // of the payload
};

bool readAt(int fd, std::int64_t offset, unsigned char *buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer + done, size - done, offset + std::int64_t(done));
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

bool isStartOfFrame(unsigned char m)
{
    return m >= 0xC0 && m <= 0xCF && m != marker::kDefineHuffmanTable &&
           m != marker::kJpegExtension && m != marker::kDefineArithmeticCoding;
}

bool isProgressive(unsigned char startOfFrame)
{
    return startOfFrame == 0xC2 || startOfFrame == 0xC6 || startOfFrame == 0xCA ||
           startOfFrame == 0xCE;
}

bool hasNoLength(unsigned char m)
{
    return (m >= marker::kRestart0 && m <= marker::kRestart7) || m == marker::kTemporary;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// The segment whose marker stands at `offset`, past any fill bytes; nothing at the end of the
// image or where the bytes are not a marker.
std::optional<Segment> readSegment(int fd, std::int64_t &offset)
{
    unsigned char byte = 0;
    if (!readAt(fd, offset, &byte, 1) || byte != 0xFF)
        return std::nullopt;
    do {
        ++offset;
        if (!readAt(fd, offset, &byte, 1))
            return std::nullopt;
    } while (byte == 0xFF);
    ++offset;
    Segment segment{byte, offset, 0};
    if (hasNoLength(byte))
        return segment;
    if (byte == marker::kEndOfImage)
        return std::nullopt;
    std::array<unsigned char, 2> length{};
    if (!readAt(fd, offset, length.data(), length.size()))
        return std::nullopt;
    segment.length = ((length[0] << 8) | length[1]) - 2;
    if (segment.length < 0)
        return std::nullopt;
    segment.payload = offset + 2;
    offset = segment.payload + segment.length;
    return segment;
}

// Fills in the frame from its SOFn segment; false when it is malformed.
bool readFrameHeader(int fd, const Segment &sof, JpegFrame &frame,
                     std::array<Sampling, kMaxComponents> &sampling)
{
    std::array<unsigned char, 6 + 3 * kMaxComponents> header{};
    if (sof.length < 6 || !readAt(fd, sof.payload, header.data(), 6))
        return false;
    frame.startOfFrame = sof.marker;
    frame.precision = header[0];
    frame.height = (header[1] << 8) | header[2];
    frame.width = (header[3] << 8) | header[4];
    frame.components = header[5];
    frame.progressive = isProgressive(sof.marker);
    if (frame.components < 1 || frame.components > kMaxComponents ||
        sof.length < 6 + 3 * frame.components ||
        !readAt(fd, sof.payload + 6, header.data() + 6, std::size_t(3 * frame.components)))
        return false;
    for (int i = 0; i < frame.components; ++i) {
        const unsigned char factors = header[std::size_t(6 + 3 * i + 1)];
        sampling[std::size_t(i)] = {std::max(1, factors >> 4), std::max(1, factors & 0x0F)};
    }
    return true;
}

// What libjpeg keeps for a picture that arrives in several scans: every 8 x 8 block of every
// component, 64 coefficients of two bytes each.
std::int64_t coefficientBytes(const JpegFrame &frame,
                              const std::array<Sampling, kMaxComponents> &sampling)
{
    int hMax = 1;
    int vMax = 1;
    for (int i = 0; i < frame.components; ++i) {
        hMax = std::max(hMax, sampling[std::size_t(i)].h);
        vMax = std::max(vMax, sampling[std::size_t(i)].v);
    }
    std::int64_t bytes = 0;
    for (int i = 0; i < frame.components; ++i) {
        const Sampling &s = sampling[std::size_t(i)];
        const std::int64_t blocksWide = ceilDiv(ceilDiv(std::int64_t(frame.width) * s.h, hMax), 8);
        const std::int64_t blocksHigh = ceilDiv(ceilDiv(std::int64_t(frame.height) * s.v, vMax), 8);
        bytes += blocksWide * blocksHigh * 64 * 2;
    }
    return bytes;
}

} // namespace

JpegFrame readJpegFrame(int fd)
{
    JpegFrame frame;
    std::array<unsigned char, 2> start{};
    if (!readAt(fd, 0, start.data(), start.size()) || start[0] != 0xFF ||
        start[1] != marker::kStartOfImage)
        return frame;

    std::array<Sampling, kMaxComponents> sampling{};
    bool haveFrame = false;
    std::int64_t offset = 2;
    for (int i = 0; i < kMaxSegments && frame.firstScanComponents == 0; ++i) {
        const std::optional<Segment> segment = readSegment(fd, offset);
        if (!segment)
            return frame;
        if (isStartOfFrame(segment->marker)) {
            if (!readFrameHeader(fd, *segment, frame, sampling))
                return frame;
            haveFrame = true;
        } else if (segment->marker == marker::kStartOfScan) {
            unsigned char components = 0;
            if (!haveFrame || segment->length < 1 || !readAt(fd, segment->payload, &components, 1))
                return frame;
            frame.firstScanComponents = components;
        }
    }
    if (frame.firstScanComponents == 0)
        return frame;

    frame.valid = frame.width > 0 && frame.height > 0;
    if (frame.progressive || frame.firstScanComponents < frame.components)
        frame.bufferedCoefficientBytes = coefficientBytes(frame, sampling);
    return frame;
}

} // namespace sheets
