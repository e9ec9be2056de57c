#pragma once

#include "SheetImport.h"

#include <QStringList>

#include <string>

namespace shell {

// What adding sheets to `folder` did, a line each, counts first.
QStringList importSummary(const sheets::ImportResult &result, const std::string &folder);

// Every sheet that was not added, as "file: why".
QStringList refusalLines(const sheets::ImportResult &result);

} // namespace shell
