#pragma once

#include "WindowDescription.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace demosheets {

// Twice the picture box, so a sheet stays sharp on a dense screen.
inline constexpr int kSheetWidth = 2 * shell::kPictureBox.pixelWidth();
inline constexpr int kSheetHeight = 2 * shell::kPictureBox.pixelHeight();

struct SheetPlan {
    std::string_view name;
    int category;      // 1..7
    QStringList texts; // the list texts of every entry the sheet serves, in list order
};

// Every sheet the catalogue names, once, in catalogue order.
std::vector<SheetPlan> allSheets();

// A picture that shows the sheet's file name and the entries it serves, in its category's colours.
QImage drawSheet(const SheetPlan &sheet);

struct FillResult {
    int written = 0;
    int kept = 0; // already there, left alone
    QString error;
};

// Writes the demo sheets into `folder` (bytes; made if missing). An existing file is never
// replaced.
FillResult fillFolder(const std::string &folder);

} // namespace demosheets
