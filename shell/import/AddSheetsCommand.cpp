#include "AddSheetsCommand.h"

#include "Catalogue.h"
#include "CommandLine.h"
#include "ImportSummary.h"
#include "SheetFolders.h"
#include "SheetImport.h"
#include "SheetLoader.h"
#include "Startup.h"
#include "WindowDescription.h"

#include <cstdio>

namespace shell {

namespace {

// Paths are printed as the bytes they are, as the arguments were read.
QString latin1Path(const std::string &path)
{
    return QString::fromLatin1(path);
}

void print(const QString &line)
{
    std::fputs((line + '\n').toLatin1().constData(), stdout);
}

} // namespace

int addSheetsCommand(const CommandLine &commandLine)
{
    const sheets::SheetStore store(sheets::sheetPlaces(commandLine.sheetsFolder).userFolder);
    const sheets::SheetNames names(catalogue::kSheets);
    const QSize box(kPictureBox.pixelWidth(), kPictureBox.pixelHeight());
    // Every file is decoded by the helpers, as a choice would show it, before it is taken.
    const sheets::SheetLoader loader(sheets::SheetLocator(), decodeService());
    sheets::ImportPlan plan =
        sheets::planImport(commandLine.addSheetsFrom, names, store, loader, box);
    const int conflicts = plan.conflicts();
    const sheets::ImportResult result =
        sheets::runImport(std::move(plan), store, commandLine.replace);

    for (const QString &line : importSummary(result, store.folder(), latin1Path))
        print(line);
    if (conflicts > 0 && !commandLine.replace)
        print(QStringLiteral("%1 of them differ from the ones being added: --replace replaces "
                             "them, and keeps the old ones in replaced/.")
                  .arg(conflicts));
    for (const QString &line : detailLines(result, latin1Path))
        print(QStringLiteral("  ") + line);
    // Every path gave a sheet that is now there exactly when nothing was refused or left alone:
    // a path that gave none is left alone itself, or its files are.
    return result.refused.empty() && result.leftAlone.empty() && !result.cancelled ? 0 : 1;
}

} // namespace shell
