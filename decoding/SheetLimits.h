#pragma once

#include <QtGlobal>

namespace sheets {

// What a sheet may cost to show. Each is checked from the file's headers before anything is
// decoded, so a file past one is refused at once as too large to show.

// No picture may need more memory than this to decode.
inline constexpr int kAllocationLimitMiB = 512;
inline constexpr qint64 kAllocationLimitBytes = qint64(kAllocationLimitMiB) * 1024 * 1024;
// What a decoded pixel takes: Qt's 32-bit formats.
inline constexpr qint64 kBytesPerPixel = 4;
// Decoding time, kept under a second of a slow machine's processor. Formats other than JPEG
// decode every pixel whatever size they are shown at (PNG about 30 ns a pixel, scaling
// included); JPEG decodes every byte (about 12 ns each) and, in several scans, every block of
// every scan (about 60 ns a block).
inline constexpr qint64 kMaxDecodedPixels = 30'000'000;
inline constexpr qint64 kMaxJpegBytes = 64 * 1024 * 1024;
inline constexpr int kMaxJpegScans = 100;
inline constexpr qint64 kMaxScanBlocks = 12'000'000;
// No sheet file is larger: an uncompressed picture at the pixel limit, 16 bits a channel, fits.
// Looked at before any byte is read, so a sparse file of many gigabytes costs nothing.
inline constexpr qint64 kMaxSheetBytes = 256 * 1024 * 1024;
// Vector sheets are read whole, and drawn shape by shape: ten thousand shapes that each cover
// the picture take about a second.
inline constexpr qsizetype kMaxVectorBytes = 16 * 1024 * 1024;
inline constexpr qint64 kMaxVectorElements = 10'000;
// Deeper than this, a renderer's stack runs out.
inline constexpr int kMaxVectorDepth = 256;

// What the decoding helper may take beyond what it maps once it is ready (the kernel refuses it
// more), and the processor time it may spend on one sheet (the window ends it past that).
inline constexpr int kHelperMemoryMiB = 600;
inline constexpr int kHelperMillisecondsPerSheet = 1000;

} // namespace sheets
