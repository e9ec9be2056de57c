#pragma once

namespace shell {

struct CommandLine;

// tesselbox --add-sheets PATH...: adds the sheets that the paths hold to the user's sheet folder
// without a window, and prints what was done, each refused file with its reason. Returns the
// exit status: 0 when every sheet found went in or was there already, 1 when some were refused.
// Runs under an application object, without a window.
int addSheetsCommand(const CommandLine &commandLine);

} // namespace shell
