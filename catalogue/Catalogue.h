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
#include <vector>

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

namespace detail {

// Each sheet once, in catalogue order: how many there are, then the names themselves.
constexpr bool sheetSeenBefore(int category, int index)
{
    const std::string_view sheet =
        kCategories[std::size_t(category)].entries[std::size_t(index)].sheet;
    for (int c = 0; c <= category; ++c) {
        const auto &entries = kCategories[std::size_t(c)].entries;
        for (int i = 0; i < (c == category ? index : int(entries.size())); ++i) {
            if (entries[std::size_t(i)].sheet == sheet)
                return true;
        }
    }
    return false;
}

constexpr std::size_t distinctSheetCount()
{
    std::size_t count = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        for (int i = 0; i < kCategories[std::size_t(c)].entryCount(); ++i)
            count += sheetSeenBefore(c, i) ? 0 : 1;
    }
    return count;
}

template <std::size_t N> constexpr std::array<std::string_view, N> distinctSheets()
{
    std::array<std::string_view, N> sheets{};
    std::size_t next = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        for (int i = 0; i < kCategories[std::size_t(c)].entryCount(); ++i) {
            if (!sheetSeenBefore(c, i))
                sheets[next++] = kCategories[std::size_t(c)].entries[std::size_t(i)].sheet;
        }
    }
    return sheets;
}

} // namespace detail

// Every picture sheet the catalogue names, once each, in catalogue order.
inline constexpr auto kSheets = detail::distinctSheets<detail::distinctSheetCount()>();

// The category numbered 1..7, or nullptr for any other number.
const Category *category(int number);

// Entry `index` of category `number`; nullptr for an index outside the table, such as the -1 of
// a list without a chosen entry.
const Entry *entry(int number, int index);

// The picture sheet of entry `index` of category `number`; nothing where there is no entry.
std::optional<std::string_view> sheetFor(int number, int index);

// The list texts of every entry that `sheet` shows, in catalogue order.
std::vector<std::string_view> entriesShowing(std::string_view sheet);

} // namespace catalogue
