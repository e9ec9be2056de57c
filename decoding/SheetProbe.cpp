#include "SheetProbe.h"

#include "SheetFormat.h"
#include "SheetLimits.h"
#include "SvgComplexity.h"

#include <QTransform>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace sheets {

namespace {

// TGA has no signature at its start; version 2 files end with an 18-byte footer, and the
// smallest file with one holds a header and a footer.
constexpr qint64 kTgaFooterBytes = 18;
constexpr qint64 kTgaSmallestFile = 44;

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

// The format the file's content announces, looking at its end only when its start says nothing.
QByteArray formatOf(const SheetFile &file)
{
    QByteArray format = imageFormatOf(file.head(kFormatHeadBytes));
    if (format.isEmpty() && file.size() >= kTgaSmallestFile)
        format = imageFormatOf({}, file.tail(kTgaFooterBytes));
    return format;
}

DecodeResult refusal(SheetError error, const QString &detail)
{
    DecodeResult result;
    result.error = error;
    result.detail = detail;
    return result;
}

QString pixelsText(QSize size)
{
    return QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
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

// The logical screen a GIF's frames are drawn on: two 16-bit sizes after its signature.
QSize gifScreen(const SheetFile &file)
{
    const QByteArray head = file.head(10);
    if (head.size() < 10)
        return {};
    const auto at = [&head](int i) { return int(uchar(head[i])) | int(uchar(head[i + 1])) << 8; };
    return QSize(at(6), at(8));
}

// `image` shrunk to `target`, averaged in premultiplied 32-bit colour whatever its own format,
// and the part `clip` of that.
QImage shrunk(QImage image, QSize target, QRect clip)
{
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return clip == image.rect() ? image : image.copy(clip);
}

// A whole decimal number, as the thumbnail keys write them; -1 for anything else, and for one
// too long to be a time or a size.
qint64 decimalKey(const QString &text)
{
    if (text.isEmpty() || text.size() > 18)
        return -1;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

ThumbnailKeys thumbnailKeysOf(const QImage &image)
{
    ThumbnailKeys keys;
    if (image.textKeys().isEmpty())
        return keys;
    // A URI as this program writes it is percent-encoded ASCII; anything else matches no sheet.
    const QString uri = image.text(QStringLiteral("Thumb::URI"));
    if (uri.size() <= kMaxThumbnailUriBytes &&
        std::all_of(uri.begin(), uri.end(), [](QChar c) { return c > u' ' && c < u'\x7f'; }))
        keys.uri = uri.toLatin1();
    keys.mtime = decimalKey(image.text(QStringLiteral("Thumb::MTime")));
    keys.size = decimalKey(image.text(QStringLiteral("Thumb::Size")));
    const qint64 refusal = decimalKey(image.text(QLatin1String(kRefusalKey)));
    if (refusal == int(SheetError::NotAPicture) || refusal == int(SheetError::TooLarge))
        keys.refusal = int(refusal);
    return keys;
}

struct VectorDocument {
    std::optional<QByteArray> document; // as it will be drawn; empty when refused
    DecodeResult refusal;
};

// A vector picture read whole, unpacked and counted; refused when past the limits.
VectorDocument readVector(const SheetFile &file, const QByteArray &format)
{
    if (file.size() > kMaxVectorBytes)
        return {{}, refusal(SheetError::TooLarge, QStringLiteral("%1 bytes").arg(file.size()))};
    std::optional<QByteArray> document = file.head(file.size());
    bool unpacksTooLarge = false;
    if (format == "svgz")
        document = gunzip(*document, kMaxVectorBytes, &unpacksTooLarge);
    if (unpacksTooLarge)
        return {{}, refusal(SheetError::TooLarge, QStringLiteral("unpacks to too many bytes"))};
    const std::optional<SvgDrawing> drawn =
        document ? svgDrawing(*document, kMaxVectorElements) : std::nullopt;
    if (!drawn)
        return {{}, refusal(SheetError::NotAPicture, QStringLiteral("not well-formed"))};
    if (drawn->readsFiles)
        return {{}, refusal(SheetError::NotAPicture, QStringLiteral("draws another file"))};
    if (drawn->elements > kMaxVectorElements)
        return {{}, refusal(SheetError::TooLarge, QStringLiteral("too many shapes"))};
    return {std::move(document), {}};
}

// What the JPEG's markers say libjpeg would go through, whatever size it is shown at.
DecodeResult jpegRefusal(const JpegFrame &frame)
{
    const QSize size(frame.width, frame.height);
    if (!frame.valid)
        return refusal(SheetError::NotAPicture, QStringLiteral("damaged JPEG headers"));
    if (frame.multiScan && frame.bufferedCoefficientBytes > kAllocationLimitBytes)
        return refusal(SheetError::TooLarge,
                       pixelsText(size) + QStringLiteral(" in several scans"));
    if (frame.multiScan && (frame.scans > kMaxJpegScans || frame.scanBlocks > kMaxScanBlocks))
        return refusal(SheetError::TooLarge, QStringLiteral("%1 scans").arg(frame.scans));
    return {};
}

} // namespace

SheetProbe::SheetProbe(SheetFile &file, const DecodeRequest &request)
    : m_file(file)
{
    if (!m_file.isOpen())
        refuse(SheetError::NotAPicture, m_file.errorString());
    else
        inspect(request);
}

bool SheetProbe::refuse(SheetError error, const QString &detail)
{
    m_error = error;
    m_detail = detail;
    return false;
}

void SheetProbe::inspect(const DecodeRequest &request)
{
    if (const DecodeResult early = earlyRefusal(m_file); !early.isShown()) {
        refuse(early.error, early.detail);
        return;
    }
    m_reader.setDevice(&m_file);
    m_reader.setFormat(formatOf(m_file));
    const QByteArray format = m_reader.format(); // Qt's plugins asked when content said nothing
    m_format = format;
    if ((format == "svg" || format == "svgz") && !checkVector(format))
        return;
    if (!m_reader.canRead()) {
        refuse(SheetError::NotAPicture, m_reader.errorString());
        return;
    }
    m_reader.setAutoTransform(true);
    m_turn = m_reader.transformation();
    const QSize stored = m_reader.size();
    m_full = storedSize(m_turn, stored);
    // Only the headers are looked at: the smallest picture, so that no limit that depends on the
    // size stands in the way.
    const QSize asked = request.kind == DecodeKind::Look ? QSize(1, 1) : request.size;
    m_target = asked.isEmpty() ? m_full : asked;
    if ((request.kind == DecodeKind::Thumbnail || request.kind == DecodeKind::OwnSize) &&
        m_full.isValid())
        m_target =
            m_full.boundedTo(m_full.scaled(m_target, Qt::KeepAspectRatio)).expandedTo(QSize(1, 1));
    else if (request.kind == DecodeKind::Box && m_full.isValid())
        m_target = shownInBox(m_full, m_target);
    const bool clipped = request.kind == DecodeKind::Region;
    m_clip = clipped ? request.clip : QRect(QPoint(), m_target);
    // At its own size a picture is held to the pixel limit, whatever its format decodes at.
    const qint64 pixels = qint64(m_clip.width()) * m_clip.height();
    if (m_clip.isEmpty() || pixels * kBytesPerPixel > kAllocationLimitBytes ||
        (request.kind == DecodeKind::OwnSize && pixels > kMaxDecodedPixels)) {
        refuse(SheetError::TooLarge, pixelsText(m_clip.size()) + QStringLiteral(" asked for"));
        return;
    }
    // A vector picture is drawn at the size asked for, whatever size it declares.
    if (!m_vector.isOpen() && !checkRaster(stored, clipped, format))
        return;
    // Qt's readers shrink many pictures wrongly: those with a palette or a bit a pixel come back
    // re-quantised to it, as noise, and transparent ones with their hidden colours bled in. So
    // each is read whole, within the limits already, and shrunk here; but not a JPEG, which
    // libjpeg shrinks as it decodes, nor a drawing, drawn at the size asked for.
    m_shrinkHere =
        !m_vector.isOpen() && format != "jpeg" &&
        qint64(m_target.width()) * m_target.height() <= qint64(m_full.width()) * m_full.height();
    if (m_shrinkHere)
        return;
    m_reader.setScaledSize(storedSize(m_turn, m_target));
    if (clipped)
        m_reader.setScaledClipRect(storedClip(m_turn, storedSize(m_turn, m_target), m_clip));
}

// Read whole and counted, then drawn from memory.
bool SheetProbe::checkVector(const QByteArray &format)
{
    VectorDocument vector = readVector(m_file, format);
    if (!vector.document)
        return refuse(vector.refusal.error, vector.refusal.detail);
    m_vector.setData(*vector.document);
    m_vector.open(QIODevice::ReadOnly);
    m_reader.setDevice(&m_vector);
    m_reader.setFormat("svg");
    return true;
}

// Whether decoding a raster picture stored at `stored` pixels stays within the limits.
bool SheetProbe::checkRaster(QSize stored, bool clipped, const QByteArray &format)
{
    if (format != "jpeg") {
        // A GIF is drawn on its logical screen, which Qt's reader allocates whole, whatever size
        // its first frame says.
        const QSize drawn = format == "gif" ? stored.expandedTo(gifScreen(m_file)) : stored;
        const qint64 pixels = qint64(drawn.width()) * drawn.height();
        if (pixels > kMaxDecodedPixels || pixels * kBytesPerPixel > kAllocationLimitBytes)
            return refuse(SheetError::TooLarge, pixelsText(drawn));
        return true;
    }
    // What libjpeg will allocate and go through is read from the markers, as it reads them; a
    // file whose markers cannot be read that far is no picture to try.
    const JpegFrame frame = m_file.jpegFrame();
    if (const DecodeResult refused = jpegRefusal(frame); !refused.isShown())
        return refuse(refused.error, refused.detail);
    const QSize size(frame.width, frame.height);
    // Asked for a part, libjpeg decodes row by row and keeps only that part.
    return clipped || jpegDecodeBytes(size, m_target) <= kAllocationLimitBytes ||
           refuse(SheetError::TooLarge, pixelsText(size));
}

DecodeResult SheetProbe::earlyRefusal(const SheetFile &file)
{
    const qint64 size = file.size();
    if (size > kMaxSheetBytes)
        return refusal(SheetError::TooLarge, QStringLiteral("%1 bytes").arg(size));
    const QByteArray format = formatOf(file);
    if ((format == "jpeg" && size > kMaxJpegBytes) ||
        ((format == "svg" || format == "svgz") && size > kMaxVectorBytes))
        return refusal(SheetError::TooLarge, QStringLiteral("%1 bytes").arg(size));
    return {};
}

QImage SheetProbe::decode()
{
    if (m_error != SheetError::None)
        return {};
    // Readers give up quietly when memory runs out; the allocation that failed says why.
    errno = 0;
    QImage image = m_reader.read();
    if (image.isNull()) {
        const bool outOfMemory = errno == ENOMEM;
        refuse(outOfMemory ? SheetError::TooLarge : SheetError::NotAPicture,
               outOfMemory ? QStringLiteral("out of memory") : m_reader.errorString());
        return image;
    }
    m_keys = thumbnailKeysOf(image);
    if (m_shrinkHere)
        image = shrunk(std::move(image), m_target, m_clip);
    else if (image.size() != m_clip.size()) // a reader that ignored the scaled size
        image = image.scaled(m_clip.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull() && m_error == SheetError::None)
        refuse(SheetError::TooLarge, QStringLiteral("out of memory"));
    return image;
}

} // namespace sheets
