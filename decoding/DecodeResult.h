#pragma once

#include "SheetError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace sheets {

// What came of a request: the picture as asked, or why there is none.
struct DecodeResult {
    QImage image; // null when only the headers were asked for, or the sheet cannot be shown
    SheetError error = SheetError::None;
    QString detail;    // what was wrong, in a few words, for the log; may be empty
    QSize fullSize;    // the picture's own size, upright, when its header could be read
    QByteArray format; // what its content is, as Qt names image formats ("png"); may be empty
    std::string path;  // the file read, as bytes, when the window found one by name

    bool isShown() const { return error == SheetError::None; }
};

} // namespace sheets
