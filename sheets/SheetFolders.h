#pragma once

#include <string>
#include <vector>

namespace sheets {

// Folder paths are bytes, as the file system keeps them: a name need not be UTF-8.

// Where sheets are looked for, and where the ones the user adds are kept.
struct SheetPlaces {
    std::vector<std::string> realFolders; // searched in this order
    std::string demoFolder;               // searched after every real folder; empty: none
    std::string userFolder;               // where added sheets are written

    // The real folders, then the demo folder.
    std::vector<std::string> searchOrder() const;
};

// The places of this user: the real folders are the working folder, `extraFolder` (from
// --sheets; none when empty), the user's sheet folder ($XDG_DATA_HOME/tesselbox/sheets, usually
// ~/.local/share/tesselbox/sheets), the system's data folders, and the program's own folder,
// each searched once. The demo folder, ~/.local/share/tesselbox/demo-sheets, comes last, so a
// demo never stands in for a real sheet.
SheetPlaces sheetPlaces(const std::string &extraFolder = {});

// `path` from the root, as bytes: one that is relative is taken from the working folder.
std::string absolutePath(const std::string &path);

// Makes `folder` and every folder above it that is missing, as mkdir -p does. False, with errno
// set, when it is not a folder afterwards.
bool makeFolders(const std::string &folder);

} // namespace sheets
