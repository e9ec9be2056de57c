#pragma once

#include <string_view>

namespace shell {

// What the program says about itself: the title of untitled message boxes, its name and version.
inline constexpr std::string_view kApplicationTitle = "Vorrin Propscope";
inline constexpr std::string_view kExecutableName = "tesselbox";
inline constexpr std::string_view kApplicationId = "org.vorrin.Propscope";
inline constexpr std::string_view kProductName = "Vorrin Propscope";
// From the build's project version, the one place it is written.
inline constexpr std::string_view kProductVersion = PROPSCOPE_VERSION;

} // namespace shell
