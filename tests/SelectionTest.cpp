#include "RecordingRuntime.h"

#include "Catalogue.h"
#include "Selection.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using preview::runSelection;
using testing_support::RecordingRuntime;

namespace {

std::vector<std::string> emptied(std::initializer_list<int> lists)
{
    std::vector<std::string> calls;
    for (int list : lists)
        calls.push_back("text " + std::to_string(list) + " ''");
    return calls;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

// Each category empties its clearing set in ascending order, before anything inside the trap.
TEST(Selection, EmptiesTheClearingSetThenLoadsTheChosenSheet)
{
    struct Case {
        int category;
        int index;
        std::vector<std::string> emptiedLists;
        const char *sheet;
    };
    const Case cases[] = {
        {1, 27, emptied({2, 3, 4, 5, 6}), "ghost.qpk"},
        {2, 17, emptied({1, 3, 4, 5, 6}), "crates.qpk"},
        {3, 5, emptied({1, 2, 4, 5, 6}), "flagbay.qpk"},
        {4, 2, emptied({1, 2, 3, 5, 6}), "allcountry1.qpk"},
        {5, 4, emptied({1, 2, 3, 4, 6}), "zodiac.qpk"},
        {6, 0, emptied({1, 2, 3, 4, 5}), "Day1.qpk"},
        {7, 16, emptied({1, 2, 3, 4, 5}), "g1a.qpk"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.category);
        RecordingRuntime rt;
        rt.texts = {"", "t1", "t2", "t3", "t4", "t5", "t6", "t7"};
        rt.indices[static_cast<std::size_t>(c.category)] = c.index;
        rt.files[c.sheet] = preview::kNoError;

        runSelection(rt, c.category);

        const std::string sheet = c.sheet;
        EXPECT_EQ(rt.calls,
                  concat(c.emptiedLists, {"index " + std::to_string(c.category), "load " + sheet}));
        EXPECT_EQ(rt.shownPicture, sheet);
        EXPECT_TRUE(rt.messages.empty());
        // The chosen list and list 7 keep their text (unless 7 itself was chosen).
        EXPECT_EQ(rt.texts[static_cast<std::size_t>(c.category)], "t" + std::to_string(c.category));
        EXPECT_EQ(rt.texts[7], "t7");
    }
}

TEST(Selection, FailureWhileEmptyingIsNotTrapped)
{
    RecordingRuntime rt;
    rt.indices[1] = 0;
    rt.throwWhileEmptying = true;
    EXPECT_THROW(runSelection(rt, 1), std::runtime_error);
    EXPECT_EQ(rt.calls, emptied({2}));
    EXPECT_TRUE(rt.messages.empty());
}

TEST(Selection, FailureWhileLoadingIsTrappedAndReported)
{
    RecordingRuntime rt;
    rt.indices[1] = 0;
    rt.throwWhileLoading = true;
    EXPECT_NO_THROW(runSelection(rt, 1));
    ASSERT_EQ(rt.messages.size(), 1u);
    EXPECT_EQ(rt.messages[0].prompt, preview::kUnreadablePictureMessage);
}

TEST(Selection, MissingSheetShowsOneMessageAndKeepsThePicture)
{
    RecordingRuntime rt;
    rt.files["beruit.qpk"] = preview::kNoError;
    rt.indices[1] = 4;
    runSelection(rt, 1);
    ASSERT_EQ(rt.shownPicture, "beruit.qpk");
    rt.forget();

    rt.indices[1] = 0; // airtower.qpk is not there
    runSelection(rt, 1);
    ASSERT_EQ(rt.messages.size(), 1u);
    EXPECT_EQ(rt.messages[0].prompt, "ERROR open file. Reason: The file is missing!");
    EXPECT_EQ(rt.messages[0].title, std::nullopt);
    EXPECT_EQ(rt.shownPicture, "beruit.qpk");
    EXPECT_EQ(rt.calls.back(), "msgbox ERROR open file. Reason: The file is missing!");

    // The error does not outlive its choice.
    rt.forget();
    rt.indices[1] = 5;
    runSelection(rt, 1);
    EXPECT_TRUE(rt.messages.empty());
    EXPECT_EQ(rt.shownPicture, "beruit.qpk");
    EXPECT_EQ(rt.calls.back(), "load beruit.qpk");
}

TEST(Selection, UnreadableSheetShowsItsOwnMessageOnce)
{
    for (preview::ErrorNumber error :
         {preview::kErrInvalidPicture, preview::kErrPathFileAccess, preview::kErrOutOfMemory}) {
        SCOPED_TRACE(error);
        RecordingRuntime rt;
        rt.files["d1.qpk"] = preview::kNoError;
        rt.files["d2.qpk"] = error;
        rt.indices[7] = 0;
        runSelection(rt, 7);
        rt.forget();

        rt.indices[7] = 1;
        runSelection(rt, 7);
        ASSERT_EQ(rt.messages.size(), 1u);
        EXPECT_EQ(rt.messages[0].prompt,
                  "ERROR open file. Reason: The file is not a readable picture!");
        EXPECT_EQ(rt.messages[0].title, std::nullopt);
        EXPECT_EQ(rt.shownPicture, "d1.qpk");
    }
}

TEST(Selection, IndexOutsideTheTableStillEmptiesButLoadsNothing)
{
    for (const auto &c : catalogue::kCategories) {
        for (int index : {-1, c.entryCount(), INT16_MAX, INT16_MIN}) {
            SCOPED_TRACE(std::to_string(c.number) + " @ " + std::to_string(index));
            RecordingRuntime rt;
            rt.indices[static_cast<std::size_t>(c.number)] = index;
            runSelection(rt, c.number);
            ASSERT_EQ(rt.calls.size(), 6u);
            EXPECT_EQ(rt.calls.back(), "index " + std::to_string(c.number));
            EXPECT_TRUE(rt.messages.empty());
            EXPECT_EQ(rt.shownPicture, "");
        }
    }
}

TEST(Selection, EveryChoiceReadsItsSheetAgain)
{
    RecordingRuntime rt;
    rt.files["ghost.qpk"] = preview::kNoError;
    for (int index : {25, 25, 29}) {
        rt.indices[1] = index;
        runSelection(rt, 1);
    }
    EXPECT_EQ(std::count(rt.calls.begin(), rt.calls.end(), "load ghost.qpk"), 3);
}

TEST(Selection, SheetNamesKeepTheirCapitals)
{
    RecordingRuntime rt;
    rt.indices[6] = 24; // "SUNSET5"
    runSelection(rt, 6);
    EXPECT_EQ(rt.calls[6], "load Sunset5.qpk");
    ASSERT_EQ(rt.messages.size(), 1u);
    EXPECT_EQ(rt.messages[0].prompt, preview::kMissingFileMessage);
}

TEST(Selection, ChoiceInListSevenLeavesListSixAlone)
{
    RecordingRuntime rt;
    rt.files["Night2.qpk"] = preview::kNoError;
    rt.files["w1.qpk"] = preview::kNoError;
    rt.indices[6] = 6;
    runSelection(rt, 6);
    rt.texts[6] = "Night2 - Dark w/Clouds";
    rt.indices[7] = 34;
    runSelection(rt, 7);
    EXPECT_EQ(rt.texts[6], "Night2 - Dark w/Clouds");
    EXPECT_EQ(rt.shownPicture, "w1.qpk");
}

TEST(Selection, UnknownCategoryDoesNothing)
{
    for (int number : {0, 8, -1, INT_MAX}) {
        RecordingRuntime rt;
        runSelection(rt, number);
        EXPECT_TRUE(rt.calls.empty()) << number;
    }
}
