#include "Selection.h"
#include "Runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

namespace {

// Logs every window operation; sheets load or fail as `files` says, any other name is missing.
struct RecordingRuntime : preview::Runtime {
    int index = -1; // ListIndex of the chosen list
    std::map<std::string, preview::ErrorNumber> files;
    bool throwWhileEmptying = false;
    bool throwWhileLoading = false;
    mutable std::string log;
    std::string shown = "nothing"; // Image1's sheet

    void setListText(int list, std::string_view text) override
    {
        log += "empty " + std::to_string(list) + std::string(text) + ", ";
        if (throwWhileEmptying)
            throw std::runtime_error("list refused its text");
    }
    int listIndex(int list) const override
    {
        log += "index " + std::to_string(list) + ", ";
        return index;
    }
    preview::ErrorNumber loadPicture(std::string_view name) override
    {
        log += "load " + std::string(name) + ", ";
        if (throwWhileLoading)
            throw std::runtime_error("decoder blew up");
        const auto it = files.find(std::string(name));
        const preview::ErrorNumber error =
            it == files.end() ? preview::kErrFileNotFound : it->second;
        shown = error == preview::kNoError ? std::string(name) : shown;
        return error;
    }
    void msgBox(std::string_view prompt, std::optional<std::string_view> title) override
    {
        log += (title ? std::string(*title) + ": " : "") + std::string(prompt) + ", ";
    }
};

} // namespace

// Each list empties its clearing set, in order and before anything else, then loads its entry's
// sheet; the picture shows and nothing is said.
TEST(Selection, EmptiesTheClearingSetThenLoadsTheChosenSheet)
{
    const std::tuple<int, int, const char *> cases[] = {
        {1, 27, "empty 2, empty 3, empty 4, empty 5, empty 6, index 1, load ghost.qpk, "},
        {2, 17, "empty 1, empty 3, empty 4, empty 5, empty 6, index 2, load crates.qpk, "},
        {3, 5, "empty 1, empty 2, empty 4, empty 5, empty 6, index 3, load flagbay.qpk, "},
        {4, 2, "empty 1, empty 2, empty 3, empty 5, empty 6, index 4, load allcountry1.qpk, "},
        {5, 4, "empty 1, empty 2, empty 3, empty 4, empty 6, index 5, load zodiac.qpk, "},
        {6, 24, "empty 1, empty 2, empty 3, empty 4, empty 5, index 6, load Sunset5.qpk, "},
        {7, 34, "empty 1, empty 2, empty 3, empty 4, empty 5, index 7, load w1.qpk, "},
    };
    for (const auto &[list, index, log] : cases) {
        RecordingRuntime rt;
        rt.index = index;
        rt.files = {{"ghost.qpk", 0},       {"crates.qpk", 0}, {"flagbay.qpk", 0},
                    {"allcountry1.qpk", 0}, {"zodiac.qpk", 0}, {"Sunset5.qpk", 0},
                    {"w1.qpk", 0}};
        preview::runSelection(rt, list);
        EXPECT_EQ(rt.log, log);
        EXPECT_NE(rt.shown, "nothing");
    }
}

// A failed load keeps the picture and says why, once, under the application title; a choice of
// no row loads nothing and says nothing.
TEST(Selection, FailureShowsOneMessageAndKeepsThePicture)
{
    const std::tuple<const char *, int, preview::ErrorNumber, const char *> cases[] = {
        {"missing", 0, preview::kErrFileNotFound,
         "load airtower.qpk, ERROR open file. Reason: The file is missing!, "},
        {"not ours", 0, preview::kErrPermissionDenied,
         "load airtower.qpk, ERROR open file. Reason: No permission to read the file!, "},
        {"thrown", 0, -1,
         "load airtower.qpk, ERROR open file. Reason: The file is not a readable picture!, "},
        {"no row", -1, 0, ""},
        {"no row", 68, 0, ""},
    };
    for (const auto &[what, index, error, log] : cases) {
        SCOPED_TRACE(what);
        RecordingRuntime rt;
        rt.index = index;
        rt.files["airtower.qpk"] = error;
        rt.throwWhileLoading = error == -1;
        preview::runSelection(rt, 1);
        EXPECT_EQ(rt.log.substr(rt.log.find("index 1, ") + 9), log);
        EXPECT_EQ(rt.shown, "nothing");
    }
}

// The trap is installed after the emptying: a failure there is not reported as a sheet error.
TEST(Selection, FailureWhileEmptyingIsNotTrapped)
{
    RecordingRuntime rt;
    rt.throwWhileEmptying = true;
    EXPECT_THROW(preview::runSelection(rt, 1), std::runtime_error);
    EXPECT_EQ(rt.log, "empty 2, ");
}
