#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell {

// An open sheet file, or why there is none.
struct OpenedSheet {
    int fd = -1;     // owned by the caller when >= 0
    int errorNo = 0; // errno of the failure; ENOENT when no folder has the sheet
    std::string path;
};

// Finds sheets by bare name in an ordered list of folders. Every call looks again, so sheets
// added, replaced or removed while the program runs count from the next choice.
class SheetLocator {
public:
    explicit SheetLocator(std::vector<std::string> folders = {"."});

    // The first folder holding `name` wins; within a folder an exact name beats one that differs
    // only in ASCII case, and among those the first in byte order wins. The name is never a path.
    // The file is opened without blocking, so a FIFO cannot hang the window.
    OpenedSheet open(std::string_view name) const;

private:
    std::vector<std::string> m_folders;
};

} // namespace shell
