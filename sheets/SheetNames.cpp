#include "SheetNames.h"

#include "AsciiCase.h"
#include "FolderEntries.h"

#include <fcntl.h>

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
    bool found = false;
    for (const std::string &folder : folders) {
        forEachEntry(FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
                     [&](const char *entry) { return !(found = match(entry).has_value()); });
        if (found)
            return true;
    }
    return false;
}

} // namespace sheets
