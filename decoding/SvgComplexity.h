#pragma once

#include <QByteArray>

#include <optional>

namespace sheets {

// What an SVG document would make a renderer do.
struct SvgDrawing {
    // How many elements it draws once every <use> is expanded, counted up to just past the
    // limit: a few hundred bytes of nested <use> can make a renderer draw billions of shapes.
    // Past the limit too, a document nested deeper than a renderer's stack can take, or one whose
    // <use> leads back to itself.
    qint64 elements = 0;
    // Whether an <image> names a file rather than holding its picture: a renderer would open it,
    // even the sheet itself or a pipe that never ends.
    bool readsFiles = false;
};

// The drawing of `document`, counted up to just past `limit`; nothing when it is not well-formed
// XML.
std::optional<SvgDrawing> svgDrawing(const QByteArray &document, qint64 limit);

// The bytes of a gzip stream, unpacked up to `limit` bytes; nothing when it is damaged or
// unpacks to more, which `tooLarge` then tells.
std::optional<QByteArray> gunzip(const QByteArray &packed, qsizetype limit, bool *tooLarge);

} // namespace sheets
