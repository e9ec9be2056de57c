#pragma once

#include "SheetImport.h"

#include <QStringList>

#include <string>

namespace shell {

// How a path's bytes are shown: as the desktop decodes file names, or, in a terminal, each byte
// as Latin-1, which gives a name that is not UTF-8 back as it came.
using PathText = QString (*)(const std::string &path);
QString desktopPath(const std::string &path);

// `text` with each control character written as an escape (\n, \t, \x1B), so that a file
// name cannot start a line of its own in a summary.
QString escapeControls(const QString &text);

// What adding sheets to `folder` did, a line each, counts first.
QStringList importSummary(const sheets::ImportResult &result, const std::string &folder,
                          PathText text = desktopPath);

// Every file that was refused, then every file and folder left alone, as "path: why".
QStringList detailLines(const sheets::ImportResult &result, PathText text = desktopPath);

} // namespace shell
