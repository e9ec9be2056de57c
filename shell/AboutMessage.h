#pragma once

#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view kAboutTitle = "About Vorrin Quillet";

// The About text: lines joined by line feeds (no carriage returns), blank lines included, with
// one line feed after the last line.
std::string aboutText();

} // namespace shell
