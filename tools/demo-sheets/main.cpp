// Writes demo picture sheets, so that a new user's first choice shows a picture.
#include "DemoSheets.h"

#include "Catalogue.h"
#include "SheetFolders.h"
#include "SheetNames.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr const char *kProgram = "tesselbox-demo-sheets";

// Text made of argument bytes, given back byte for byte.
void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLatin1().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a demo picture sheet for every catalogue sheet into FOLDER, by default the demo "
        "folder that tesselbox searches after all others. Existing files are never replaced."));
    parser.addHelpOption();
    const QCommandLineOption ifNoSheets(
        QStringLiteral("if-no-sheets"),
        QStringLiteral("Do nothing if FOLDER, or any folder tesselbox would search from here for "
                       "real sheets, holds a .qpk file."));
    parser.addOption(ifNoSheets);
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Where to write."),
                                 QStringLiteral("[FOLDER]"));
    // Parsed before Qt starts, as Latin-1 so that a folder name that is not UTF-8 keeps its bytes.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    const QString help =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(kProgram));
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty() ? QStringLiteral("one folder at most")
                                                           : parser.errorText();
        print(stderr, QLatin1String(kProgram) + QStringLiteral(": ") + error + "\n\n" + help);
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, help);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const sheets::SheetPlaces places = sheets::sheetPlaces();
    const std::string folder =
        positional.isEmpty() ? places.demoFolder : positional.first().toLatin1().toStdString();
    if (folder.empty()) {
        print(stderr, QLatin1String(kProgram) + QStringLiteral(": the folder's name is empty\n"));
        return 2;
    }
    if (parser.isSet(ifNoSheets)) {
        std::vector<std::string> searched = places.realFolders;
        searched.push_back(folder);
        const sheets::SheetNames names(catalogue::kSheets);
        for (const std::string &f : searched) {
            if (names.anyHeldBy({f})) {
                std::printf("%s already holds sheets; no demo sheets written.\n", f.c_str());
                return 0;
            }
        }
    }

    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const demosheets::FillResult result = demosheets::fillFolder(folder);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "%s: '%s': %s\n", kProgram, folder.c_str(), qPrintable(result.error));
        return 1;
    }
    std::printf("%d demo sheets written to %s (%d already there).\n", result.written,
                folder.c_str(), result.kept);
    return 0;
}
