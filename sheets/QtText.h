#pragma once

#include <QString>

#include <string_view>

namespace sheets {

// The catalogue and the program's fixed texts are plain C++ strings, UTF-8; Qt wants QStrings.
inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace sheets
