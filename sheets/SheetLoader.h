#pragma once

#include "SheetError.h"
#include "SheetLocator.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>
#include <string_view>

namespace sheets {

// No picture may need more memory than this to decode. A header that asks for more is refused
// before anything is allocated.
inline constexpr int kAllocationLimitMiB = 512;

// Sets Qt's own guard for every image reader of the process; called once, at start-up. Set
// explicitly because its default differs between Qt releases.
void installAllocationLimit();

// What to decode a sheet to.
struct SheetRequest {
    QSize size; // the whole picture scaled to this, stretched if need be; empty: its own size
    QRect clip; // only this part of the scaled picture; null: all of it
    // `size` is a bound instead: as large as fits in it with the picture's own proportions, but
    // never larger than the picture.
    bool within = false;
};

// Why a sheet could not be had, in a few words: "missing", "too large to show", ...
QString describe(SheetError error);

struct DecodedSheet {
    QImage image; // as requested; null when the sheet could not be shown
    SheetError error = SheetError::None;
    QString reason;   // why not, for the log
    std::string path; // the file read, when one was found
    QSize fullSize;   // the picture's own size, upright, when its header could be read
};

// What the headers of a sheet file say about showing it.
struct SheetCheck {
    SheetError error = SheetError::None;
    QString detail; // what is wrong, in a few words; may be empty
    QSize fullSize; // the picture's own size, upright, when its header could be read
};

// Whether the sheet file open as `fd` would show at `deviceSize`: its format recognised by its
// content and its size within the limits, read from its headers without decoding all of it.
// The file must be at its start; its position is left anywhere.
SheetCheck checkSheet(int fd, QSize deviceSize);

// Opens a sheet by bare name and decodes it straight to the requested pixels. Every call reads
// the file again; nothing is cached. A file whose decoding would take more memory or time than
// the limits allow is refused before decoding starts.
class SheetLoader {
public:
    explicit SheetLoader(SheetLocator locator = SheetLocator());

    // Decoded to exactly `deviceSize`, as a choice shows it.
    DecodedSheet load(std::string_view name, QSize deviceSize) const;
    DecodedSheet load(std::string_view name, const SheetRequest &request) const;

private:
    SheetLocator m_locator;
};

} // namespace sheets
