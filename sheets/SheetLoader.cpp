#include "SheetLoader.h"

#include "JpegFrame.h"
#include "SheetFormat.h"
#include "SvgComplexity.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include <unistd.h>

namespace sheets {

namespace {

constexpr qint64 kAllocationLimitBytes = qint64(kAllocationLimitMiB) * 1024 * 1024;
constexpr qint64 kBytesPerPixel = 4;
// Decoding time, kept under a second of a slow machine's processor. Formats other than JPEG
// decode every pixel whatever size they are shown at (PNG about 30 ns a pixel, scaling
// included); JPEG decodes every byte (about 12 ns each) and, in several scans, every block of
// every scan (about 60 ns a block).
constexpr qint64 kMaxDecodedPixels = 30'000'000;
constexpr qint64 kMaxJpegBytes = 64 * 1024 * 1024;
constexpr qint64 kMaxScanBlocks = 12'000'000;
// Vector sheets are read whole, and drawn shape by shape: ten thousand shapes that each cover
// the picture take about a second.
constexpr qsizetype kMaxVectorBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxVectorElements = 10'000;

// Why a sheet could not be had, with what the log should say about it.
struct Refusal {
    SheetError error = SheetError::None;
    QString detail;
};

Refusal tooLarge(const QString &detail)
{
    return {SheetError::TooLarge, detail};
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

// Whether decoding a raster picture of `full` pixels to `target` stays within the limits.
Refusal checkRaster(QSize full, QSize target, bool clipped, const QByteArray &format, int fd,
                    qint64 bytes)
{
    if (format != "jpeg") {
        const qint64 pixels = qint64(full.width()) * full.height();
        if (pixels > kMaxDecodedPixels || pixels * kBytesPerPixel > kAllocationLimitBytes)
            return tooLarge(QStringLiteral("%1 x %2 pixels").arg(full.width()).arg(full.height()));
        return {};
    }
    // What libjpeg will allocate and go through is read from the markers, as it reads them; a
    // file whose markers cannot be read that far is no picture to try.
    const JpegFrame frame = readJpegFrame(fd);
    if (!frame.valid)
        return {SheetError::NotAPicture, QStringLiteral("damaged JPEG headers")};
    const QString size = QStringLiteral("%1 x %2 pixels").arg(frame.width).arg(frame.height);
    // Asked for a part, libjpeg decodes row by row and keeps only that part.
    if (!clipped &&
        jpegDecodeBytes(QSize(frame.width, frame.height), target) > kAllocationLimitBytes)
        return tooLarge(size);
    if (bytes > kMaxJpegBytes)
        return tooLarge(QStringLiteral("%1 bytes").arg(bytes));
    if (frame.multiScan && frame.bufferedCoefficientBytes > kAllocationLimitBytes)
        return tooLarge(size + QStringLiteral(" in several scans"));
    if (frame.multiScan && (frame.scans > kScanLimit || frame.scanBlocks > kMaxScanBlocks))
        return tooLarge(QStringLiteral("%1 scans").arg(frame.scans));
    return {};
}

// A vector picture, checked and then read from memory, so that what is drawn is what was
// checked. Nothing when it is fit to draw.
std::optional<Refusal> checkVector(QFile &file, const QByteArray &format, QBuffer &checked)
{
    if (file.size() > kMaxVectorBytes)
        return tooLarge(QStringLiteral("%1 bytes").arg(file.size()));
    std::optional<QByteArray> document = file.readAll();
    if (format == "svgz")
        document = gunzip(*document, kMaxVectorBytes);
    const std::optional<qint64> drawn =
        document ? svgDrawnElements(*document, kMaxVectorElements) : std::nullopt;
    if (!drawn)
        return Refusal{SheetError::NotAPicture, QStringLiteral("not well-formed")};
    if (*drawn > kMaxVectorElements)
        return tooLarge(QStringLiteral("too many shapes"));
    checked.setData(*document);
    checked.open(QIODevice::ReadOnly);
    return std::nullopt;
}

// The format the file's content announces, looking at its end only when its start says nothing.
QByteArray formatOf(QFile &file, int fd, qint64 size)
{
    QByteArray format = imageFormatOf(file.peek(kFormatHeadBytes));
    if (format.isEmpty() && size >= 44) {
        QByteArray tail(18, Qt::Uninitialized);
        if (::pread(fd, tail.data(), 18, size - 18) == 18)
            format = imageFormatOf({}, tail);
    }
    return format;
}

// The size a picture is stored at, for one that shows `upright` once turned as its header says.
QSize storedSize(QImageIOHandler::Transformations t, QSize upright)
{
    return t & QImageIOHandler::TransformationRotate90 ? upright.transposed() : upright;
}

// The part of the stored picture, scaled to `stored`, that becomes `clip` of the upright one. The
// reader mirrors and flips the stored picture, then turns it a quarter clockwise.
QRect storedClip(QImageIOHandler::Transformations t, QSize stored, QRect clip)
{
    const bool mirror = t & QImageIOHandler::TransformationMirror;
    const bool flip = t & QImageIOHandler::TransformationFlip;
    QTransform toUpright(mirror ? -1 : 1, 0, 0, flip ? -1 : 1, mirror ? stored.width() : 0,
                         flip ? stored.height() : 0);
    if (t & QImageIOHandler::TransformationRotate90)
        toUpright *= QTransform(0, 1, -1, 0, stored.height(), 0);
    return toUpright.inverted().mapRect(QRectF(clip)).toAlignedRect();
}

} // namespace

QString describe(SheetError error)
{
    switch (error) {
    case SheetError::None:
        return {};
    case SheetError::Missing:
        return QStringLiteral("missing");
    case SheetError::NotAPicture:
        return QStringLiteral("not a readable picture");
    case SheetError::TooLarge:
        return QStringLiteral("too large to show");
    case SheetError::NoPermission:
        return QStringLiteral("no permission to read it");
    case SheetError::NotAFile:
        return QStringLiteral("not a file");
    }
    return {};
}

void installAllocationLimit()
{
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
}

SheetLoader::SheetLoader(SheetLocator locator)
    : m_locator(std::move(locator))
{}

DecodedSheet SheetLoader::load(std::string_view name, QSize deviceSize) const
{
    if (deviceSize.isEmpty())
        return {{}, SheetError::NotAPicture, QStringLiteral("no size to show it at"), {}, {}};
    return load(name, SheetRequest{deviceSize, {}});
}

DecodedSheet SheetLoader::load(std::string_view name, const SheetRequest &request) const
{
    DecodedSheet result;
    OpenedSheet opened = m_locator.open(name);
    result.path = opened.path;
    const QString path = opened.path.empty()
                             ? QString::fromUtf8(name.data(), qsizetype(name.size()))
                             : QFile::decodeName(opened.path.c_str());
    auto refuse = [&result, &path](const Refusal &refusal) {
        result.error = refusal.error;
        result.reason = path + QStringLiteral(": ") + describe(refusal.error);
        if (!refusal.detail.isEmpty())
            result.reason += QStringLiteral(" (") + refusal.detail + QLatin1Char(')');
        return std::move(result);
    };
    if (!opened.file.isOpen())
        return refuse({opened.error, {}});

    QFile file;
    if (!file.open(opened.file.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return refuse({SheetError::NotAPicture, file.errorString()});

    QBuffer vector;
    QImageReader reader(&file, formatOf(file, opened.file.get(), file.size()));
    const QByteArray format = reader.format(); // Qt's plugins asked when the content said nothing
    if (format == "svg" || format == "svgz") {
        if (const std::optional<Refusal> refusal = checkVector(file, format, vector))
            return refuse(*refusal);
        reader.setDevice(&vector);
        reader.setFormat("svg");
    }

    reader.setAutoTransform(true);
    const QImageIOHandler::Transformations turn = reader.transformation();
    const QSize stored = reader.size();
    result.fullSize = storedSize(turn, stored);
    QSize target = request.size.isEmpty() ? result.fullSize : request.size;
    if (request.within && result.fullSize.isValid())
        target = result.fullSize.boundedTo(result.fullSize.scaled(target, Qt::KeepAspectRatio))
                     .expandedTo(QSize(1, 1));
    const QRect clip = request.clip.isNull() ? QRect(QPoint(), target) : request.clip;
    if (clip.isEmpty() ||
        qint64(clip.width()) * clip.height() * kBytesPerPixel > kAllocationLimitBytes)
        return refuse(tooLarge(
            QStringLiteral("%1 x %2 pixels asked for").arg(clip.width()).arg(clip.height())));
    // A vector picture is drawn at the size asked for, whatever size it declares.
    if (!vector.isOpen()) {
        const Refusal refusal = checkRaster(stored, target, !request.clip.isNull(), format,
                                            opened.file.get(), file.size());
        if (refusal.error != SheetError::None)
            return refuse(refusal);
    }

    reader.setScaledSize(storedSize(turn, target));
    if (!request.clip.isNull())
        reader.setScaledClipRect(storedClip(turn, storedSize(turn, target), clip));
    QImage image = reader.read();
    if (image.isNull())
        return refuse({SheetError::NotAPicture, reader.errorString()});
    if (image.size() != clip.size()) // a reader that ignored the scaled size
        image = image.scaled(clip.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.image = std::move(image);
    return result;
}

} // namespace sheets
