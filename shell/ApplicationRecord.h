#pragma once

#include <string_view>

namespace shell {

// What the program says about itself: the title of untitled message boxes and the version
// record that desktop tools show.
inline constexpr std::string_view kApplicationTitle = "Vorrin Propscope";
inline constexpr std::string_view kExecutableName = "tesselbox";
inline constexpr std::string_view kApplicationId = "org.vorrin.Propscope";
inline constexpr std::string_view kProductName = "Vorrin Propscope";
inline constexpr std::string_view kProductVersion = "1.02";
inline constexpr std::string_view kFileVersion = "1.0.2.0";
inline constexpr std::string_view kComments = "Vorrin Propscope 1.2";
inline constexpr std::string_view kFileDescription = "EXE";
inline constexpr std::string_view kCompanyName = "Vorrin Propscope makers";

} // namespace shell
