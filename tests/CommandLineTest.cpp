#include "QtPrinters.h"

#include "CommandLine.h"
#include "SheetFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using shell::parseCommandLine;

namespace {

struct Outcome {
    std::optional<shell::CommandLine> commandLine;
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("tesselbox"));
    Outcome o;
    QTextStream out(&o.out);
    QTextStream err(&o.err);
    o.commandLine = parseCommandLine(arguments, out, err, &o.exitCode);
    return o;
}

} // namespace

TEST(CommandLine, RunsWithoutArgumentsAndWithQtsOwnOptions)
{
    for (const QStringList &arguments :
         {QStringList{}, QStringList{"-platform", "offscreen", "-style", "fusion"},
          QStringList{"-reverse", "-qwindowtitle", "x"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome o = parse(arguments);
        ASSERT_TRUE(o.commandLine.has_value()) << o.err.toStdString();
        EXPECT_EQ(o.exitCode, 0);
        EXPECT_TRUE(o.commandLine->sheetsFolder.empty());
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_TRUE(o.err.isEmpty());
    }
}

TEST(CommandLine, HelpAndVersionPrintAndStop)
{
    Outcome o = parse({"--version"});
    EXPECT_FALSE(o.commandLine);
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(o.out, "Vorrin Propscope 1.02\n");

    for (const char *help : {"--help", "-h"}) {
        o = parse({help});
        EXPECT_FALSE(o.commandLine);
        EXPECT_EQ(o.exitCode, 0);
        EXPECT_TRUE(o.out.contains("--sheets <folder>"));
        EXPECT_FALSE(o.out.contains("platform")) << "Qt's options are not ours to list";
    }
}

TEST(CommandLine, BadArgumentsExitWithTwoAndTheUsage)
{
    struct Case {
        QStringList arguments;
        const char *firstLine;
    };
    const Case cases[] = {
        {{"--bogus"}, "tesselbox: Unknown option 'bogus'."},
        {{"--sheets"}, "tesselbox: Missing value after '--sheets'."},
        {{"--sheets", "/no/such/folder"}, "tesselbox: --sheets: '/no/such/folder' is not a folder"},
        {{"--sheets", "/etc/hostname"}, "tesselbox: --sheets: '/etc/hostname' is not a folder"},
        {{"ghost.qpk"}, "tesselbox: unexpected argument 'ghost.qpk'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.firstLine);
        const Outcome o = parse(c.arguments);
        EXPECT_FALSE(o.commandLine);
        EXPECT_EQ(o.exitCode, 2);
        EXPECT_EQ(o.err.section('\n', 0, 0), c.firstLine);
        EXPECT_TRUE(o.err.contains("Usage: ")) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
    }
}

TEST(CommandLine, SheetsFolderIsMadeAbsolute)
{
    QTemporaryDir dir;
    const QString relative = QDir::current().relativeFilePath(dir.path());
    const Outcome o = parse({"--sheets", relative});
    ASSERT_TRUE(o.commandLine);
    EXPECT_EQ(o.commandLine->sheetsFolder, QDir(dir.path()).absolutePath().toStdString());
}

TEST(SheetFolders, WorkingFolderFirstProgramFolderLast)
{
    QTemporaryDir home;
    const QString before = QDir::currentPath();
    QDir::setCurrent(home.path()); // not the program's folder, which would be searched once
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const std::vector<std::string> folders = sheets::sheetFolders("/opt/sheets");
    const std::string app = "tesselbox";
    const std::vector<std::string> expected = {
        ".",
        "/opt/sheets",
        (home.path() + "/data/").toStdString() + app + "/sheets",
        "/usr/local/share/" + app + "/sheets",
        "/usr/share/" + app + "/sheets",
        QCoreApplication::applicationDirPath().toStdString(),
    };
    EXPECT_EQ(folders, expected);
    EXPECT_EQ(sheets::userSheetFolder(), expected[2]);

    // A folder named twice is searched once.
    const std::vector<std::string> again =
        sheets::sheetFolders(QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(std::count(again.begin(), again.end(), again[1]), 1);
    EXPECT_EQ(again.size(), expected.size() - 1);
    QDir::setCurrent(before);
}
