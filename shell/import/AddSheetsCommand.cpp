#include "AddSheetsCommand.h"

#include "Catalogue.h"
#include "CommandLine.h"
#include "ImportSummary.h"
#include "SheetFolders.h"
#include "SheetImport.h"
#include "SheetLoader.h"
#include "Startup.h"
#include "TerminalText.h"
#include "WindowDescription.h"

#include <QCoreApplication>

#include <cstdio>

namespace shell {

namespace {

void print(const QString &line)
{
    const QByteArray bytes = terminalBytes(line) + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
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

    for (const QString &line : importSummary(result, store.folder(), bytePath))
        print(line);
    if (conflicts > 0 && !commandLine.replace)
        print(QCoreApplication::translate(
            "shell::AddSheetsCommand",
            "%n of them differ from the ones being added: --replace replaces them, and keeps the "
            "old ones in replaced/.",
            "", conflicts));
    for (const QString &line : detailLines(result, bytePath))
        print(QStringLiteral("  ") + line);
    // Every path gave a sheet that is now there exactly when nothing was refused or left alone:
    // a path that gave none is left alone itself, or its files are.
    return result.refused.empty() && result.leftAlone.empty() && !result.cancelled ? 0 : 1;
}

} // namespace shell
