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

// The one table of the categories. Label6, Label9 and Label10 name lists 5 to 7: controls were
// numbered as they were created.
// clang-format off
inline constexpr std::array<Category, kCategoryCount> kCategories{{
    // no name               label caption                table
    {1, "Buildings",       1,  "Buildings:",         kBuildings     },
    {2, "Decorations",     2,  "Decorations:",       kDecorations   },
    {3, "Objects",         3,  "Objects:",           kObjects       },
    {4, "People",          4,  "People:",            kPeople        },
    {5, "Vehicles",        6,  "Wehicles",           kVehicles      },
    {6, "Sky settings",    9,  "Sky Settings (Sun)", kSkySettings   },
    {7, "Mission terrain", 10, "Mission Terrain:",   kMissionTerrain},
}};
// clang-format on

// The category numbered 1..7, or nullptr for any other number.
const Category *category(int number);

// The picture sheet of entry `index` of category `number`; nothing for an index outside the
// table, such as the -1 of a list without a chosen entry.
std::optional<std::string_view> sheetFor(int number, int index);

} // namespace catalogue
