#include "SheetFolders.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <set>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace sheets {

namespace {

constexpr std::string_view kSheetsBelowData = "/tesselbox/sheets";
constexpr std::string_view kDemoSheetsBelowData = "/tesselbox/demo-sheets";

// Read as bytes rather than through QStandardPaths, which decodes them as UTF-8 and so loses
// every folder whose name is not.
std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The XDG base directory rules: relative paths are ignored.
std::string userDataFolder()
{
    const std::string data = environment("XDG_DATA_HOME");
    if (data.starts_with('/'))
        return data;
    return environment("HOME") + "/.local/share";
}

std::vector<std::string> systemDataFolders()
{
    std::string dirs = environment("XDG_DATA_DIRS");
    if (dirs.empty())
        dirs = "/usr/local/share:/usr/share";
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string folder = dirs.substr(start, end - start);
        if (folder.starts_with('/'))
            folders.push_back(folder);
        start = end + 1;
    }
    return folders;
}

std::string programFolder()
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || n == ssize_t(sizeof path))
        return {};
    const std::string exe(path, std::size_t(n));
    return exe.substr(0, std::max<std::size_t>(exe.rfind('/'), 1));
}

} // namespace

std::vector<std::string> SheetPlaces::searchOrder() const
{
    std::vector<std::string> folders = realFolders;
    if (!demoFolder.empty())
        folders.push_back(demoFolder);
    return folders;
}

SheetPlaces sheetPlaces(const std::string &extraFolder)
{
    SheetPlaces places;
    places.userFolder = userDataFolder() + std::string(kSheetsBelowData);
    places.demoFolder = userDataFolder() + std::string(kDemoSheetsBelowData);
    std::vector<std::string> candidates{"."};
    if (!extraFolder.empty())
        candidates.push_back(extraFolder);
    candidates.push_back(places.userFolder);
    for (const std::string &data : systemDataFolders())
        candidates.push_back(data + std::string(kSheetsBelowData));
    candidates.push_back(programFolder());

    // The working folder may be the program's, or a data folder named twice.
    std::set<std::string> seen;
    for (const std::string &folder : candidates) {
        if (folder.empty())
            continue;
        char *real = ::realpath(folder.c_str(), nullptr);
        const bool repeated = real != nullptr && !seen.insert(real).second;
        std::free(real);
        if (!repeated)
            places.realFolders.push_back(folder);
    }
    return places;
}

std::string absolutePath(const std::string &path)
{
    if (path.starts_with('/'))
        return path;
    char *here = ::getcwd(nullptr, 0);
    std::string result = here != nullptr ? std::string(here) + '/' + path : path;
    std::free(here);
    return result;
}

bool makeFolders(const std::string &folder)
{
    if (folder.empty()) {
        errno = ENOENT;
        return false;
    }
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

} // namespace sheets
