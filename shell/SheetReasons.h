#pragma once

#include "QtText.h"
#include "RuntimeErrors.h"
#include "SheetError.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <string_view>

namespace shell {

// Why a sheet could not be had: the run-time error that stands for it at the window, and the
// words the user reads: in the missing-file message's form as they are, translated in the log,
// on gallery tiles, in the viewer and in the summary of added sheets.
struct SheetReason {
    sheets::SheetError error;
    preview::ErrorNumber number;
    std::string_view text;
};
// clang-format off
inline constexpr std::array<SheetReason, 5> kSheetReasons{{
    {sheets::SheetError::Missing,      preview::kErrFileNotFound,     QT_TRANSLATE_NOOP("shell::SheetReasons", "The file is missing")},
    {sheets::SheetError::NotAPicture,  preview::kErrInvalidPicture,   QT_TRANSLATE_NOOP("shell::SheetReasons", "The file is not a readable picture")},
    {sheets::SheetError::TooLarge,     preview::kErrOutOfMemory,      QT_TRANSLATE_NOOP("shell::SheetReasons", "The picture is too large to show")},
    {sheets::SheetError::NoPermission, preview::kErrPermissionDenied, QT_TRANSLATE_NOOP("shell::SheetReasons", "No permission to read the file")},
    {sheets::SheetError::NotAFile,     preview::kErrPathFileAccess,   QT_TRANSLATE_NOOP("shell::SheetReasons", "It is a folder, pipe or device, not a file")},
}};
// clang-format on

// The reason for `error`; a sheet that was had has none, and reads as not a picture.
constexpr const SheetReason &reasonFor(sheets::SheetError error)
{
    for (const SheetReason &reason : kSheetReasons) {
        if (reason.error == error)
            return reason;
    }
    return kSheetReasons[1];
}

// The reason in the user's words, with what was found wrong when there is more to say. The
// missing-file message's form keeps `text` as it is.
inline QString reasonText(sheets::SheetError error, const QString &detail = {})
{
    const QString text =
        QCoreApplication::translate("shell::SheetReasons", reasonFor(error).text.data());
    return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
}

} // namespace shell
