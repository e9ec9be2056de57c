#pragma once

#include "Runtime.h"

#include <string_view>

namespace preview {

inline constexpr std::string_view kMissingFileMessage =
    "ERROR open file. Reason: The file is missing!";

// What a choice in list `category` (1..7) does: empty the other lists of its clearing set, then
// load the chosen entry's sheet into Image1 and report a failure. Failures while emptying are
// not trapped here and reach the caller as exceptions.
void runSelection(Runtime &runtime, int category);

// The last step of a trapped handler: tells the user why a sheet could not be shown, the
// missing-file message for a file that is not there, and in the same form the runtime's own
// words for any other error.
void reportSheetError(Runtime &runtime, const RuntimeError &error);

} // namespace preview
