#pragma once

#include "Runtime.h"
#include "SheetLocator.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <string_view>

namespace shell {

// No picture may need more memory than this to decode. A header that asks for more is refused
// before anything is allocated.
inline constexpr int kAllocationLimitMiB = 512;

struct DecodedSheet {
    QImage image; // exactly the requested size; null when the sheet could not be shown
    preview::ErrorNumber error = preview::kNoError;
    QString reason; // why not, for the log
};

// Opens a sheet by bare name and decodes it straight to the picture box's device pixels. Every
// call reads the file again; nothing is cached.
class SheetLoader {
public:
    explicit SheetLoader(SheetLocator locator = SheetLocator());

    DecodedSheet load(std::string_view name, QSize deviceSize) const;

private:
    SheetLocator m_locator;
};

// The Qt image format that the first bytes of a file (and, for TGA, its last 18) announce, or
// empty when they announce none known here, and Qt asks its plugins. The file name's extension
// plays no part.
QByteArray imageFormatOf(const QByteArray &head, const QByteArray &tail = {});

} // namespace shell
