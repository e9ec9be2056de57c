#pragma once

#include <QByteArray>

#include <optional>

namespace sheets {

// How many elements an SVG document draws once every <use> is expanded, counted up to just past
// `limit`: a few hundred bytes of nested <use> can make a renderer draw billions of shapes. Past
// the limit too, a document nested deeper than a renderer's stack can take, or one whose <use>
// leads back to itself. Nothing when it is not well-formed XML.
std::optional<qint64> svgDrawnElements(const QByteArray &document, qint64 limit);

// The bytes of a gzip stream, unpacked up to `limit` bytes; nothing when it is damaged or
// unpacks to more, which `tooLarge` then tells.
std::optional<QByteArray> gunzip(const QByteArray &packed, qsizetype limit, bool *tooLarge);

} // namespace sheets
