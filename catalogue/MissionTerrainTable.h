#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// The texts name the game's terrain files; only the ".qpk" sheet is ever opened.
// clang-format off
inline constexpr std::array<Entry, 35> kMissionTerrain{{
    {0,  "d1.trn",  "d1.qpk"},
    {1,  "d2.trn",  "d2.qpk"},
    {2,  "d3.trn",  "d3.qpk"},
    {3,  "d4.trn",  "d4.qpk"},
    {4,  "d5.trn",  "d5.qpk"},
    {5,  "d6.trn",  "d6.qpk"},
    {6,  "d7.trn",  "d7.qpk"},
    {7,  "d8.trn",  "d8.qpk"},
    {8,  "dg1.trn", "dg1.qpk"},
    {9,  "dg2.trn", "dg2.qpk"},
    {10, "dg3.trn", "dg3.qpk"},
    {11, "dg4.trn", "dg4.qpk"},
    {12, "di1.trn", "di1.qpk"},
    {13, "g1.trn",  "g1.qpk"},
    {14, "g10.trn", "g10.qpk"},
    {15, "g11.trn", "g11.qpk"},
    {16, "g1a.trn", "g1a.qpk"},
    {17, "g2.trn",  "g2.qpk"},
    {18, "g3.trn",  "g3.qpk"},
    {19, "g4.trn",  "g4.qpk"},
    {20, "g5.trn",  "g5.qpk"},
    {21, "g6.trn",  "g6.qpk"},
    {22, "g7.trn",  "g7.qpk"},
    {23, "g8.trn",  "g8.qpk"},
    {24, "g9.trn",  "g9.qpk"},
    {25, "gi1.trn", "gi1.qpk"},
    {26, "gi2.trn", "gi2.qpk"},
    {27, "gi3.trn", "gi3.qpk"},
    {28, "gs1.trn", "gs1.qpk"},
    {29, "s1.trn",  "s1.qpk"},
    {30, "s2.trn",  "s2.qpk"},
    {31, "s3.trn",  "s3.qpk"},
    {32, "s4.trn",  "s4.qpk"},
    {33, "s5.trn",  "s5.qpk"},
    {34, "w1.trn",  "w1.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kMissionTerrain));

} // namespace catalogue
