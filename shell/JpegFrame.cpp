#include "JpegFrame.h"

#include <algorithm>
#include <array>

#include <unistd.h>

namespace shell {

namespace {

struct Component {
    int h = 1;
    int v = 1;
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

bool isStartOfFrame(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

} // namespace

JpegFrame readJpegFrame(int fd)
{
    JpegFrame frame;
    std::array<unsigned char, 2> soi{};
    if (!readAt(fd, 0, soi.data(), soi.size()) || soi[0] != 0xFF || soi[1] != 0xD8)
        return frame;

    std::array<Component, 4> components{};
    bool haveFrame = false;
    std::int64_t offset = 2;
    // Headers are short; a file that never reaches its first scan is not worth walking further.
    for (int segment = 0; segment < 4096; ++segment) {
        unsigned char byte = 0;
        if (!readAt(fd, offset, &byte, 1) || byte != 0xFF)
            return frame;
        do { // fill bytes
            ++offset;
            if (!readAt(fd, offset, &byte, 1))
                return frame;
        } while (byte == 0xFF);
        const unsigned char marker = byte;
        ++offset;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue;
        if (marker == 0xD9)
            return frame;

        std::array<unsigned char, 2> length{};
        if (!readAt(fd, offset, length.data(), 2))
            return frame;
        const int segmentLength = (length[0] << 8) | length[1];
        if (segmentLength < 2)
            return frame;

        if (isStartOfFrame(marker)) {
            std::array<unsigned char, 6 + 3 * 4> sof{};
            if (segmentLength < 8 || !readAt(fd, offset + 2, sof.data(), 6))
                return frame;
            frame.startOfFrame = marker;
            frame.precision = sof[0];
            frame.height = (sof[1] << 8) | sof[2];
            frame.width = (sof[3] << 8) | sof[4];
            frame.components = sof[5];
            frame.progressive =
                marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
            if (frame.components < 1 || frame.components > 4 ||
                segmentLength < 8 + 3 * frame.components ||
                !readAt(fd, offset + 8, sof.data() + 6, std::size_t(3 * frame.components)))
                return frame;
            for (int i = 0; i < frame.components; ++i) {
                const unsigned char sampling = sof[std::size_t(6 + 3 * i + 1)];
                components[std::size_t(i)] = {std::max(1, sampling >> 4),
                                              std::max(1, sampling & 0x0F)};
            }
            haveFrame = true;
        } else if (marker == 0xDA) {
            unsigned char scanComponents = 0;
            if (!haveFrame || !readAt(fd, offset + 2, &scanComponents, 1))
                return frame;
            frame.firstScanComponents = scanComponents;
            break;
        }
        offset += segmentLength;
    }
    if (!haveFrame || frame.firstScanComponents == 0)
        return frame;

    frame.valid = frame.width > 0 && frame.height > 0;
    if (frame.progressive || frame.firstScanComponents < frame.components) {
        int hMax = 1;
        int vMax = 1;
        for (int i = 0; i < frame.components; ++i) {
            hMax = std::max(hMax, components[std::size_t(i)].h);
            vMax = std::max(vMax, components[std::size_t(i)].v);
        }
        for (int i = 0; i < frame.components; ++i) {
            const auto &c = components[std::size_t(i)];
            const std::int64_t blocksWide =
                ceilDiv(ceilDiv(std::int64_t(frame.width) * c.h, hMax), 8);
            const std::int64_t blocksHigh =
                ceilDiv(ceilDiv(std::int64_t(frame.height) * c.v, vMax), 8);
            frame.bufferedCoefficientBytes += blocksWide * blocksHigh * 64 * 2;
        }
    }
    return frame;
}

} // namespace shell
