#include "SheetNames.h"

#include "AsciiCase.h"

#include <dirent.h>

namespace sheets {

SheetNames::SheetNames(std::span<const std::string_view> names)
{
    for (std::string_view name : names)
        m_byLowerCase.emplace(asciiLowered(name), name);
}

std::optional<std::string> SheetNames::match(std::string_view fileName) const
{
    const auto found = m_byLowerCase.find(asciiLowered(fileName));
    if (found == m_byLowerCase.end())
        return std::nullopt;
    return found->second;
}

bool SheetNames::anyHeldBy(const std::vector<std::string> &folders) const
{
    for (const std::string &folder : folders) {
        DIR *dir = ::opendir(folder.c_str());
        if (dir == nullptr)
            continue;
        bool found = false;
        while (const dirent *d = ::readdir(dir)) {
            if (match(d->d_name)) {
                found = true;
                break;
            }
        }
        ::closedir(dir);
        if (found)
            return true;
    }
    return false;
}

} // namespace sheets
