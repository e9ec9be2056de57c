#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// Rows 16 and 17 are two entries with the same text; only the index tells them apart.
// clang-format off
inline constexpr std::array<Entry, 60> kDecorations{{
    {0,  "Banana plant 1, Medium",     "plants1.qpk"},
    {1,  "Banana plant 2, Medium",     "plants1.qpk"},
    {2,  "Barrel",                     "barrels.qpk"},
    {3,  "Barrel, Stacked",            "barrels.qpk"},
    {4,  "Bed,bunk",                   "interior.qpk"},
    {5,  "Bed,cot",                    "interior.qpk"},
    {6,  "Bed,single",                 "interior.qpk"},
    {7,  "Bookcase",                   "interior.qpk"},
    {8,  "Bush, Medium",               "plants1.qpk"},
    {9,  "Cactus, Medium",             "plants1.qpk"},
    {10, "Cherry Blossom, medium",     "trees.qpk"},
    {11, "Communication Tower",        "comm.qpk"},
    {12, "Computer",                   "interior.qpk"},
    {13, "Crates, Drugs",              "crates.qpk"},
    {14, "Crates, Drugs,open",         "crates.qpk"},
    {15, "Crates, Explosives",         "crates.qpk"},
    {16, "Crates, Large,stacked",      "crates.qpk"},
    {17, "Crates, Large,stacked",      "crates.qpk"},
    {18, "Crates, Rectangle",          "crates.qpk"},
    {19, "Crates, Square",             "crates.qpk"},
    {20, "Crates, Square,stacked",     "crates.qpk"},
    {21, "Crates, Weapons",            "crates.qpk"},
    {22, "Desk Chair",                 "interior.qpk"},
    {23, "Fern 1,Medium",              "plants1.qpk"},
    {24, "Fern 2, Medium",             "plants1.qpk"},
    {25, "Generator",                  "gen.qpk"},
    {26, "Joshua, medium",             "trees.qpk"},
    {27, "Jungle 1, medium",           "trees.qpk"},
    {28, "Jungle 2, medium",           "trees.qpk"},
    {29, "Ladder",                     "misc.qpk"},
    {30, "Lockers",                    "interior.qpk"},
    {31, "Marsh, medium",              "trees.qpk"},
    {32, "Nucler Bomb",                "interior.qpk"},
    {33, "Palm 1, medium",             "trees.qpk"},
    {34, "Palm 2, medium",             "trees.qpk"},
    {35, "Pine 1, medium",             "trees.qpk"},
    {36, "Pine 2, medium",             "trees.qpk"},
    {37, "Radar Antenna",              "radar.qpk"},
    {38, "Radar Dich",                 "radar.qpk"},
    {39, "Radio",                      "interior.qpk"},
    {40, "Reeds 1 (Medium)",           "plants2.qpk"},
    {41, "Reeds 2 (Medium)",           "plants2.qpk"},
    {42, "Scrup Brush (Medium)",       "plants2.qpk"},
    {43, "Short Palm, medium",         "trees.qpk"},
    {44, "Snow Brush (Medium",         "plants2.qpk"},
    {45, "Snow Bush (Medium)",         "plants2.qpk"},
    {46, "Snow Pine 2, medium",        "trees.qpk"},
    {47, "Snow Pine, medium",          "trees.qpk"},
    {48, "Street Light",               "misc.qpk"},
    {49, "Table, Chemicals (inside)",  "tables.qpk"},
    {50, "Table, Chemicals (outside)", "tables.qpk"},
    {51, "Table, Metal",               "tables.qpk"},
    {52, "Table, Wooden",              "tables.qpk"},
    {53, "Telephone Pole",             "misc.qpk"},
    {54, "Wall, Brick (gray)",         "walls.qpk"},
    {55, "Wall, Brick (tan)",          "walls.qpk"},
    {56, "Wall, Concrete",             "walls.qpk"},
    {57, "Wall, Metall",               "walls.qpk"},
    {58, "Wall, Wooden",               "walls.qpk"},
    {59, "Wooden Chair",               "tables.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kDecorations));

} // namespace catalogue
