#pragma once

#include <string>
#include <vector>

namespace sheets {

// Folder paths are bytes, as the file system keeps them: a name need not be UTF-8.

// Where the user keeps picture sheets: $XDG_DATA_HOME/tesselbox/sheets, usually
// ~/.local/share/tesselbox/sheets.
std::string userSheetFolder();

// Where tesselbox-demo-sheets puts its demo pictures: ~/.local/share/tesselbox/demo-sheets. It
// is searched after every real folder, so a demo never stands in for a real sheet.
std::string demoSheetFolder();

// The folders real sheets are searched in, in order: the working folder, `extraFolder` (from
// --sheets; none when empty), the user's and then the system's data folders, and the program's
// own folder. A folder named twice is searched once.
std::vector<std::string> realSheetFolders(const std::string &extraFolder = {});

// The real sheet folders, then the demo folder.
std::vector<std::string> sheetFolders(const std::string &extraFolder = {});

} // namespace sheets
