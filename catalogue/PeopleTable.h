#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// clang-format off
inline constexpr std::array<Entry, 6> kPeople{{
    {0, "Terrorists 1(all nationality)", "allcountry1.qpk"},
    {1, "Terrorists 2(all nationality)", "allcountry2.qpk"},
    {2, "Scientist",                     "allcountry1.qpk"},
    {3, "American Civilians",            "american.qpk"},
    {4, "Pilot",                         "pilot.qpk"},
    {5, "Spy",                           "spy.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kPeople));

} // namespace catalogue
