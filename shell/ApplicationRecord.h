#pragma once

#include <string_view>

namespace shell {

// What the program says about itself: the title of untitled message boxes, its name and version.
inline constexpr std::string_view kApplicationTitle = "Vorrin Propscope";
inline constexpr std::string_view kExecutableName = "tesselbox";
inline constexpr std::string_view kApplicationId = "org.vorrin.Propscope";
inline constexpr std::string_view kProductName = "Vorrin Propscope";
inline constexpr std::string_view kProductVersion = "1.02";

} // namespace shell
