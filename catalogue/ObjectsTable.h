#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// clang-format off
inline constexpr std::array<Entry, 10> kObjects{{
    {0, "50 Cal MG (tripod)",         "50cal.qpk"},
    {1, "50 Cal MG (for windows)",    "50cal.qpk"},
    {2, "50 Cal MG (shielded)",       "50cal.qpk"},
    {3, "Armory Cabinet",             "cabinet.qpk"},
    {4, "Flag Bay",                   "flagbay.qpk"},
    {5, "Flag",                       "flagbay.qpk"},
    {6, "Automatic Granade Launcher", "grenade.qpk"},
    {7, "Seagull",                    "seagull.qpk"},
    {8, "Spotlight",                  "spotlight.qpk"},
    {9, "Vulture",                    "vulture.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kObjects));

} // namespace catalogue
