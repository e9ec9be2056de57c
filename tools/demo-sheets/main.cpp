// Writes demo picture sheets, so that a new user's first choice shows a picture.
#include "DemoSheets.h"

#include "SheetFolders.h"

#include <QFile>

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tesselbox"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a demo picture sheet for every catalogue sheet into FOLDER (by default the user's "
        "sheet folder). Existing files are never replaced."));
    parser.addHelpOption();
    const QCommandLineOption ifEmpty(QStringLiteral("if-empty"),
                                     QStringLiteral("Do nothing if FOLDER holds any .qpk file."));
    parser.addOption(ifEmpty);
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Where to write."),
                                 QStringLiteral("[FOLDER]"));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        std::fprintf(stderr, "tesselbox-demo-sheets: one folder at most\n");
        return 2;
    }
    const QString folder = positional.isEmpty()
                               ? QFile::decodeName(sheets::userSheetFolder().c_str())
                               : positional.first();
    const demosheets::FillResult result = demosheets::fillFolder(folder, parser.isSet(ifEmpty));
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "tesselbox-demo-sheets: %s\n", qPrintable(result.error));
        return 1;
    }
    if (result.skipped)
        std::printf("%s already holds sheets; nothing written.\n", qPrintable(folder));
    else
        std::printf("%d demo sheets written to %s (%d already there).\n", result.written,
                    qPrintable(folder), result.kept);
    return 0;
}
