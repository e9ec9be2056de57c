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

// One open sheet file: first checked against the limits from its headers, then decoded.
class SheetReader {
public:
    explicit SheetReader(int fd)
        : m_fd(fd)
    {}

    // Whether `request` can be decoded within the limits; sets up the decoding if so.
    Refusal inspect(const SheetRequest &request)
    {
        if (!m_file.open(m_fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return {SheetError::NotAPicture, m_file.errorString()};
        m_reader.setDevice(&m_file);
        m_reader.setFormat(formatOf(m_file, m_fd, m_file.size()));
        const QByteArray format = m_reader.format(); // Qt's plugins asked when content said nothing
        if (format == "svg" || format == "svgz") {
            if (const std::optional<Refusal> refusal = checkVector(m_file, format, m_vector))
                return *refusal;
            m_reader.setDevice(&m_vector);
            m_reader.setFormat("svg");
        }

        if (!m_reader.canRead())
            return {SheetError::NotAPicture, m_reader.errorString()};
        m_reader.setAutoTransform(true);
        m_turn = m_reader.transformation();
        const QSize stored = m_reader.size();
        m_full = storedSize(m_turn, stored);
        m_target = request.size.isEmpty() ? m_full : request.size;
        if (request.within && m_full.isValid())
            m_target = m_full.boundedTo(m_full.scaled(m_target, Qt::KeepAspectRatio))
                           .expandedTo(QSize(1, 1));
        m_clip = request.clip.isNull() ? QRect(QPoint(), m_target) : request.clip;
        if (m_clip.isEmpty() ||
            qint64(m_clip.width()) * m_clip.height() * kBytesPerPixel > kAllocationLimitBytes)
            return tooLarge(QStringLiteral("%1 x %2 pixels asked for")
                                .arg(m_clip.width())
                                .arg(m_clip.height()));
        // A vector picture is drawn at the size asked for, whatever size it declares.
        if (!m_vector.isOpen()) {
            const Refusal refusal =
                checkRaster(stored, m_target, !request.clip.isNull(), format, m_fd, m_file.size());
            if (refusal.error != SheetError::None)
                return refusal;
        }
        m_reader.setScaledSize(storedSize(m_turn, m_target));
        if (!request.clip.isNull())
            m_reader.setScaledClipRect(storedClip(m_turn, storedSize(m_turn, m_target), m_clip));
        return {};
    }

    // The picture's own size, upright, when its header could be read.
    QSize fullSize() const { return m_full; }

    // Decodes what inspect() set up; null, with errorString(), when the data is damaged.
    QImage read()
    {
        QImage image = m_reader.read();
        if (!image.isNull() && image.size() != m_clip.size()) // a reader that ignored the size
            image = image.scaled(m_clip.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }
    QString errorString() const { return m_reader.errorString(); }

private:
    int m_fd;
    QFile m_file;
    QBuffer m_vector; // a vector picture as checked, so that what is drawn is what was checked
    QImageReader m_reader;
    QImageIOHandler::Transformations m_turn;
    QSize m_full;
    QSize m_target;
    QRect m_clip;
};

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

    SheetReader reader(opened.file.get());
    const Refusal refusal = reader.inspect(request);
    result.fullSize = reader.fullSize();
    if (refusal.error != SheetError::None)
        return refuse(refusal);
    result.image = reader.read();
    if (result.image.isNull())
        return refuse({SheetError::NotAPicture, reader.errorString()});
    return result;
}

SheetCheck checkSheet(int fd, QSize deviceSize)
{
    SheetReader reader(fd);
    const Refusal refusal = reader.inspect(SheetRequest{deviceSize, {}});
    return {refusal.error, refusal.detail, reader.fullSize()};
}

} // namespace sheets
