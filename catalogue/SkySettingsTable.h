#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// Sheet names keep their capital letter; row 24 reads "SUNSET5" but shows "Sunset5.qpk".
// clang-format off
inline constexpr std::array<Entry, 25> kSkySettings{{
    {0,  "Day1 - Light Bright",                   "Day1.qpk"},
    {1,  "Day2 - Medium Bright",                  "Day2.qpk"},
    {2,  "Day3 - Light Blue",                     "Day3.qpk"},
    {3,  "Day4 - Dull Blue",                      "Day4.qpk"},
    {4,  "Day5 - Dull Light Blue",                "Day5.qpk"},
    {5,  "Night1 - Dark",                         "Night1.qpk"},
    {6,  "Night2 - Dark w/Clouds",                "Night2.qpk"},
    {7,  "Night3 - Crescent Moon",                "Night3.qpk"},
    {8,  "Night4 - Full Moon",                    "Night4.qpk"},
    {9,  "Overcast1 - Dull Gray",                 "Overcast1.qpk"},
    {10, "Overcast2 - Violet",                    "Overcast2.qpk"},
    {11, "Overcast3 - Dark Blue w/Clouds",        "Overcast3.qpk"},
    {12, "Overcast4 - Dark Gray w/Clouds",        "Overcast4.qpk"},
    {13, "Overcast5 - Dark Violet",               "Overcast5.qpk"},
    {14, "Sunrise1 - Blue Pink",                  "Sunrise1.qpk"},
    {15, "Sunrise2 - Violet Pink",                "Sunrise2.qpk"},
    {16, "Sunrise3 - Violet w/Dark Clouds",       "Sunrise3.qpk"},
    {17, "Sunrise4 - Dark Blue",                  "Sunrise4.qpk"},
    {18, "Sunrise5 - Violet w/Orange Clouds",     "Sunrise5.qpk"},
    {19, "Sunrise6 - Grey w/Dark Clouds",         "Sunrise6.qpk"},
    {20, "Sunset1 - Bright Blue",                 "Sunset1.qpk"},
    {21, "Sunset2 - Yellow w/Dark Orange Clouds", "Sunset2.qpk"},
    {22, "Sunset3 - Dark Orange",                 "Sunset3.qpk"},
    {23, "Sunset4 - Golden w/Dark Coluds",        "Sunset4.qpk"},
    {24, "SUNSET5",                               "Sunset5.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kSkySettings));

} // namespace catalogue
