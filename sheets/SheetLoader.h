#pragma once

#include "SheetError.h"
#include "SheetLocator.h"

#include <QImage>
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

struct DecodedSheet {
    QImage image; // exactly the requested size; null when the sheet could not be shown
    SheetError error = SheetError::None;
    QString reason;   // why not, for the log
    std::string path; // the file read, when one was found
};

// Opens a sheet by bare name and decodes it straight to the requested device pixels. Every call
// reads the file again; nothing is cached.
class SheetLoader {
public:
    explicit SheetLoader(SheetLocator locator = SheetLocator());

    DecodedSheet load(std::string_view name, QSize deviceSize) const;

private:
    SheetLocator m_locator;
};

} // namespace sheets
