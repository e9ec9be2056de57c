#include "SheetLocator.h"

#include <cerrno>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace sheets {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

// The entry of the open folder `folder` that stands for `name`, if any.
std::optional<std::string> findEntry(const FileDescriptor &folder, const std::string &name)
{
    struct stat st {};
    if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return name;

    // fdopendir takes over the descriptor it is given, so it gets a copy.
    FileDescriptor copy(::dup(folder.get()));
    DIR *dir = copy.isOpen() ? ::fdopendir(copy.get()) : nullptr;
    if (dir == nullptr)
        return std::nullopt;
    copy.release();
    std::optional<std::string> best;
    while (const dirent *d = ::readdir(dir)) {
        const std::string_view entry = d->d_name;
        if (equalsIgnoringAsciiCase(entry, name) && (!best || entry < *best))
            best = std::string(entry);
    }
    ::closedir(dir);
    return best;
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
        const std::optional<std::string> entry = findEntry(folder, wanted);
        if (!entry)
            continue;
        FileDescriptor file(
            ::openat(folder.get(), entry->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        const int openErrno = errno;
        // A dangling link, or a file removed since it was listed, is no sheet: look further.
        if (!file.isOpen() && openErrno == ENOENT)
            continue;
        std::string path = folderPath == "." ? *entry : folderPath + "/" + *entry;
        if (!file.isOpen())
            return {{}, errorOf(openErrno), std::move(path)};
        return {std::move(file), SheetError::None, std::move(path)};
    }
    return {{}, SheetError::Missing, {}};
}

} // namespace sheets
