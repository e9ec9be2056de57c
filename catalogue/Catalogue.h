#pragma once

#include "BuildingsTable.h"
#include "Category.h"
#include "DecorationsTable.h"
#include "MissionTerrainTable.h"
#include "ObjectsTable.h"
#include "PeopleTable.h"
#include "SkySettingsTable.h"
#include "VehiclesTable.h"

#include <array>
#include <optional>
#include <string_view>

namespace catalogue {

inline constexpr int kCategoryCount = 7;

// Label6, Label9 and Label10 name lists 5 to 7: controls were numbered as they were created.
// clang-format off
inline constexpr std::array<Category, kCategoryCount> kCategories{{
    {1, "Buildings",       "Combo1", "Label1",  "Buildings:",         kBuildings     },
    {2, "Decorations",     "Combo2", "Label2",  "Decorations:",       kDecorations   },
    {3, "Objects",         "Combo3", "Label3",  "Objects:",           kObjects       },
    {4, "People",          "Combo4", "Label4",  "People:",            kPeople        },
    {5, "Vehicles",        "Combo5", "Label6",  "Wehicles",           kVehicles      },
    {6, "Sky settings",    "Combo6", "Label9",  "Sky Settings (Sun)", kSkySettings   },
    {7, "Mission terrain", "Combo7", "Label10", "Mission Terrain:",   kMissionTerrain},
}};
// clang-format on

// The category numbered 1..7, or nullptr for any other number.
const Category *category(int number);

// The picture sheet of entry `index` of category `number`; nothing for an index outside the
// table, such as the -1 of a list without a chosen entry.
std::optional<std::string_view> sheetFor(int number, int index);

} // namespace catalogue
