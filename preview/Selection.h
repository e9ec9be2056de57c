#pragma once

#include "Runtime.h"

#include <array>
#include <string_view>

namespace preview {

inline constexpr std::string_view kMissingFileMessage =
    "ERROR open file. Reason: The file is missing!";

// What the user is told when a sheet that exists cannot be shown, by run-time error, in the
// missing-file message's form; any other error reads as not a readable picture.
struct SheetReport {
    ErrorNumber error;
    std::string_view message;
};
// clang-format off
inline constexpr std::array<SheetReport, 4> kSheetReports{{
    {kErrFileNotFound,     kMissingFileMessage},
    {kErrOutOfMemory,      "ERROR open file. Reason: The picture is too large to show!"},
    {kErrPermissionDenied, "ERROR open file. Reason: No permission to read the file!"},
    {kErrPathFileAccess,   "ERROR open file. Reason: It is a folder, pipe or device, not a file!"},
}};
// clang-format on
inline constexpr std::string_view kUnreadablePictureMessage =
    "ERROR open file. Reason: The file is not a readable picture!";

// What a choice in list `category` (1..7) does: empty the other lists of its clearing set, then
// load the chosen entry's sheet into Image1 and report a failure. Failures while emptying are
// not trapped here and reach the caller as exceptions.
void runSelection(Runtime &runtime, int category);

// The last step of a trapped handler: tells the user why a sheet could not be shown.
void reportSheetError(Runtime &runtime, ErrorNumber error);

} // namespace preview
