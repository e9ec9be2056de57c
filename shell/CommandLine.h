#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QTextStream;

namespace shell {

struct CommandLine {
    std::string sheetsFolder; // absolute, as bytes; empty when none was given
};

// Reads the program's arguments (Qt's own, such as -platform or -style, are let through for
// QApplication). Returns the settings to run with, or the exit code when the program should
// stop here: 0 after --help or --version, 2 after a bad argument.
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QTextStream &out,
                                            QTextStream &err, int *exitCode);

} // namespace shell
