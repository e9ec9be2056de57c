#pragma once

#include <optional>
#include <string>
#include <vector>

class QTextStream;

namespace shell {

struct CommandLine {
    std::string sheetsFolder; // absolute, as bytes; empty when none was given
    // With --add-sheets: the files and folders to add sheets from, as bytes. No window then.
    std::vector<std::string> addSheetsFrom;
    bool replace = false; // sheets already there are replaced, and kept in replaced/
};

// Reads the program's arguments (Qt's own, such as -platform or -style, are let through for
// QApplication). Returns the settings to run with, or the exit code when the program should
// stop here: 0 after --help, --help-all or --version, 2 after a bad argument. Arguments are
// bytes: `out` and `err` must write Latin-1, so that a folder name comes out as it came in.
std::optional<CommandLine> parseCommandLine(int argc, const char *const argv[], QTextStream &out,
                                            QTextStream &err, int *exitCode);

} // namespace shell
