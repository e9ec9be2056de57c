#pragma once

#include <QString>

#include <string_view>

namespace shell {

// The catalogue and the program's fixed texts are plain C++ strings; Qt wants QStrings.
inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace shell
