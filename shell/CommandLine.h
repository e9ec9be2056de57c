#pragma once

#include <optional>
#include <string>
#include <vector>

class QCoreApplication;
class QTextStream;

namespace shell {

struct CommandLine {
    std::string sheetsFolder; // absolute, as bytes; empty when none was given
    // With --add-sheets: the files and folders to add sheets from, as bytes. No window then.
    std::vector<std::string> addSheetsFrom;
    bool replace = false; // sheets already there are replaced, and kept in replaced/
};

// What reading the arguments came to.
struct ParsedCommandLine {
    std::optional<CommandLine> commandLine; // what to run; none: stop, with `exitCode`
    int exitCode = 0;
    // Options that are not the program's: Qt's own, such as -platform or -style, are known only
    // to QApplication, which takes them out of the arguments. Read what it leaves again.
    bool leftToQt = false;
    bool helpAll = false;    // the help with Qt's options, which only QApplication can list
    bool windowless = false; // ends without a window: needs no display
};

// Reads the program's arguments; after --help, --version or a bad argument it prints and says
// to stop, with 0 or 2, in the language of the application's translators. Arguments are bytes:
// `out` and `err` must write Latin-1, as they are handed bytes already (the words in UTF-8), so
// that a folder name comes out as it came in. `qtHasTaken`: QApplication has taken its own options
// out.
ParsedCommandLine parseCommandLine(int argc, const char *const argv[], QTextStream &out,
                                   QTextStream &err, bool qtHasTaken);

// Prints the help with Qt's own options, as Qt lists them, and ends the process with 0.
[[noreturn]] void showHelpAll(int argc, const char *const argv[]);

} // namespace shell
