#pragma once

#include <cstdint>

namespace sheets {

// What a JPEG's header says about the memory its decoder will need, read without decoding.
struct JpegFrame {
    bool valid = false;
    int startOfFrame = 0; // the SOFn marker: 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0;    // bits per sample
    int width = 0;
    int height = 0;
    bool progressive = false;
    int components = 0;
    int firstScanComponents = 0;
    // Bytes of DCT coefficients the decoder buffers for the whole picture when the data comes in
    // several scans; 0 for a single interleaved scan, which decodes row by row.
    std::int64_t bufferedCoefficientBytes = 0;
};

// Reads the markers of the JPEG open as `fd` (from offset 0, leaving the file position alone)
// up to its first scan.
JpegFrame readJpegFrame(int fd);

} // namespace sheets
