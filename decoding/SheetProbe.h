#pragma once

#include "DecodeRequest.h"
#include "DecodeResult.h"
#include "SheetFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace sheets {

// A sheet file looked at for one request: its format recognised by its content and what
// decoding it would cost read from its headers, so that a file past the limits is refused
// before anything is allocated; then, when it was not refused, decoded.
class SheetProbe {
public:
    SheetProbe(SheetFile &file, const DecodeRequest &request);

    SheetError error() const { return m_error; }
    // What was found wrong, in a few words; may be empty.
    QString detail() const { return m_detail; }
    // The picture's own size, upright, when its header could be read.
    QSize fullSize() const { return m_full; }

    QByteArray format() const { return m_format; }

    // What the window may look at before a file goes to the helper: its size, then at most
    // kFormatHeadBytes of its start and its last few bytes, with this program's own code only.
    // A file that is too large for its format is refused at once, however it was made.
    static DecodeResult earlyRefusal(const SheetFile &file);

    // The picture as requested; null, with detail() saying why, when the data is damaged.
    QImage decode();
    // The thumbnail keys of the picture decode() read.
    const ThumbnailKeys &thumbnailKeys() const { return m_keys; }

private:
    void inspect(const DecodeRequest &request);
    bool refuse(SheetError error, const QString &detail);
    bool checkVector(const QByteArray &format);
    bool checkRaster(QSize stored, bool clipped, const QByteArray &format);

    SheetFile &m_file;
    QBuffer m_vector; // a vector picture as checked, so that what is drawn is what was checked
    QImageReader m_reader;
    SheetError m_error = SheetError::None;
    QString m_detail;
    QByteArray m_format;
    QImageIOHandler::Transformations m_turn;
    QSize m_full;
    QSize m_target;
    QRect m_clip;
    bool m_shrinkHere = false; // read whole and shrunk to m_target here, not by the reader
    ThumbnailKeys m_keys;
};

} // namespace sheets
