#pragma once

#include "FileDescriptor.h"

#include <string_view>

#include <dirent.h>
#include <unistd.h>

namespace sheets {

// Calls `each` with the name of every entry of the open folder `folder` but "." and "..", in the
// order the folder lists them, until `each` returns false. The descriptor stays the caller's:
// the listing reads through a copy. False when the folder cannot be listed.
template <typename Each> bool forEachEntry(const FileDescriptor &folder, Each each)
{
    FileDescriptor copy(folder.isOpen() ? ::dup(folder.get()) : -1);
    DIR *dir = copy.isOpen() ? ::fdopendir(copy.get()) : nullptr;
    if (dir == nullptr)
        return false;
    copy.release();   // closed with the listing
    ::rewinddir(dir); // a copy shares the place a listing before it reached
    while (const dirent *d = ::readdir(dir)) {
        const std::string_view name = d->d_name;
        if (name != "." && name != ".." && !each(d->d_name))
            break;
    }
    ::closedir(dir);
    return true;
}

} // namespace sheets
