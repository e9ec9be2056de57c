#pragma once

namespace sheets {

// Why a sheet could not be had.
enum class SheetError {
    None,
    Missing,      // no searched folder has it
    NotAPicture,  // not a picture, damaged, or a format no reader knows
    TooLarge,     // decoding it would pass the memory limits
    NoPermission, // there, but not ours to read
    NotAFile,     // a folder, FIFO, device or a link that leads nowhere useful
};

} // namespace sheets
