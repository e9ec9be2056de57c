#pragma once

// Picture files for the tests: small ones from Qt's writers, and huge ones written as bytes.
#include "SheetError.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>

#include <vector>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <zlib.h>

namespace testing_support {

inline QByteArray encoded(QColor colour, const char *format, QSize size = QSize(52, 40))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline void appendBigEndian16(QByteArray &out, int v)
{
    out.append(char(v >> 8)).append(char(v));
}

// A mid-grey JPEG of width x height with every block flat, so 20000 x 15000 is a few megabytes.
// Progressive: only the headers, enough for a decoder to plan its memory.
inline QByteArray flatJpeg(int width, int height, bool progressive = false)
{
    QByteArray jpeg("\xFF\xD8\xFF\xDB\x00\x43\x00", 7);
    jpeg += QByteArray(64, '\x01'); // flat quantisation
    jpeg +=
        progressive ? QByteArray("\xFF\xC2\x00\x11\x08", 5) : QByteArray("\xFF\xC0\x00\x11\x08", 5);
    appendBigEndian16(jpeg, height);
    appendBigEndian16(jpeg, width);
    jpeg += QByteArray("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00", 10);
    // One-symbol Huffman tables: DC difference 0 and end-of-block, each a single 0 bit.
    const QByteArray oneCode = QByteArray("\x01", 1) + QByteArray(16, '\0');
    jpeg += QByteArray("\xFF\xC4\x00\x14\x00", 5) + oneCode;
    jpeg += QByteArray("\xFF\xC4\x00\x14\x10", 5) + oneCode;
    jpeg += QByteArray("\xFF\xDA\x00\x0C\x03\x01\x00\x02\x00\x03\x00\x00", 12);
    if (progressive)
        return jpeg + QByteArray("\x00\x01", 2) + QByteArray(16, '\0');
    jpeg += QByteArray("\x3F\x00", 2);
    const qint64 bits = qint64((width + 7) / 8) * ((height + 7) / 8) * 3 * 2;
    QByteArray scan(qsizetype((bits + 7) / 8), '\0');
    if (bits % 8) // pad the last byte with one bits
        scan.back() = char(0xFF >> (bits % 8));
    if (scan.back() == '\xFF')
        scan.append('\0');
    return jpeg + scan + QByteArray("\xFF\xD9", 2);
}

// A BMP whose header declares width x height but which holds no pixels.
inline QByteArray bmpHeaderOnly(int width, int height)
{
    QByteArray bmp("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18);
    for (int v : {width, height})
        bmp.append(char(v)).append(char(v >> 8)).append(char(v >> 16)).append(char(v >> 24));
    return bmp + QByteArray("\x01\0\x20\0", 4) + QByteArray(24, '\0');
}

// `bytes` packed as gzip, as .svgz files are.
inline QByteArray gzip(const QByteArray &bytes)
{
    z_stream stream{};
    QByteArray packed(bytes.size() + 64, Qt::Uninitialized);
    deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(packed.data());
    stream.avail_out = uInt(packed.size());
    deflate(&stream, Z_FINISH);
    packed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return packed;
}

// A small PNG carrying a compressed text chunk that unpacks to `bytes` zeros.
inline QByteArray pngWithPackedText(qint64 bytes)
{
    QByteArray text("Comment\0\0", 9);
    z_stream stream{};
    deflateInit(&stream, Z_BEST_SPEED);
    const QByteArray zeros(1 << 20, '\0');
    QByteArray out(1 << 16, Qt::Uninitialized);
    for (qint64 left = bytes; left >= 0; left -= zeros.size()) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(std::min<qint64>(left, zeros.size()));
        const int flush = left <= zeros.size() ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            deflate(&stream, flush);
            text.append(out.constData(), out.size() - qsizetype(stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    QByteArray chunk;
    const quint32 length = quint32(text.size());
    for (int shift : {24, 16, 8, 0})
        chunk.append(char(length >> shift));
    const QByteArray body = "zTXt" + text;
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()));
    chunk += body;
    for (int shift : {24, 16, 8, 0})
        chunk.append(char(crc >> shift));
    return encoded(Qt::red, "png").insert(33, chunk); // after the signature and IHDR
}

// Files named like sheets, made to do harm where sheets are added, each with what it is and the
// reason it is refused for: SVGs whose <image> names the file itself (the renderer recursing
// until it crashes) or a FIFO (waiting for a writer for good), an 8 GiB sparse file that starts
// like a JPEG, and a PNG cut short.
struct HostileSheet {
    QString sheet;
    const char *what;
    sheets::SheetError refusal;
};
inline std::vector<HostileSheet> writeHostileSheets(const QString &folder)
{
    const QString svg = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='40'>"
                        "<rect width='40' height='40' fill='blue'/>"
                        "<image width='40' height='40' href='%1'/></svg>";
    const QString pipe = folder + "/pipe";
    ::mkfifo(QFile::encodeName(pipe), 0600);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage stripes(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    stripes.save(&buffer, "png");
    const std::vector<HostileSheet> hostile = {
        {"ghost.qpk", "an SVG drawing itself", sheets::SheetError::NotAPicture},
        {"house.qpk", "an SVG drawing a FIFO", sheets::SheetError::NotAPicture},
        {"armory.qpk", "an 8 GiB sparse JPEG", sheets::SheetError::TooLarge},
        {"barracks.qpk", "a PNG cut short", sheets::SheetError::NotAPicture},
    };
    writeBytes(folder + "/ghost.qpk", svg.arg(folder + "/ghost.qpk").toUtf8());
    writeBytes(folder + "/house.qpk", svg.arg(pipe).toUtf8());
    writeBytes(folder + "/armory.qpk", QByteArray("\xFF\xD8\xFF\xE0", 4));
    QFile(folder + "/armory.qpk").resize(qint64(8) << 30);
    writeBytes(folder + "/barracks.qpk", png.left(png.size() / 2));
    return hostile;
}

// While it lives, this thread is held to files' permissions even when it runs as root: it gives
// up reading whatever it likes (CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH), then takes it back.
class WithoutReadingEverything {
public:
    WithoutReadingEverything() { set(false); }
    ~WithoutReadingEverything() { set(true); }

private:
    static void set(bool granted)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (::syscall(SYS_capget, &header, data) != 0)
            return;
        const __u32 reading = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective = granted ? data[0].effective | (data[0].permitted & reading)
                                    : data[0].effective & ~reading;
        ::syscall(SYS_capset, &header, data);
    }
};

} // namespace testing_support
