#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sheets {

// The file names that are picture sheets, matched as the lookup matches them: in any ASCII case.
class SheetNames {
public:
    explicit SheetNames(std::span<const std::string_view> names);

    // The sheet that a file called `fileName` stands for, spelt as given here; nothing when it
    // stands for none.
    std::optional<std::string> match(std::string_view fileName) const;

    // Whether any of `folders` holds a file named like a sheet, directly.
    bool anyHeldBy(const std::vector<std::string> &folders) const;

private:
    std::unordered_map<std::string, std::string> m_byLowerCase;
};

} // namespace sheets
