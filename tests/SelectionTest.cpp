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
    std::map<std::string, preview::RuntimeError> files;
    bool throwWhileEmptying = false;
    bool throwWhileLoading = false;
    mutable std::string log;
    std::string shown = "nothing"; // Image1's sheet

    void clearList(int list) override
    {
        log += "empty " + std::to_string(list) + ", ";
        if (throwWhileEmptying)
            throw std::runtime_error("list refused its text");
    }
    int listIndex(int list) const override
    {
        log += "index " + std::to_string(list) + ", ";
        return index;
    }
    preview::RuntimeError loadPicture(int list, std::string_view name) override
    {
        log += "load " + std::string(name) + " for " + std::to_string(list) + ", ";
        if (throwWhileLoading)
            throw std::runtime_error("decoder blew up");
        const auto it = files.find(std::string(name));
        const preview::RuntimeError error =
            it == files.end() ? preview::RuntimeError{preview::kErrFileNotFound, "gone"}
                              : it->second;
        shown = error.number == preview::kNoError ? std::string(name) : shown;
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
        {1, 27, "empty 2, empty 3, empty 4, empty 5, empty 6, index 1, load ghost.qpk for 1, "},
        {2, 17, "empty 1, empty 3, empty 4, empty 5, empty 6, index 2, load crates.qpk for 2, "},
        {3, 5, "empty 1, empty 2, empty 4, empty 5, empty 6, index 3, load flagbay.qpk for 3, "},
        {4, 2,
         "empty 1, empty 2, empty 3, empty 5, empty 6, index 4, load allcountry1.qpk for 4, "},
        {5, 4, "empty 1, empty 2, empty 3, empty 4, empty 6, index 5, load zodiac.qpk for 5, "},
        {6, 24, "empty 1, empty 2, empty 3, empty 4, empty 5, index 6, load Sunset5.qpk for 6, "},
        {7, 34, "empty 1, empty 2, empty 3, empty 4, empty 5, index 7, load w1.qpk for 7, "},
    };
    for (const auto &[list, index, log] : cases) {
        RecordingRuntime rt;
        rt.index = index;
        for (const char *sheet : {"ghost.qpk", "crates.qpk", "flagbay.qpk", "allcountry1.qpk",
                                  "zodiac.qpk", "Sunset5.qpk", "w1.qpk"})
            rt.files[sheet] = {};
        preview::runSelection(rt, list);
        EXPECT_EQ(rt.log, log);
        EXPECT_NE(rt.shown, "nothing");
    }
}

// A failed load keeps the picture and says why, once, under the application title: the fixed
// missing-file message, or the runtime's words; a choice of no row loads nothing and says nothing.
TEST(Selection, FailureShowsOneMessageAndKeepsThePicture)
{
    const std::tuple<const char *, int, preview::RuntimeError, const char *> cases[] = {
        {"missing",
         0,
         {preview::kErrFileNotFound, "gone"},
         "load airtower.qpk for 1, ERROR open file. Reason: The file is missing!, "},
        {"not ours",
         0,
         {preview::kErrPermissionDenied, "Not ours"},
         "load airtower.qpk for 1, ERROR open file. Reason: Not ours!, "},
        {"thrown",
         0,
         {-1, ""},
         "load airtower.qpk for 1, ERROR open file. Reason: Internal error!, "},
        {"no row", -1, {}, ""},
        {"no row", 68, {}, ""},
    };
    for (const auto &[what, index, error, log] : cases) {
        SCOPED_TRACE(what);
        RecordingRuntime rt;
        rt.index = index;
        rt.files["airtower.qpk"] = error;
        rt.throwWhileLoading = error.number == -1;
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
