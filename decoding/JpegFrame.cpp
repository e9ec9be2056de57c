#include "JpegFrame.h"

#include "SheetLimits.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include <unistd.h>

namespace sheets {

namespace {

// The markers the walk tells apart; every other one is a segment with a length to skip.
namespace marker {
constexpr unsigned char kTemporary = 0x01; // TEM: no length
constexpr unsigned char kDefineHuffmanTable = 0xC4;
constexpr unsigned char kJpegExtension = 0xC8;
constexpr unsigned char kDefineArithmeticCoding = 0xCC;
constexpr unsigned char kRestart0 = 0xD0; // RST0..RST7: no length, and inside scan data
constexpr unsigned char kRestart7 = 0xD7;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
} // namespace marker

// Headers are short; a file that never reaches its first scan is not worth walking further.
constexpr int kMaxHeaderSegments = 4096;
constexpr int kMaxComponents = 4;

struct Component {
    int id = 0;
    int h = 1; // sampling factors
    int v = 1;
    std::int64_t blocks = 0;
};

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

bool isRestart(unsigned char m)
{
    return m >= marker::kRestart0 && m <= marker::kRestart7;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// Reads a file front to back through a buffer, by position.
class Reader {
public:
    explicit Reader(int fd)
        : m_fd(fd)
    {}

    std::int64_t position() const { return m_position; }
    void skip(std::int64_t bytes) { m_position += bytes; }

    std::optional<unsigned char> next()
    {
        if (m_position < m_start || m_position >= m_start + m_size) {
            const ssize_t n = ::pread(m_fd, m_buffer.data(), m_buffer.size(), m_position);
            if (n <= 0)
                return std::nullopt;
            m_start = m_position;
            m_size = n;
        }
        return m_buffer[std::size_t(m_position++ - m_start)];
    }

    bool read(unsigned char *out, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i) {
            const std::optional<unsigned char> byte = next();
            if (!byte)
                return false;
            out[i] = *byte;
        }
        return true;
    }

    // Up to the next marker, leaving the reader on its 0xFF: past entropy-coded data, and past
    // garbage between segments, which libjpeg steps over too.
    bool skipToMarker()
    {
        for (;;) {
            const std::optional<unsigned char> byte = next();
            if (!byte)
                return false;
            if (*byte != 0xFF)
                continue;
            const std::optional<unsigned char> after = next();
            if (!after)
                return false;
            if (*after != 0x00 && !isRestart(*after) && *after != 0xFF) {
                m_position -= 2;
                return true;
            }
            if (*after == 0xFF)
                --m_position; // fill byte: the next one may start a marker
        }
    }

private:
    int m_fd;
    std::array<unsigned char, 64 * 1024> m_buffer{};
    std::int64_t m_start = 0;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
};

struct Segment {
    unsigned char marker = 0;
    std::vector<unsigned char> payload; // SOFn and SOS only; other payloads are skipped
};

// The next segment, past any garbage and fill bytes; nothing at the end of the image.
std::optional<Segment> readSegment(Reader &reader)
{
    if (!reader.skipToMarker())
        return std::nullopt;
    std::optional<unsigned char> byte = reader.next();
    while (byte == 0xFF)
        byte = reader.next();
    if (!byte || *byte == marker::kEndOfImage)
        return std::nullopt;
    Segment segment{*byte, {}};
    if (isRestart(*byte) || *byte == marker::kTemporary)
        return segment;
    std::array<unsigned char, 2> length{};
    if (!reader.read(length.data(), length.size()))
        return std::nullopt;
    const int size = ((length[0] << 8) | length[1]) - 2;
    if (size < 0)
        return std::nullopt;
    if (isStartOfFrame(*byte) || *byte == marker::kStartOfScan) {
        segment.payload.resize(std::size_t(size));
        if (!reader.read(segment.payload.data(), segment.payload.size()))
            return std::nullopt;
    } else {
        reader.skip(size);
    }
    return segment;
}

// Fills in the frame and its components from the SOFn segment; false when it is malformed.
bool readFrameHeader(const Segment &sof, JpegFrame &frame, std::vector<Component> &components)
{
    const std::vector<unsigned char> &p = sof.payload;
    if (p.size() < 6)
        return false;
    frame.startOfFrame = sof.marker;
    frame.precision = p[0];
    frame.height = (p[1] << 8) | p[2];
    frame.width = (p[3] << 8) | p[4];
    frame.components = p[5];
    frame.progressive = isProgressive(sof.marker);
    if (frame.components < 1 || frame.components > kMaxComponents ||
        p.size() < std::size_t(6 + 3 * frame.components))
        return false;
    int hMax = 1;
    int vMax = 1;
    for (int i = 0; i < frame.components; ++i) {
        const unsigned char factors = p[std::size_t(6 + 3 * i + 1)];
        components.push_back(
            {p[std::size_t(6 + 3 * i)], std::max(1, factors >> 4), std::max(1, factors & 0x0F), 0});
        hMax = std::max(hMax, components.back().h);
        vMax = std::max(vMax, components.back().v);
    }
    for (Component &c : components) {
        c.blocks = ceilDiv(ceilDiv(std::int64_t(frame.width) * c.h, hMax), 8) *
                   ceilDiv(ceilDiv(std::int64_t(frame.height) * c.v, vMax), 8);
    }
    return true;
}

// The blocks a scan covers: every block of each component it names.
std::int64_t scanBlocks(const Segment &sos, const std::vector<Component> &components)
{
    std::int64_t blocks = 0;
    const std::size_t named = sos.payload.empty() ? 0 : sos.payload[0];
    for (std::size_t i = 0; i < named && 1 + 2 * i < sos.payload.size(); ++i) {
        for (const Component &c : components) {
            if (c.id == sos.payload[1 + 2 * i])
                blocks += c.blocks;
        }
    }
    return blocks;
}

} // namespace

JpegFrame readJpegFrame(int fd)
{
    JpegFrame frame;
    Reader reader(fd);
    std::array<unsigned char, 2> start{};
    if (!reader.read(start.data(), start.size()) || start[0] != 0xFF ||
        start[1] != marker::kStartOfImage)
        return frame;

    // The headers, up to the first scan.
    std::vector<Component> components;
    std::optional<Segment> firstScan;
    for (int i = 0; i < kMaxHeaderSegments && !firstScan; ++i) {
        std::optional<Segment> segment = readSegment(reader);
        if (!segment)
            return frame;
        if (isStartOfFrame(segment->marker) && components.empty()) {
            if (!readFrameHeader(*segment, frame, components))
                return frame;
        } else if (segment->marker == marker::kStartOfScan) {
            if (components.empty() || segment->payload.empty())
                return frame;
            firstScan = std::move(segment);
        }
    }
    if (!firstScan)
        return frame;
    frame.valid = frame.width > 0 && frame.height > 0;
    frame.multiScan = frame.progressive || firstScan->payload[0] < frame.components;
    if (!frame.multiScan)
        return frame;

    // Libjpeg keeps every coefficient of every block: 64 of two bytes each.
    for (const Component &c : components)
        frame.bufferedCoefficientBytes += c.blocks * 64 * 2;
    frame.scans = 1;
    frame.scanBlocks = scanBlocks(*firstScan, components);
    while (frame.scans <= kMaxJpegScans) {
        const std::optional<Segment> segment = readSegment(reader);
        if (!segment)
            break;
        if (segment->marker == marker::kStartOfScan) {
            ++frame.scans;
            frame.scanBlocks += scanBlocks(*segment, components);
        }
    }
    return frame;
}

} // namespace sheets
