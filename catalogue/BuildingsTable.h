#pragma once

#include "Entry.h"

#include <array>

namespace catalogue {

// Row order is the order the mission editor's users know; it is not alphabetical.
// clang-format off
inline constexpr std::array<Entry, 68> kBuildings{{
    {0,  "Airtower",                    "airtower.qpk"},
    {1,  "Armory",                      "armory.qpk"},
    {2,  "Barracks,One Story",          "barracks.qpk"},
    {3,  "Barracks,Two Story",          "barracks.qpk"},
    {4,  "Beruit Building 1",           "beruit.qpk"},
    {5,  "Beruit Building 2",           "beruit.qpk"},
    {6,  "Beruit Building 3",           "beruit.qpk"},
    {7,  "Beruit Building 4",           "beruit2.qpk"},
    {8,  "Beruit Building 5",           "beruit2.qpk"},
    {9,  "Beruit Building 6",           "beruit2.qpk"},
    {10, "Bridge,Intersection",         "bridges.qpk"},
    {11, "Bridge,straight",             "bridges.qpk"},
    {12, "Bridge,corne",                "bridges.qpk"},
    {13, "Bunker",                      "bunker.qpk"},
    {14, "Bunker,Fortified",            "bunkerfort.qpk"},
    {15, "Downed AC-130",               "c130.qpk"},
    {16, "Castle,tower",                "castletower.qpk"},
    {17, "Castle,wall",                 "castlewall.qpk"},
    {18, "City Block",                  "cityblock.qpk"},
    {19, "Easter Iland Head",           "easter.qpk"},
    {20, "Egyptian Ruins 1",            "egypt.qpk"},
    {21, "Egyptian Ruins 2",            "egypt.qpk"},
    {22, "Fence,gate",                  "fence.qpk"},
    {23, "Fence,pole",                  "fence.qpk"},
    {24, "Fence",                       "fence.qpk"},
    {25, "Ghost Town Barn",             "ghost.qpk"},
    {26, "Ghost Town Church",           "ghost.qpk"},
    {27, "Ghost Town Saloon",           "ghost.qpk"},
    {28, "Ghost Town Store",            "ghost.qpk"},
    {29, "Ghost Town Store, two story", "ghost.qpk"},
    {30, "Hangar",                      "hanger.qpk"},
    {31, "House Wooden 1",              "house.qpk"},
    {32, "House Wooden 2",              "house.qpk"},
    {33, "House Wooden 3",              "house.qpk"},
    {34, "House Wooden 4",              "house.qpk"},
    {35, "Indonesian House 1",          "indon.qpk"},
    {36, "Indonesian House 2",          "indon.qpk"},
    {37, "Japanese Armory",             "japan1.qpk"},
    {38, "Japanese Bunker",             "japan1.qpk"},
    {39, "Japanese Dojo",               "japan1.qpk"},
    {40, "Japanese House",              "japan1.qpk"},
    {41, "Japanese Pegoda",             "japan1.qpk"},
    {42, "Japanese Tori Gate",          "japan2.qpk"},
    {43, "Japanese End",                "japan2.qpk"},
    {44, "Japanese Corner",             "japan2.qpk"},
    {45, "Japanese Wall",               "japan2.qpk"},
    {46, "Mayan Building 1",            "maybuild.qpk"},
    {47, "Mayan Building 2",            "maybuild.qpk"},
    {48, "Mayan Building 3",            "maybuild.qpk"},
    {49, "Mayan Building 4",            "maybuild.qpk"},
    {50, "Mayan Wall 1",                "maymisc.qpk"},
    {51, "Mayan Wall 2",                "maymisc.qpk"},
    {52, "Mayan Rock 1",                "maymisc.qpk"},
    {53, "Mayan Rock 2",                "maymisc.qpk"},
    {54, "Mayan Arch",                  "maymisc.qpk"},
    {55, "Mayan Ziggurat",              "ziggurat.qpk"},
    {56, "Mayan Wall 3",                "maymisc2.qpk"},
    {57, "Mayan Wall 4",                "maymisc2.qpk"},
    {58, "Pyramid 1",                   "pyramids.qpk"},
    {59, "Pyramid 2",                   "pyramids.qpk"},
    {60, "Pyramid 3",                   "pyramids.qpk"},
    {61, "Shooting Target 1 ",          "shoot.qpk"},
    {62, "Shooting Target 2",           "shoot.qpk"},
    {63, "Stone Bridge",                "stbridge.qpk"},
    {64, "Tower Concrete",              "towers.qpk"},
    {65, "Tower Wooden,large",          "towers.qpk"},
    {66, "Tower Wooden,small",          "towers.qpk"},
    {67, "Water Tower",                 "watertower.qpk"},
}};
// clang-format on

static_assert(indicesAreContiguous(kBuildings));

} // namespace catalogue
