#pragma once

namespace shell {

struct CommandLine;

// tesselbox --add-sheets PATH...: adds the sheets that the paths hold to the user's sheet folder
// without a window, and prints what was done, each file refused or left alone with its reason.
// Returns the exit status: 0 when every path gave a sheet that went in or was there already and
// nothing was refused or left alone, else 1.
// Runs under an application object, without a window.
int addSheetsCommand(const CommandLine &commandLine);

} // namespace shell
