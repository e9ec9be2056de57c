#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// clang-format off
inline constexpr std::array<Entry, 5> kVehicles{{
    {0, "Black Hawk",  "blackhawk.qpk"},
    {1, "Ka-29",       "ka29.qpk"},
    {2, "Cargo Truck", "cargo.qpk"},
    {3, "Pick-Up",     "pickup.qpk"},
    {4, "Zodiak",      "zodiac.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kVehicles));

} // namespace catalogue
