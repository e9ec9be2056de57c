#pragma once

#include <QByteArray>

namespace sheets {

// How much of a file's start imageFormatOf looks at.
inline constexpr int kFormatHeadBytes = 1024;

// The Qt image format that the first bytes of a file (and, for TGA, its last 18) announce, or
// empty when they announce none known here, and Qt asks its plugins. The file name's extension
// plays no part.
QByteArray imageFormatOf(const QByteArray &head, const QByteArray &tail = {});

} // namespace sheets
