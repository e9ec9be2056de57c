#include "SheetLoader.h"

#include "JpegFrame.h"
#include "SheetFormat.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>
#include <unistd.h>

namespace sheets {

namespace {

constexpr qint64 kAllocationLimitBytes = qint64(kAllocationLimitMiB) * 1024 * 1024;
constexpr qint64 kBytesPerPixel = 4;

QString describe(SheetError error)
{
    switch (error) {
    case SheetError::None:
        return {};
    case SheetError::Missing:
        return QStringLiteral("not found in any sheet folder");
    case SheetError::NotAPicture:
        return QStringLiteral("not a readable picture");
    case SheetError::TooLarge:
        return QStringLiteral("too large to decode");
    case SheetError::NoPermission:
        return QStringLiteral("no permission to read it");
    case SheetError::NotAFile:
        return QStringLiteral("not a regular file");
    }
    return {};
}

DecodedSheet failure(SheetError error, std::string path, const QString &name,
                     const QString &detail = {})
{
    QString reason = name + QStringLiteral(": ") + describe(error);
    if (!detail.isEmpty())
        reason += QStringLiteral(" (") + detail + QLatin1Char(')');
    return {QImage(), error, reason, std::move(path)};
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

// The format the file's content announces, looking at its end only when its start says nothing.
QByteArray formatOf(QFile &file, int fd, qint64 size)
{
    QByteArray format = imageFormatOf(file.peek(16));
    if (format.isEmpty() && size >= 44) {
        QByteArray tail(18, Qt::Uninitialized);
        if (::pread(fd, tail.data(), 18, size - 18) == 18)
            format = imageFormatOf({}, tail);
    }
    return format;
}

} // namespace

void installAllocationLimit()
{
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
}

SheetLoader::SheetLoader(SheetLocator locator)
    : m_locator(std::move(locator))
{}

DecodedSheet SheetLoader::load(std::string_view name, QSize deviceSize) const
{
    const QString shownName = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (deviceSize.isEmpty())
        return failure(SheetError::NotAPicture, {}, shownName, QStringLiteral("no size to show"));

    OpenedSheet opened = m_locator.open(name);
    const QString path = opened.path.empty() ? shownName : QFile::decodeName(opened.path.c_str());
    if (!opened.file.isOpen())
        return failure(opened.error, std::move(opened.path), path);

    struct stat st {};
    if (::fstat(opened.file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return failure(SheetError::NotAFile, std::move(opened.path), path);

    QFile file;
    if (!file.open(opened.file.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return failure(SheetError::NotAPicture, std::move(opened.path), path, file.errorString());

    QImageReader reader(&file, formatOf(file, opened.file.get(), st.st_size));
    const QSize full = reader.size();
    if (full.isValid() && !fitsInMemory(full, deviceSize, reader.format(), opened.file.get()))
        return failure(SheetError::TooLarge, std::move(opened.path), path,
                       QStringLiteral("%1 x %2 pixels").arg(full.width()).arg(full.height()));

    reader.setScaledSize(deviceSize);
    QImage image = reader.read();
    if (image.isNull())
        return failure(SheetError::NotAPicture, std::move(opened.path), path, reader.errorString());
    if (image.size() != deviceSize) // a reader that ignored the scaled size
        image = image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {std::move(image), SheetError::None, {}, std::move(opened.path)};
}

} // namespace sheets
