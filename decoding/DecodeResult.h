#pragma once

#include "SheetError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace sheets {

// What a picture's text keys say of the file it stands for, when it is a desktop thumbnail or a
// record of one that failed: read by whoever decoded it, bounded and checked there.
struct ThumbnailKeys {
    QByteArray uri;    // Thumb::URI, printable ASCII; empty when absent or unfit
    qint64 mtime = -1; // Thumb::MTime, whole seconds; -1 when absent or not a number
    qint64 size = -1;  // Thumb::Size, bytes; -1 when absent or not a number
    int refusal = 0;   // kRefusalKey: the SheetError a failure record keeps; 0 when none
};

// This program's own key in its failure records: why the sheet was refused.
inline constexpr char kRefusalKey[] = "X-Tesselbox::Refusal";
// The longest Thumb::URI believed: a path of 4096 bytes, every one percent-encoded.
inline constexpr int kMaxThumbnailUriBytes = 7 + 3 * 4096;

// What came of a request: the picture as asked, or why there is none.
struct DecodeResult {
    QImage image; // null when only the headers were asked for, or the sheet cannot be shown
    SheetError error = SheetError::None;
    QString detail;    // what was wrong, in a few words, for the log; may be empty
    QSize fullSize;    // the picture's own size, upright, when its header could be read
    QByteArray format; // what its content is, as Qt names image formats ("png"); may be empty
    std::string path;  // the file read, as bytes, when the window found one by name
    ThumbnailKeys thumbnail;
    // Says nothing lasting about the file (no helper could start, it was given up on, it took
    // too long while the machine was busy): another reading may do better.
    bool transient = false;

    bool isShown() const { return error == SheetError::None; }
};

} // namespace sheets
