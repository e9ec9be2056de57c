#pragma once

#include <QByteArray>

namespace testing_support {

// Pictures far too large to draw and encode in a test, written straight as file bytes.

// A valid RGB PNG of width x height black pixels. Its deflate stream is built by hand, so even
// 50000 x 50000 (7.5 GB of pixels, about 7 MB of file) takes a moment, not minutes.
QByteArray blackPng(quint32 width, quint32 height);

// A PNG whose header declares width x height but whose data stops after a few bytes.
QByteArray pngHeaderOnly(quint32 width, quint32 height);

// A valid baseline JPEG of width x height mid-grey pixels (three components, every block flat),
// so that 20000 x 15000 is a file of a few megabytes.
QByteArray greyJpeg(quint16 width, quint16 height);

// The start of a progressive JPEG declaring width x height: enough for a decoder to plan its
// memory, no picture data.
QByteArray progressiveJpegHeader(quint16 width, quint16 height);

} // namespace testing_support
