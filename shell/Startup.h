#pragma once

#include <QString>

#include <string>
#include <vector>

namespace shell {

// Where the user keeps picture sheets: ~/.local/share/tesselbox/sheets, usually.
QString userSheetFolder();

// The folders searched for a sheet, in order: the working folder, the folder given with
// --sheets, the user's and then the system's data folders, and the program's own folder.
std::vector<std::string> sheetFolders(const QString &sheetsFolder);

// Every control shows its text in the system's sans-serif face at 8 points: the size the window
// was laid out for, so the longest captions fit their fixed boxes.
void applyRuntimeFont();

// Starts the program: reads the arguments, builds and fills the window, shows it and runs until
// it is closed. Returns the process exit code.
int ThunRTMain(int argc, char *argv[]);

} // namespace shell
