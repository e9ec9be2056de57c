#include "Catalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

using catalogue::kCategories;

namespace {

// Every row pinned at once, without a copy of the tables: four hex digits of a hash of each
// row's index, text and sheet, in list order, one string per category. A changed, moved, added
// or dropped row changes its digits, and the failure names the row.
// clang-format off
const char *const kRowDigests[] = {
    // Buildings
    "4e4d95ec3f2212fd1612a66628c8488cea3ec618c856d5beb8a7dfd86a0c7cea931808ab80cb1ee21a299c99"
    "f9dbadfcc734e5cf66c7249729dfb663896d5caa95377710607e5dd4992f918a3d5e320c6bdae9fb18af8f90"
    "d23d5a740673b3dc8ce26849f5854902b7e5fb5e0e9c7054c195ebd27b2c70297f46f881a4f58efe0804c787"
    "3dc21deb",
    // Decorations
    "51b99ba1bb2d26e9d2f83fba471b39edb9a01854ea83921b9fd1cd5756af0fe629af00ee6dc06f77319c1fe6"
    "94884669685416056bc667ae76cebceaeca71f47b976ccfb754a00d1fbe9a6f4767ae32776a247ccdabd3c17"
    "8b37d9ef2e38aa694dc23ed34a91398417580a78af54e5b848cb6f7f493bc71e",
    // Objects
    "66807d935f78a39794cc8d397d3c15623459abab",
    // People
    "e7341387dccadf66c373b27f",
    // Vehicles
    "86aff6e0dff4b21f2273",
    // Sky settings
    "d469b06b6b965b4c64d8ce944ca4eeb3098d867102211744dc85e591db825f2ac7bb2c7916b9216139c74d63"
    "fa6f138d7ecb",
    // Mission terrain
    "fad1e55087d473bedf1833adcae17e8e3eba170e7944bce9b14e7e53fecf06824d65634698d15a2035987747"
    "80b5418aefbde0f43f7187ceb62705f7dc85e27bb7fe30011ae9",
};
// clang-format on

std::uint64_t fnv1a(std::uint64_t hash, std::string_view bytes)
{
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string rowDigest(const catalogue::Entry &e)
{
    std::uint64_t h = fnv1a(0xcbf29ce484222325ULL, std::to_string(e.index) + "|");
    h = fnv1a(fnv1a(h, e.text), "|");
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04x", unsigned(fnv1a(h, e.sheet) >> 48));
    return digits;
}

} // namespace

TEST(Catalogue, EveryRowIsPinned)
{
    for (const catalogue::Category &c : kCategories) {
        const std::string pinned = kRowDigests[c.number - 1];
        std::string now;
        for (const catalogue::Entry &e : c.entries) {
            const std::string digest = rowDigest(e);
            const std::size_t at = std::size_t(e.index) * 4;
            if (at + 4 > pinned.size() || pinned.compare(at, 4, digest) != 0)
                ADD_FAILURE() << c.name << " row " << e.index << " is not as pinned: now \""
                              << e.text << "\" showing \"" << e.sheet << '"';
            now += digest;
        }
        EXPECT_EQ(now.size(), pinned.size()) << c.name << " has another number of rows";
        if (now != pinned)
            std::printf("  %s now: \"%s\"\n", std::string(c.name).c_str(), now.c_str());
    }
}

TEST(Catalogue, OnlyIndicesInsideATableHaveASheet)
{
    for (const catalogue::Category &c : kCategories) {
        SCOPED_TRACE(c.name);
        const int n = c.entryCount();
        EXPECT_EQ(catalogue::sheetFor(c.number, n - 1), c.entries.back().sheet);
        for (int index : {-1, n, INT16_MIN, INT_MAX})
            EXPECT_EQ(catalogue::sheetFor(c.number, index), std::nullopt) << index;
    }
    for (int number : {0, 8})
        EXPECT_EQ(catalogue::sheetFor(number, 0), std::nullopt);
}
