#include "SheetLoader.h"

#include "JpegFrame.h"
#include "QtText.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

constexpr qint64 kAllocationLimitBytes = qint64(kAllocationLimitMiB) * 1024 * 1024;
constexpr qint64 kBytesPerPixel = 4;

DecodedSheet failure(preview::ErrorNumber error, const QString &reason)
{
    return {QImage(), error, reason};
}

preview::ErrorNumber errorForErrno(int errorNo)
{
    switch (errorNo) {
    case ENOENT:
        return preview::kErrFileNotFound;
    case EINVAL:
    case ENAMETOOLONG:
        return preview::kErrBadFileName;
    case ENOMEM:
        return preview::kErrOutOfMemory;
    default:
        return preview::kErrPathFileAccess;
    }
}

// Qt's JPEG reader lets libjpeg decode at 1/8 .. 8/8 of the full size, the smallest step that
// still covers the target; only that much is ever allocated.
qint64 jpegDecodeBytes(QSize full, QSize target)
{
    const double f =
        std::min(double(full.width()) / target.width(), double(full.height()) / target.height());
    const int eighths = std::clamp(int(std::ceil(8.0 / f)), 1, 8);
    const qint64 w = (qint64(full.width()) * eighths + 7) / 8;
    const qint64 h = (qint64(full.height()) * eighths + 7) / 8;
    return w * h * kBytesPerPixel;
}

// Whether decoding a picture of `full` pixels to `target` stays within the allocation limit.
// Other formats decode every full row even for a scaled read, so their full size must fit.
bool fitsInMemory(QSize full, QSize target, const QByteArray &format, int fd)
{
    if (qint64(full.width()) * full.height() * kBytesPerPixel <= kAllocationLimitBytes)
        return true;
    if (format != "jpeg" || jpegDecodeBytes(full, target) > kAllocationLimitBytes)
        return false;
    // A progressive or non-interleaved JPEG keeps every coefficient of the full picture.
    const JpegFrame frame = readJpegFrame(fd);
    return frame.valid && frame.bufferedCoefficientBytes <= kAllocationLimitBytes;
}

} // namespace

QByteArray imageFormatOf(const QByteArray &head, const QByteArray &tail)
{
    auto startsWith = [&head](std::string_view magic) {
        return head.size() >= qsizetype(magic.size()) &&
               std::memcmp(head.constData(), magic.data(), magic.size()) == 0;
    };
    if (startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    if (startsWith("GIF87a") || startsWith("GIF89a"))
        return "gif";
    if (startsWith("RIFF") && head.size() >= 12 && head.mid(8, 4) == "WEBP")
        return "webp";
    if (startsWith(std::string_view("II*\0", 4)) || startsWith(std::string_view("MM\0*", 4)))
        return "tiff";
    if (startsWith("BM"))
        return "bmp";
    if (startsWith(std::string_view("\0\0\1\0", 4)))
        return "ico";
    if (startsWith("\x8AMNG\r\n\x1A\n"))
        return "mng";
    if (startsWith("icns"))
        return "icns";
    if (startsWith("/* XPM */"))
        return "xpm";
    if (head.size() >= 3 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6' &&
        std::isspace(static_cast<unsigned char>(head[2]))) {
        static constexpr const char *kNetpbm[] = {"pbm", "pgm", "ppm"};
        return kNetpbm[(head[1] - '1') % 3];
    }
    // TGA has no signature at its start; version 2 files end with one.
    if (tail == QByteArrayView("TRUEVISION-XFILE.\0", 18))
        return "tga";
    return {};
}

SheetLoader::SheetLoader(SheetLocator locator)
    : m_locator(std::move(locator))
{
    // Qt's own guard, set explicitly: the default differs between Qt releases.
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
}

DecodedSheet SheetLoader::load(std::string_view name, QSize deviceSize) const
{
    const QString shownName = qs(name);
    if (deviceSize.isEmpty())
        return failure(preview::kErrInvalidPicture, shownName + ": nothing to show it in");

    const OpenedSheet opened = m_locator.open(name);
    if (opened.fd < 0)
        return failure(errorForErrno(opened.errorNo),
                       shownName + ": " + QString::fromLocal8Bit(std::strerror(opened.errorNo)));
    const QString path = QString::fromLocal8Bit(opened.path.c_str());

    struct stat st {};
    if (::fstat(opened.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(opened.fd);
        return failure(preview::kErrPathFileAccess, path + ": not a regular file");
    }

    QFile file;
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        return failure(preview::kErrPathFileAccess, path + ": " + file.errorString());
    }

    QByteArray format = imageFormatOf(file.peek(16));
    if (format.isEmpty() && st.st_size >= 44) {
        QByteArray tail(18, Qt::Uninitialized);
        if (::pread(opened.fd, tail.data(), 18, st.st_size - 18) == 18)
            format = imageFormatOf({}, tail);
    }
    QImageReader reader(&file, format);
    const QSize full = reader.size();
    if (full.isValid() && !fitsInMemory(full, deviceSize, reader.format(), opened.fd))
        return failure(preview::kErrOutOfMemory,
                       QStringLiteral("%1: %2 x %3 pixels is more than can be decoded")
                           .arg(path)
                           .arg(full.width())
                           .arg(full.height()));

    reader.setScaledSize(deviceSize);
    QImage image = reader.read();
    if (image.isNull())
        return failure(preview::kErrInvalidPicture, path + ": " + reader.errorString());
    if (image.size() != deviceSize) // a reader that ignored the scaled size
        image = image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {std::move(image), preview::kNoError, {}};
}

} // namespace shell
