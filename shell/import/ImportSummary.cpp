#include "ImportSummary.h"

#include "QtText.h"
#include "SheetReasons.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace shell {

QString escapeControls(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == '\n')
            escaped += QStringLiteral("\\n");
        else if (c == '\t')
            escaped += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            escaped += QStringLiteral("\\x") +
                       QString::number(c.unicode(), 16).rightJustified(2, '0').toUpper();
        else
            escaped += c;
    }
    return escaped;
}

QString desktopPath(const std::string &path)
{
    return escapeControls(QFile::decodeName(path.c_str()));
}

QStringList importSummary(const sheets::ImportResult &result, const std::string &folder,
                          PathText text)
{
    const QString where = text(folder);
    QStringList lines;
    if (result.cancelled)
        lines << QCoreApplication::translate("shell::ImportSummary",
                                             "Cancelled: no sheet was added.");
    else if (result.added > 0)
        lines << QCoreApplication::translate("shell::ImportSummary", "Added %n sheet(s) to %1.",
                                             nullptr, result.added)
                     .arg(where);
    else
        lines << QCoreApplication::translate("shell::ImportSummary", "No sheet was added.");
    if (result.replaced > 0)
        lines << QCoreApplication::translate(
                     "shell::ImportSummary",
                     "Replaced %n sheet(s); the old ones are kept in %1/%2.", nullptr,
                     result.replaced)
                     .arg(where, sheets::qs(sheets::SheetStore::kReplacedFolder));
    if (result.kept > 0)
        lines << QCoreApplication::translate("shell::ImportSummary",
                                             "Kept %n sheet(s) that were already there.", nullptr,
                                             result.kept);
    if (!result.refused.empty())
        lines << QCoreApplication::translate("shell::ImportSummary", "Refused %n file(s).", nullptr,
                                             int(result.refused.size()));
    // Sheets kept because they differ are counted with the kept ones.
    const auto leftAlone = std::count_if(result.leftAlone.begin(), result.leftAlone.end(),
                                         [](const sheets::ImportLeftAlone &l) {
                                             return l.why != sheets::ImportLeftAlone::Why::Differs;
                                         });
    if (const auto all = std::size_t(leftAlone) + result.unnamed; all > 0)
        lines << QCoreApplication::translate(
            "shell::ImportSummary", "Left alone %n file(s) or folder(s) that give no sheet.",
            nullptr, int(all));
    return lines;
}

QStringList detailLines(const sheets::ImportResult &result, PathText name)
{
    using Why = sheets::ImportLeftAlone::Why;
    QStringList lines;
    for (const sheets::ImportRefusal &refusal : result.refused)
        lines << name(refusal.source) + QStringLiteral(": ") +
                     (refusal.error == sheets::SheetError::None
                          ? refusal.detail
                          : reasonText(refusal.error, refusal.detail));
    for (const sheets::ImportLeftAlone &l : result.leftAlone) {
        QString why;
        switch (l.why) {
        case Why::NotASheet:
            why = QCoreApplication::translate("shell::ImportSummary",
                                              "left alone: not named like a sheet");
            break;
        case Why::SameSheet:
            why = QCoreApplication::translate(
                      "shell::ImportSummary",
                      "left alone: another file for %1, which is taken from %2")
                      .arg(name(l.sheet), name(l.earlier));
            break;
        case Why::Differs:
            why = QCoreApplication::translate("shell::ImportSummary",
                                              "kept the %1 already there, which differs")
                      .arg(name(l.sheet));
            break;
        case Why::Link:
            why = QCoreApplication::translate("shell::ImportSummary",
                                              "left alone: a link, not followed");
            break;
        case Why::TooDeep: {
            constexpr int levels = sheets::kSubfolderLevels; // a plain name for lupdate
            why = QCoreApplication::translate("shell::ImportSummary",
                                              "left alone: a folder more than %n levels down",
                                              nullptr, levels);
            break;
        }
        case Why::Unreadable:
            why = QCoreApplication::translate("shell::ImportSummary",
                                              "left alone: the folder cannot be read");
            break;
        case Why::NoSheetIn:
            why = QCoreApplication::translate("shell::ImportSummary",
                                              "holds no file named like a sheet");
            break;
        }
        lines << name(l.source) + QStringLiteral(": ") + why;
    }
    if (result.unnamed > 0)
        lines << QCoreApplication::translate("shell::ImportSummary",
                                             "and %n more file(s) not named like a sheet", nullptr,
                                             int(result.unnamed));
    return lines;
}

} // namespace shell
