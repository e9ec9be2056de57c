#pragma once

#include <cstdint>

namespace preview {

// Run-time error numbers as the window layer raises them. Only 53 has a meaning of its own to
// the selection procedure; the rest say why a file that exists could not be shown.
using ErrorNumber = std::int32_t;

inline constexpr ErrorNumber kNoError = 0;
// Not an error: the picture is still being read, and its report is made when it comes.
inline constexpr ErrorNumber kErrDeferred = -1;
inline constexpr ErrorNumber kErrOutOfMemory = 7;
inline constexpr ErrorNumber kErrInternal = 51;
inline constexpr ErrorNumber kErrFileNotFound = 53;
inline constexpr ErrorNumber kErrPermissionDenied = 70;
inline constexpr ErrorNumber kErrPathFileAccess = 75;
inline constexpr ErrorNumber kErrInvalidPicture = 481;

} // namespace preview
