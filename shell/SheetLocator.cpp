#include "SheetLocator.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The entry of the open folder `dirFd` that stands for `name`, if any.
std::optional<std::string> findEntry(int dirFd, const std::string &name)
{
    struct stat st {};
    if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return name;

    const int listFd = ::dup(dirFd);
    if (listFd < 0)
        return std::nullopt;
    DIR *dir = ::fdopendir(listFd);
    if (dir == nullptr) {
        ::close(listFd);
        return std::nullopt;
    }
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

} // namespace

SheetLocator::SheetLocator(std::vector<std::string> folders)
    : m_folders(std::move(folders))
{}

OpenedSheet SheetLocator::open(std::string_view name) const
{
    if (!isBareName(name))
        return {-1, EINVAL, {}};

    const std::string wanted(name);
    for (const std::string &folder : m_folders) {
        const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0)
            continue;
        const std::optional<std::string> entry = findEntry(dirFd, wanted);
        if (!entry) {
            ::close(dirFd);
            continue;
        }
        const int fd =
            ::openat(dirFd, entry->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        const int openErrno = errno;
        ::close(dirFd);
        // A dangling link, or a file removed since it was listed, is no sheet: look further.
        if (fd < 0 && openErrno == ENOENT)
            continue;
        std::string path = folder == "." ? *entry : folder + "/" + *entry;
        if (fd < 0)
            return {-1, openErrno, std::move(path)};
        return {fd, 0, std::move(path)};
    }
    return {-1, ENOENT, {}};
}

} // namespace shell
