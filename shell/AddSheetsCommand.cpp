#include "AddSheetsCommand.h"

#include "Catalogue.h"
#include "CommandLine.h"
#include "SheetFolders.h"
#include "SheetImport.h"
#include "SheetLoader.h"
#include "WindowDescription.h"

#include <QGuiApplication>

#include <cstdio>

namespace shell {

namespace {

void print(const QString &line)
{
    std::fputs(qPrintable(line + '\n'), stdout);
}

} // namespace

int addSheetsCommand(const CommandLine &commandLine, int argc, char *argv[])
{
    // Pictures are only looked at, never shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    sheets::installAllocationLimit();

    const sheets::SheetStore store(sheets::sheetPlaces(commandLine.sheetsFolder).userFolder);
    const sheets::SheetNames names(catalogue::kSheets);
    const QSize box(kPictureBox.pixelWidth(), kPictureBox.pixelHeight());
    sheets::ImportPlan plan = sheets::planImport(commandLine.addSheetsFrom, names, store, box);
    const int conflicts = plan.conflicts();
    const sheets::ImportResult result =
        sheets::runImport(std::move(plan), store, commandLine.replace);

    for (const QString &line : result.summary(store.folder()))
        print(line);
    if (conflicts > 0 && !commandLine.replace)
        print(QStringLiteral("%1 of them differ from the ones being added: --replace replaces "
                             "them, and keeps the old ones in replaced/.")
                  .arg(conflicts));
    for (const QString &refused : result.refused)
        print(QStringLiteral("  ") + refused);
    return result.refused.isEmpty() ? 0 : 1;
}

} // namespace shell
