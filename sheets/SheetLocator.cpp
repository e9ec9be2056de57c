#include "SheetLocator.h"

#include "AsciiCase.h"
#include "FolderEntries.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace sheets {

namespace {

// The entries of the open folder that differ from `name` only in ASCII case, in byte order.
std::vector<std::string> caseVariants(const FileDescriptor &folder, const std::string &name)
{
    std::vector<std::string> variants;
    forEachEntry(folder, [&](const char *entry) {
        if (entry != name && equalsIgnoringAsciiCase(entry, name))
            variants.emplace_back(entry);
        return true;
    });
    std::sort(variants.begin(), variants.end());
    return variants;
}

// A name with no directory part: it can only ever stand for an entry of a searched folder.
bool isBareName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

SheetError errorOf(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return SheetError::Missing;
    case EACCES:
    case EPERM:
        return SheetError::NoPermission;
    case ELOOP:
    case EISDIR:
        return SheetError::NotAFile;
    default:
        return SheetError::NotAPicture;
    }
}

struct Attempt {
    FileDescriptor file;
    SheetError error = SheetError::None;
};

// Opens `entry` of the open folder if it is a regular file. Anything else is refused by looking
// at it, never opened: a FIFO or a device could block the window or never end. A link that
// leads nowhere counts as missing.
Attempt openRegularFile(const FileDescriptor &folder, const std::string &entry)
{
    struct stat st {};
    if (::fstatat(folder.get(), entry.c_str(), &st, 0) != 0)
        return {{}, errorOf(errno)};
    if (!S_ISREG(st.st_mode))
        return {{}, SheetError::NotAFile};
    FileDescriptor file(
        ::openat(folder.get(), entry.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen())
        return {{}, errorOf(errno)};
    // It may have been swapped for something else since it was looked at.
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {{}, SheetError::NotAFile};
    return {std::move(file), SheetError::None};
}

} // namespace

SheetLocator::SheetLocator(std::vector<std::string> folders)
    : m_folders(std::move(folders))
{}

OpenedSheet SheetLocator::open(std::string_view name) const
{
    if (!isBareName(name))
        return {{}, SheetError::Missing, {}};

    const std::string wanted(name);
    for (const std::string &folderPath : m_folders) {
        const FileDescriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!folder.isOpen())
            continue;
        auto pathOf = [&](const std::string &entry) {
            return folderPath == "." ? entry : folderPath + "/" + entry;
        };
        // The exact name first, then its case variants: the first that opens is the sheet, and
        // an entry that cannot be read hides no readable one beside it.
        Attempt attempt = openRegularFile(folder, wanted);
        OpenedSheet failure{{}, attempt.error, pathOf(wanted)};
        if (attempt.file.isOpen())
            return {std::move(attempt.file), SheetError::None, pathOf(wanted)};
        for (const std::string &variant : caseVariants(folder, wanted)) {
            attempt = openRegularFile(folder, variant);
            if (attempt.file.isOpen())
                return {std::move(attempt.file), SheetError::None, pathOf(variant)};
            if (failure.error == SheetError::Missing)
                failure = {{}, attempt.error, pathOf(variant)};
        }
        // A folder that has the sheet but cannot give it ends the search with the reason.
        if (failure.error != SheetError::Missing)
            return failure;
    }
    return {{}, SheetError::Missing, {}};
}

} // namespace sheets
