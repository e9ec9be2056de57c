#pragma once

#include <string>
#include <string_view>

namespace sheets {

// Sheet names copied from Windows come in any case; only ASCII letters are folded, so a name
// in another script matches only itself.
constexpr char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

inline std::string asciiLowered(std::string_view text)
{
    std::string lowered(text);
    for (char &c : lowered)
        c = asciiLower(c);
    return lowered;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace sheets
