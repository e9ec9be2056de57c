#include "Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <map>
#include <set>
#include <string>

using catalogue::category;
using catalogue::kCategories;
using catalogue::sheetFor;

namespace {

std::set<std::string_view> distinctSheets(const catalogue::Category &c)
{
    std::set<std::string_view> sheets;
    for (const auto &e : c.entries)
        sheets.insert(e.sheet);
    return sheets;
}

bool isLower(std::string_view s)
{
    return std::none_of(s.begin(), s.end(), [](unsigned char ch) { return std::isupper(ch); });
}

std::string_view entryText(int number, int index)
{
    return category(number)->entries[static_cast<std::size_t>(index)].text;
}

} // namespace

TEST(Catalogue, CategorySizesAndSheetCounts)
{
    struct Case {
        int number;
        int entries;
        std::size_t sheets;
    };
    const Case cases[] = {{1, 68, 30}, {2, 60, 12}, {3, 10, 7}, {4, 6, 5},
                          {5, 5, 5},   {6, 25, 25}, {7, 35, 35}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.number);
        ASSERT_NE(category(c.number), nullptr);
        EXPECT_EQ(category(c.number)->number, c.number);
        EXPECT_EQ(category(c.number)->entryCount(), c.entries);
        EXPECT_EQ(distinctSheets(*category(c.number)).size(), c.sheets);
    }
}

TEST(Catalogue, NoSheetServesTwoCategories)
{
    std::set<std::string_view> all;
    std::size_t perCategory = 0;
    for (const auto &c : kCategories) {
        const auto sheets = distinctSheets(c);
        perCategory += sheets.size();
        all.insert(sheets.begin(), sheets.end());
    }
    EXPECT_EQ(perCategory, 119u);
    EXPECT_EQ(all.size(), 119u);
}

TEST(Catalogue, TextsAndSheetNamesAreWellFormed)
{
    const std::string textChars = " ,.-()/";
    for (const auto &c : kCategories) {
        for (const auto &e : c.entries) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(e.index));
            EXPECT_GE(e.text.size(), 3u);
            EXPECT_LE(e.text.size(), 37u);
            for (unsigned char ch : e.text)
                EXPECT_TRUE(std::isalnum(ch) ||
                            textChars.find(static_cast<char>(ch)) != std::string::npos)
                    << ch;

            // A sheet is a bare name: letters and digits, then ".qpk"; never a path.
            ASSERT_GE(e.sheet.size(), 6u);
            EXPECT_LE(e.sheet.size(), 15u);
            EXPECT_TRUE(e.sheet.ends_with(".qpk"));
            const auto stem = e.sheet.substr(0, e.sheet.size() - 4);
            EXPECT_TRUE(std::all_of(stem.begin(), stem.end(),
                                    [](unsigned char ch) { return std::isalnum(ch); }));
        }
    }
}

TEST(Catalogue, OnlySkySheetsCarryCapitals)
{
    for (const auto &c : kCategories) {
        for (const auto &e : c.entries) {
            SCOPED_TRACE(e.sheet);
            if (c.number == 6) {
                EXPECT_TRUE(std::isupper(static_cast<unsigned char>(e.sheet[0])));
                EXPECT_TRUE(isLower(e.sheet.substr(1)));
            } else {
                EXPECT_TRUE(isLower(e.sheet));
            }
        }
    }
}

TEST(Catalogue, SkySettingsSheetIsTheStemOfItsText)
{
    for (const auto &e : category(6)->entries) {
        SCOPED_TRACE(e.index);
        if (e.index == 24) {
            EXPECT_EQ(e.text, "SUNSET5");
            EXPECT_EQ(e.sheet, "Sunset5.qpk");
            continue;
        }
        const auto dash = e.text.find(" - ");
        ASSERT_NE(dash, std::string_view::npos);
        EXPECT_EQ(std::string(e.text.substr(0, dash)) + ".qpk", e.sheet);
    }
}

TEST(Catalogue, TerrainSheetIsTheStemOfItsFileName)
{
    for (const auto &e : category(7)->entries) {
        SCOPED_TRACE(e.text);
        ASSERT_TRUE(e.text.ends_with(".trn"));
        EXPECT_TRUE(isLower(e.text));
        EXPECT_EQ(std::string(e.text.substr(0, e.text.size() - 4)) + ".qpk", e.sheet);
    }
}

TEST(Catalogue, TextsAreShownExactlyAsStored)
{
    EXPECT_EQ(entryText(1, 61), "Shooting Target 1 "); // the trailing blank stays
    EXPECT_EQ(entryText(1, 62), "Shooting Target 2");
    EXPECT_EQ(entryText(2, 44), "Snow Brush (Medium"); // never closed
    EXPECT_EQ(entryText(4, 0), "Terrorists 1(all nationality)");
    EXPECT_EQ(entryText(4, 5), "Spy");
}

TEST(Catalogue, RepeatedTextsStayTwoEntries)
{
    EXPECT_EQ(entryText(2, 16), "Crates, Large,stacked");
    EXPECT_EQ(entryText(2, 17), entryText(2, 16));
    EXPECT_EQ(sheetFor(2, 16), "crates.qpk");
    EXPECT_EQ(sheetFor(2, 17), "crates.qpk");
    EXPECT_EQ(entryText(2, 18), "Crates, Rectangle");

    // No other text repeats within a category.
    for (const auto &c : kCategories) {
        std::set<std::string_view> texts;
        for (const auto &e : c.entries)
            texts.insert(e.text);
        EXPECT_EQ(texts.size(), c.entries.size() - (c.number == 2 ? 1 : 0)) << c.name;
    }
}

TEST(Catalogue, SheetsAreStoredNotDerivedFromTexts)
{
    EXPECT_EQ(sheetFor(1, 30), "hanger.qpk"); // "Hangar"
    EXPECT_EQ(sheetFor(1, 15), "c130.qpk");   // "Downed AC-130"
    EXPECT_EQ(sheetFor(1, 55), "ziggurat.qpk");
    EXPECT_EQ(sheetFor(1, 54), "maymisc.qpk");
    EXPECT_EQ(sheetFor(1, 56), "maymisc2.qpk");
    EXPECT_EQ(sheetFor(2, 43), "trees.qpk");
    EXPECT_EQ(sheetFor(3, 6), "grenade.qpk");
    EXPECT_EQ(sheetFor(5, 4), "zodiac.qpk");
    // People 0 and 2 share a sheet although row 1 between them has another.
    EXPECT_EQ(sheetFor(4, 0), "allcountry1.qpk");
    EXPECT_EQ(sheetFor(4, 2), "allcountry1.qpk");
    EXPECT_EQ(sheetFor(4, 1), "allcountry2.qpk");
}

TEST(Catalogue, BuildingSheetsServeUnbrokenRuns)
{
    const auto &rows = category(1)->entries;
    std::set<std::string_view> finished;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_FALSE(finished.contains(rows[i].sheet)) << rows[i].sheet << " comes back at " << i;
        if (i + 1 == rows.size() || rows[i + 1].sheet != rows[i].sheet)
            finished.insert(rows[i].sheet);
    }
}

TEST(Catalogue, TreesIsTheMostSharedSheet)
{
    std::map<std::string_view, int> uses;
    for (const auto &c : kCategories)
        for (const auto &e : c.entries)
            ++uses[e.sheet];
    const auto most = std::max_element(uses.begin(), uses.end(),
                                       [](auto &a, auto &b) { return a.second < b.second; });
    EXPECT_EQ(most->first, "trees.qpk");
    EXPECT_EQ(most->second, 12);
}

TEST(Catalogue, IndicesOutsideATableHaveNoSheet)
{
    for (const auto &c : kCategories) {
        SCOPED_TRACE(c.name);
        const int n = c.entryCount();
        for (int index : {-1, n, n + 1, INT16_MIN, INT16_MAX, INT_MIN, INT_MAX})
            EXPECT_EQ(sheetFor(c.number, index), std::nullopt) << index;
        EXPECT_EQ(sheetFor(c.number, 0), c.entries.front().sheet);
        EXPECT_EQ(sheetFor(c.number, n - 1), c.entries.back().sheet);
    }
    for (int number : {0, 8, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(category(number), nullptr);
        EXPECT_EQ(sheetFor(number, 0), std::nullopt);
    }
}
