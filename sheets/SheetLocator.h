#pragma once

#include "FileDescriptor.h"
#include "SheetError.h"

#include <string>
#include <string_view>
#include <vector>

namespace sheets {

// An open sheet file, or why there is none.
struct OpenedSheet {
    FileDescriptor file;
    SheetError error = SheetError::None;
    std::string path; // as found, bytes; empty when missing
};

// Finds sheets by bare name in an ordered list of folders. Every call looks again, so sheets
// added, replaced or removed while the program runs count from the next choice.
class SheetLocator {
public:
    explicit SheetLocator(std::vector<std::string> folders = {"."});

    // The first folder holding `name` wins; within a folder an exact name beats one that differs
    // only in ASCII case, and among those the first in byte order wins, skipping any that is not
    // a readable regular file. The name is never a path. Only regular files are opened.
    OpenedSheet open(std::string_view name) const;

private:
    std::vector<std::string> m_folders;
};

} // namespace sheets
