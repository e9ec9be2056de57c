#pragma once

#include "QtText.h"
#include "RuntimeErrors.h"
#include "SheetError.h"

#include <QString>

#include <array>
#include <string_view>

namespace shell {

// Why a sheet could not be had: the run-time error that stands for it at the window, and the
// words the user reads, in the missing-file message's form, in the log, on gallery tiles and in
// the summary of added sheets.
struct SheetReason {
    sheets::SheetError error;
    preview::ErrorNumber number;
    std::string_view text;
};
// clang-format off
inline constexpr std::array<SheetReason, 5> kSheetReasons{{
    {sheets::SheetError::Missing,      preview::kErrFileNotFound,     "The file is missing"},
    {sheets::SheetError::NotAPicture,  preview::kErrInvalidPicture,   "The file is not a readable picture"},
    {sheets::SheetError::TooLarge,     preview::kErrOutOfMemory,      "The picture is too large to show"},
    {sheets::SheetError::NoPermission, preview::kErrPermissionDenied, "No permission to read the file"},
    {sheets::SheetError::NotAFile,     preview::kErrPathFileAccess,   "It is a folder, pipe or device, not a file"},
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

// The reason in words, with what was found wrong when there is more to say.
inline QString reasonText(sheets::SheetError error, const QString &detail = {})
{
    const QString text = sheets::qs(reasonFor(error).text);
    return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
}

} // namespace shell
