#include "ImportSummary.h"

#include "QtText.h"
#include "SheetReasons.h"

#include <QFile>

namespace shell {

QStringList importSummary(const sheets::ImportResult &result, const std::string &folder)
{
    const QString where = QFile::decodeName(folder.c_str());
    QStringList lines;
    if (result.cancelled)
        lines << QObject::tr("Cancelled: no sheet was added.");
    else if (result.added > 0)
        lines << QObject::tr("Added %1 sheet(s) to %2.").arg(result.added).arg(where);
    else
        lines << QObject::tr("No sheet was added.");
    if (result.replaced > 0)
        lines << QObject::tr("Replaced %1 sheet(s); the old ones are kept in %2/%3.")
                     .arg(result.replaced)
                     .arg(where, sheets::qs(sheets::SheetStore::kReplacedFolder));
    if (result.kept > 0)
        lines << QObject::tr("Kept %1 sheet(s) that were already there.").arg(result.kept);
    if (!result.refused.empty())
        lines << QObject::tr("Refused %1 file(s).").arg(result.refused.size());
    if (result.leftAlone > 0)
        lines << QObject::tr("Left alone %1 file(s) that are not sheets, or a second file for "
                             "the same sheet.")
                     .arg(result.leftAlone);
    return lines;
}

QStringList refusalLines(const sheets::ImportResult &result)
{
    QStringList lines;
    for (const sheets::ImportRefusal &refusal : result.refused)
        lines << QFile::decodeName(refusal.source.c_str()) + QStringLiteral(": ") +
                     (refusal.error == sheets::SheetError::None
                          ? refusal.detail
                          : reasonText(refusal.error, refusal.detail));
    return lines;
}

} // namespace shell
