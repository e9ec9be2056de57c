// The programs as a user starts them from a shell without a display: what they print, what they
// write and their exit status. Folder names need not be UTF-8.
#include "SheetFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CommandLine, AnswersWithoutADisplay)
{
    const auto bytes = [](const char *utf8) { return QString::fromLatin1(utf8); }; // as read
    const QString noDisplay =
        "tesselbox: cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?\n";
    struct Case {
        QString command; // for sh, with $P the program, $D the demo sheet tool, \351 a byte
        int status;
        QString output; // found in standard output then standard error
    };
    const Case cases[] = {
        {"$P --version", 0, "Vorrin Propscope 1.02\n"},
        {"$P --help", 0, "Usage: tesselbox [options] [PATH...]\n"},
        {"$P --help-all", 0, "\n  --platform <platformName[:options]>"}, // as Qt lists its own
        {"$D --help", 0, "Usage: tesselbox-demo-sheets [options] [FOLDER]\n"},
        {"$P -style fusion --version", 0, "Vorrin Propscope 1.02\n"}, // Qt's own options pass
        {"$P -style fusion --bogus", 2, // refused before Qt wants a display
         "tesselbox: Unknown option 'bogus'.\n\nUsage: tesselbox [options] ["},
        {"$P --sheets", 2, "tesselbox: Missing value after '--sheets'.\n"},
        {"$P --sheets /no/such", 2, "tesselbox: --sheets: '/no/such' is not a folder\n"},
        {"$P ghost.qpk", 2, "tesselbox: unexpected argument 'ghost.qpk'\n"},
        {"$P --add-sheets", 2, "tesselbox: --add-sheets: name the folders or files to add from\n"},
        {"$P --add-sheets /no/such", 2, "tesselbox: --add-sheets: '/no/such' does not exist\n"},
        {"$P --replace", 2, "tesselbox: --replace goes with --add-sheets\n"},
        {"$P", 1, noDisplay},
        {"mkdir caf\\351 && $P --sheets caf\\351", 1, noDisplay},
        {"$D /etc/passwd", 1, "'/etc/passwd': it is a file, or lies under one, not a folder"},
        {"$D ''", 2, "tesselbox-demo-sheets: the folder's name is empty"},
        {"$D d\\351mo && stat -c %a d\\351mo/ghost.qpk", 0,
         "119 demo sheets written to d\u00e9mo (0 already there).\n644\n"},
        // Demo sheets only where no real folder holds a sheet, in their own folder.
        {"touch GHOST.QPK spy.qpk~ && $D --if-no-sheets", 0, ". already holds sheets; no demo"},
        {"rm GHOST.QPK && $D --if-no-sheets && ls $XDG_DATA_HOME/tesselbox/demo-sheets | wc -l", 0,
         "/tesselbox/demo-sheets (0 already there).\n119\n"},
        // Adding sheets, in a terminal: 0 only when every path gave sheets now there, 1 when
        // anything was refused or left alone, each named; --replace keeps the old one.
        {"$P --add-sheets d\\351mo", 0, "Added 119 sheet(s) to "},
        {"echo x >Day1.qpk && $P --add-sheets Day1.qpk d\\351mo", 1,
         "No sheet was added.\nKept 118 sheet(s) that were already there.\nRefused 1 file(s).\n"
         "Left alone 1 file(s) or folder(s) that give no sheet.\n"
         "  Day1.qpk: The file is not a readable picture (Unsupported image format)\n"
         "  d\u00e9mo/Day1.qpk: left alone: another file for Day1.qpk, which is taken from "
         "Day1.qpk\n"},
        // In the desktop's language, the first the program has; names keep their bytes.
        {"LANGUAGE=ru $P --add-sheets Day1.qpk d\\351mo", 1,
         bytes("Оставлено 118 уже имевшихся листов.\nОтклонён 1 файл.\n") +
             bytes("Пропущен 1 файл или папка без листов.\n  Day1.qpk: Файл не является") +
             bytes(" читаемым изображением (Unsupported image format)\n  d\xe9mo/Day1.qpk: ")},
        {"LANGUAGE=de $P --help", 0, bytes("Aufruf: tesselbox [Optionen] [PATH...]\nZeigt die")},
        {"LANGUAGE=en:de $P --help", 0, "Usage: tesselbox [options] [PATH...]\n"},
        {"LANGUAGE=it:pl $P --sheets /no/such", 2, bytes("--sheets: „/no/such” nie jest folderem")},
        {"LANGUAGE=cs $P", 1, bytes("tesselbox: nelze se připojit k displeji;")},
        {"mkdir b && cp d\\351mo/ghost.qpk b/day1.QPK && $P --add-sheets b", 1,
         "Kept 1 sheet(s) that were already there.\n1 of them differ from the ones being added: "
         "--replace replaces them, and keeps the old ones in replaced/.\n"
         "  b/day1.QPK: kept the Day1.qpk already there, which differs\n"},
        {"$P --add-sheets --replace b && ls $XDG_DATA_HOME/tesselbox/sheets/replaced", 0,
         "Replaced 1 sheet(s); the old ones are kept in "},
        {"mkdir -p s/sub && cp d\\351mo/radar.qpk s/sub/Radar.qpk && $P --add-sheets s", 0,
         "No sheet was added.\nKept 1 sheet(s) that were already there.\n"},
        {"mkdir e && $P --add-sheets e", 1, "  e: holds no file named like a sheet\n"},
        {"mkdir n && cd n && seq 300 | xargs mkdir && for d in $(seq 300); do cp ../d\\351mo/"
         "ghost.qpk $d; done && ulimit -n 64 && $P --add-sheets .", // a descriptor at a time
         1, "Kept 1 sheet(s) that were already there.\nLeft alone 299 file(s)"},
        {"touch f && XDG_DATA_HOME=$PWD/f $P --add-sheets d\\351mo/ghost.qpk", 1,
         "Refused 1 file(s).\n  d\u00e9mo/ghost.qpk: The sheet folder "},
        {"mkdir m && cd m && seq 1002 | xargs touch && $P --add-sheets .", 1,
         "  .: holds no file named like a sheet\n  and 2 more file(s) not named like a sheet\n"},
        {"touch README.txt 'Fake\nline' && $P --add-sheets README.txt Fake*", 1,
         "  README.txt: left alone: not named like a sheet\n"
         "  Fake\\nline: left alone: not named like a sheet\n"},
        // Files made to do harm: each refused with its reason, in bounded time.
        {"$P --add-sheets hostile", 1,
         "Refused 4 file(s).\nLeft alone 1 file(s) or folder(s) that give no sheet.\n"
         "  hostile/armory.qpk: The picture is too large to show (8589934592 bytes)\n"
         "  hostile/barracks.qpk: The file is not a readable picture ("},
        {"$P --add-sheets hostile/ghost.qpk hostile/house.qpk", 1,
         "  hostile/ghost.qpk: The file is not a readable picture (draws another file)\n"
         "  hostile/house.qpk: The file is not a readable picture (draws another file)\n"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        environment.remove(name);
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("P", PROPSCOPE_PROGRAM);
    environment.insert("D", PROPSCOPE_DEMO_SHEETS);
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("hostile"));
    testing_support::writeHostileSheets(folder.filePath("hostile"));
    // Nothing of the caller's is read or written: not their home, not their sheets.
    ASSERT_TRUE(QDir(folder.path()).mkdir("home"));
    environment.insert("HOME", folder.filePath("home"));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    environment.insert("XDG_DATA_HOME", folder.filePath("data"));
    environment.insert("XDG_DATA_DIRS", folder.filePath("system"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        QProcess shell;
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(folder.path());
        // Escapes become bytes in the shell, so a name that is not UTF-8 stays as it is.
        shell.start("sh", {"-c", "eval \"$(printf '%b' \"$0\")\"", c.command});
        ASSERT_TRUE(shell.waitForFinished(20000));
        const QString output =
            QString::fromLatin1(shell.readAllStandardOutput() + shell.readAllStandardError());
        EXPECT_EQ(shell.exitCode(), c.status) << output.toStdString();
        EXPECT_TRUE(output.contains(c.output)) << output.toStdString();
    }
}
