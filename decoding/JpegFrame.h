#pragma once

#include <cstdint>

namespace sheets {

// What a JPEG's markers say about the work and memory its decoder will need, read without
// decoding.
struct JpegFrame {
    bool valid = false;
    int startOfFrame = 0; // the SOFn marker: 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0;    // bits per sample
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    // Whether the data comes in several scans, which the decoder buffers whole.
    bool multiScan = false;
    // Bytes of DCT coefficients buffered for the whole picture when multiScan; 0 otherwise.
    std::int64_t bufferedCoefficientBytes = 0;
    // When multiScan: the scans, counted up to kMaxJpegScans + 1, and how many 8 x 8 blocks they
    // make the decoder go through in all, whatever size it decodes to.
    int scans = 0;
    std::int64_t scanBlocks = 0;
};

// Reads the markers of the JPEG open as `fd` (from offset 0, leaving the file position alone):
// the headers, and for a multi-scan picture every scan header to the end.
JpegFrame readJpegFrame(int fd);

} // namespace sheets
