#pragma once

#include "SheetFile.h"
#include "SheetProbe.h"
#include "SheetRequest.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace sheets {

// Sets Qt's own guard for every image reader of the process to the allocation limit; called
// once, at start-up. Set explicitly because its default differs between Qt releases.
void installAllocationLimit();

struct DecodedSheet {
    QImage image; // as requested; null when the sheet could not be shown
    SheetError error = SheetError::None;
    QString detail;   // what was wrong, in a few words, for the log; may be empty
    std::string path; // the file read, when one was found
    QSize fullSize;   // the picture's own size, upright, when its header could be read
};

// The sheet file `file`, checked and, when `decode`, decoded here, in this process.
DecodedSheet readSheet(SheetFile &file, const SheetRequest &request, bool decode);

// Whether the sheet file open as `fd` would show at `deviceSize`, from its headers.
SheetCheck checkSheet(int fd, QSize deviceSize);

} // namespace sheets
