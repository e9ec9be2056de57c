#include "SheetLocator.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using sheets::OpenedSheet;
using sheets::SheetLocator;

namespace {

// A few sheet folders under one temporary root, removed afterwards.
class Folders : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "locator-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        for (const char *name : {"a", "b", "c"})
            fs::create_directory(root / name);
    }
    void TearDown() override { fs::remove_all(root); }

    std::string folder(const char *name) const { return (root / name).string(); }

    void put(const char *folderName, const std::string &file, const std::string &content = "x")
    {
        std::ofstream(root / folderName / file) << content;
    }

    // The path found for `name` relative to the root, or "missing" / "error N".
    std::string find(const SheetLocator &locator, std::string_view name) const
    {
        const OpenedSheet opened = locator.open(name);
        if (opened.file.isOpen())
            return fs::relative(opened.path, root).string();
        return opened.error == sheets::SheetError::Missing
                   ? "missing"
                   : "error " + std::to_string(int(opened.error));
    }

    SheetLocator all() const { return SheetLocator({folder("a"), folder("b"), folder("c")}); }

    fs::path root;
};

} // namespace

TEST_F(Folders, FirstFolderHoldingTheSheetWins)
{
    put("c", "ghost.qpk");
    EXPECT_EQ(find(all(), "ghost.qpk"), "c/ghost.qpk");
    put("b", "ghost.qpk");
    EXPECT_EQ(find(all(), "ghost.qpk"), "b/ghost.qpk");
    put("a", "ghost.qpk");
    EXPECT_EQ(find(all(), "ghost.qpk"), "a/ghost.qpk");
}

TEST_F(Folders, ExactNameBeatsOtherCaseWithinAFolder)
{
    struct Case {
        std::vector<std::string> inA;
        std::vector<std::string> inB;
        const char *wanted;
        const char *found;
    };
    const Case cases[] = {
        {{"Day1.qpk", "day1.qpk"}, {}, "Day1.qpk", "a/Day1.qpk"},
        {{"day1.qpk"}, {"Day1.qpk"}, "Day1.qpk", "a/day1.qpk"}, // folder order comes first
        {{}, {"DAY1.QPK"}, "Day1.qpk", "b/DAY1.QPK"},
        {{"dAY1.qpk", "DAY1.QPK", "Day1.QPK"}, {}, "Day1.qpk", "a/DAY1.QPK"}, // byte order
        {{"Day1.qpk.bak", "Day1.qp", "Day11.qpk"}, {}, "Day1.qpk", "missing"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.found);
        for (const char *f : {"a", "b"})
            for (const auto &entry : fs::directory_iterator(root / f))
                fs::remove(entry);
        for (const auto &f : c.inA)
            put("a", f);
        for (const auto &f : c.inB)
            put("b", f);
        EXPECT_EQ(find(all(), c.wanted), c.found);
    }
}

TEST_F(Folders, NameIsNeverAPath)
{
    put("a", "secret.qpk");
    fs::create_directory(root / "a" / "sub");
    put("a", "sub/x.qpk");
    const SheetLocator fromB({folder("b")});
    for (const char *name : {"../a/secret.qpk", "sub/x.qpk", "/etc/passwd", "", ".", ".."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(find(fromB, name), "missing");
    }
    EXPECT_EQ(find(SheetLocator({folder("a")}), "sub/x.qpk"), "missing");
}

TEST_F(Folders, DanglingLinkIsNoSheet)
{
    fs::create_symlink(root / "nowhere.qpk", root / "a" / "ghost.qpk");
    EXPECT_EQ(find(all(), "ghost.qpk"), "missing");
    put("c", "ghost.qpk");
    EXPECT_EQ(find(all(), "ghost.qpk"), "c/ghost.qpk");
}

TEST_F(Folders, SheetsAddedAndRemovedCountAtOnce)
{
    const SheetLocator locator = all();
    EXPECT_EQ(find(locator, "spy.qpk"), "missing");
    put("b", "SPY.qpk");
    EXPECT_EQ(find(locator, "spy.qpk"), "b/SPY.qpk");
    put("a", "spy.qpk");
    EXPECT_EQ(find(locator, "spy.qpk"), "a/spy.qpk");
    fs::remove(root / "a" / "spy.qpk");
    fs::remove(root / "b" / "SPY.qpk");
    EXPECT_EQ(find(locator, "spy.qpk"), "missing");
}

TEST_F(Folders, FolderThatIsNotThereIsSkipped)
{
    put("c", "w1.qpk");
    const SheetLocator locator({folder("nope"), (root / "a" / "w1.qpk").string(), folder("c")});
    EXPECT_EQ(find(locator, "w1.qpk"), "c/w1.qpk");
}

TEST_F(Folders, FifoOpensWithoutWaitingForAWriter)
{
    ASSERT_EQ(::mkfifo((root / "a" / "d1.qpk").c_str(), 0600), 0);
    const OpenedSheet opened = all().open("d1.qpk"); // would block forever without O_NONBLOCK
    ASSERT_TRUE(opened.file.isOpen());
    struct stat st {};
    ASSERT_EQ(::fstat(opened.file.get(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
