#include "CraftedFiles.h"

#include <array>
#include <cstdint>
#include <vector>

namespace testing_support {

namespace {

// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    void bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit((value >> i) & 1u);
    }
    // A Huffman code goes out most significant bit first.
    void code(std::uint32_t value, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit((value >> i) & 1u);
    }
    void zeroBits(std::uint64_t count)
    {
        m_bit += count;
        m_bytes.resize(std::size_t((m_bit + 7) / 8), 0);
    }
    QByteArray bytes() const
    {
        return QByteArray(reinterpret_cast<const char *>(m_bytes.data()),
                          qsizetype(m_bytes.size()));
    }

private:
    void bit(std::uint32_t b)
    {
        m_bytes.resize(std::size_t(m_bit / 8 + 1), 0);
        if (b)
            m_bytes[std::size_t(m_bit / 8)] |= std::uint8_t(1u << (m_bit % 8));
        ++m_bit;
    }
    std::vector<std::uint8_t> m_bytes;
    std::uint64_t m_bit = 0;
};

std::uint32_t crc32(const QByteArray &data)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : data)
        c = table[(c ^ std::uint8_t(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void be32(QByteArray &out, std::uint32_t v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

void be16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v >> 8)).append(char(v));
}

void chunk(QByteArray &png, const char *type, const QByteArray &data)
{
    be32(png, std::uint32_t(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png += typed;
    be32(png, crc32(typed));
}

QByteArray pngStart(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    QByteArray ihdr;
    be32(ihdr, width);
    be32(ihdr, height);
    ihdr.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));
    chunk(png, "IHDR", ihdr);
    return png;
}

// A zlib stream of `total` zero bytes: one literal, then matches of 258 at distance 1, each
// coded in two bits by a dynamic Huffman block with just the symbols it needs.
QByteArray zlibZeros(std::uint64_t total)
{
    BitWriter w;
    w.bits(1, 1);  // last block
    w.bits(2, 2);  // dynamic Huffman codes
    w.bits(29, 5); // 286 literal/length codes
    w.bits(0, 5);  // 1 distance code
    w.bits(14, 4); // 18 code length codes
    // Code length code lengths, in their transmission order 16 17 18 0 8 7 9 6 10 5 11 4 12 3
    // 13 2 14 1: symbol 18 gets 1 bit, symbols 1 and 2 get 2 bits.
    const int order[18] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2};
    for (int length : order)
        w.bits(std::uint32_t(length), 3);
    // Canonical codes: 18 -> 0, 1 -> 10, 2 -> 11.
    auto length2 = [&] { w.code(3, 2); };
    auto length1 = [&] { w.code(2, 2); };
    auto zeros = [&](int n) {
        w.code(0, 1);
        w.bits(std::uint32_t(n - 11), 7);
    };
    // Literal 0: 2 bits; 1..255: none; 256 (end): 2 bits; 257..284: none; 285 (258): 1 bit.
    length2();
    zeros(138);
    zeros(117);
    length2();
    zeros(28);
    length1();
    length1(); // distance code 0 (distance 1): 1 bit
    // Canonical codes: 285 -> 0, literal 0 -> 10, end -> 11; distance 0 -> 0.
    w.code(2, 2);
    const std::uint64_t matches = (total - 1) / 258;
    w.zeroBits(matches * 2);
    for (std::uint64_t i = 0; i < (total - 1) % 258; ++i)
        w.code(2, 2);
    w.code(3, 2);

    QByteArray stream("\x78\x01", 2);
    stream += w.bytes();
    const std::uint32_t b = std::uint32_t(total % 65521);
    be32(stream, (b << 16) | 1u); // Adler-32 of zeros
    return stream;
}

} // namespace

QByteArray blackPng(quint32 width, quint32 height)
{
    QByteArray png = pngStart(width, height);
    chunk(png, "IDAT", zlibZeros(std::uint64_t(height) * (1 + std::uint64_t(width) * 3)));
    chunk(png, "IEND", {});
    return png;
}

QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray png = pngStart(width, height);
    chunk(png, "IDAT", QByteArray("\x78\x01\x00\x00", 4));
    return png;
}

QByteArray greyJpeg(quint16 width, quint16 height)
{
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += QByteArray("\xFF\xDB\x00\x43\x00", 5) + QByteArray(64, '\x01'); // flat quantisation
    jpeg += QByteArray("\xFF\xC0\x00\x11\x08", 5);                          // baseline frame
    be16(jpeg, height);
    be16(jpeg, width);
    jpeg += QByteArray("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00", 10);
    // One-symbol Huffman tables: DC difference 0 and end-of-block, each coded as a single 0 bit.
    const QByteArray oneCode = QByteArray("\x01", 1) + QByteArray(15, '\0') + QByteArray(1, '\0');
    jpeg += QByteArray("\xFF\xC4\x00\x14\x00", 5) + oneCode;
    jpeg += QByteArray("\xFF\xC4\x00\x14\x10", 5) + oneCode;
    jpeg += QByteArray("\xFF\xDA\x00\x0C\x03\x01\x00\x02\x00\x03\x00\x00\x3F\x00", 14);
    const std::uint64_t blocks = std::uint64_t((width + 7) / 8) * ((height + 7) / 8) * 3;
    QByteArray scan(qsizetype((blocks * 2 + 7) / 8), '\0');
    if ((blocks * 2) % 8) // pad the last byte with one bits
        scan.back() = char(0xFF >> ((blocks * 2) % 8));
    if (scan.back() == '\xFF')
        scan.append('\0');
    jpeg += scan;
    jpeg += QByteArray("\xFF\xD9", 2);
    return jpeg;
}

QByteArray progressiveJpegHeader(quint16 width, quint16 height)
{
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += QByteArray("\xFF\xDB\x00\x43\x00", 5) + QByteArray(64, '\x01');
    jpeg += QByteArray("\xFF\xC2\x00\x11\x08", 5);
    be16(jpeg, height);
    be16(jpeg, width);
    jpeg += QByteArray("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00", 10);
    const QByteArray oneCode = QByteArray("\x01", 1) + QByteArray(15, '\0') + QByteArray(1, '\0');
    jpeg += QByteArray("\xFF\xC4\x00\x14\x00", 5) + oneCode;
    jpeg += QByteArray("\xFF\xDA\x00\x0C\x03\x01\x00\x02\x00\x03\x00\x00\x00\x01", 14);
    jpeg += QByteArray(16, '\0');
    return jpeg;
}

} // namespace testing_support
