#pragma once

#include "SheetImport.h"

#include <QStringList>

#include <string>

namespace shell {

// What adding sheets to `folder` did, a line each, counts first.
QStringList importSummary(const sheets::ImportResult &result, const std::string &folder);

// Every file that was refused, then every file and folder left alone, as "path: why".
QStringList detailLines(const sheets::ImportResult &result);

} // namespace shell
