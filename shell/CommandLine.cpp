#include "CommandLine.h"

#include "ApplicationRecord.h"
#include "QtText.h"
#include "SheetFolders.h"
#include "TerminalText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace shell {

using sheets::qs;

namespace {

// The program's own options.
class Parser : public QCommandLineParser {
public:
    Parser()
    {
        setApplicationDescription(QCoreApplication::translate(
            "shell::CommandLine", "Shows the picture sheet of a mission editor catalogue entry."));
        // Qt's options are single-dash words such as -platform.
        setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        addHelpOption(); // -h, --help and --help-all
        addVersionOption();
        addOption(sheets);
        addOption(addSheets);
        addOption(replace);
        addPositionalArgument(
            QStringLiteral("PATH"),
            QCoreApplication::translate("shell::CommandLine",
                                        "With --add-sheets: a folder or file to add from."),
            QStringLiteral("[PATH...]"));
    }

    // Without an application object Qt cannot know the program's name, so it is put in here.
    QString help() const
    {
        return helpText().replace(QStringLiteral("<executable_name>"), qs(kExecutableName));
    }

    const QCommandLineOption sheets{
        QStringLiteral("sheets"),
        QCoreApplication::translate(
            "shell::CommandLine",
            "Also look for picture sheets in <folder>, after the current folder."),
        QCoreApplication::translate("shell::CommandLine", "folder")};
    const QCommandLineOption addSheets{
        QStringLiteral("add-sheets"),
        QCoreApplication::translate(
            "shell::CommandLine",
            "Copy the picture sheets that each PATH holds (a folder, or sheet files) "
            "into your sheet folder, say what was done, and end without a window.")};
    const QCommandLineOption replace{
        QStringLiteral("replace"),
        QCoreApplication::translate(
            "shell::CommandLine",
            "With --add-sheets: replace sheets that are already there and differ; "
            "the old ones are kept in replaced/ in the sheet folder.")};
};

// The options that QApplication and its platforms take for themselves. Any other unknown option
// is refused before a display is needed: Qt would want one before it could be refused.
constexpr std::array<std::string_view, 21> kQtOptions{
    "platform",      "platformpluginpath", "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",    "geometry",      "qwindowicon",
    "icon",          "qwindowtitle",       "title",         "reverse",
    "session",       "testability",        "nograb",        "dograb",
    "style",         "stylesheet",         "widgetcount",   "display",
    "name"};

bool isQtOption(const QString &name)
{
    return std::find(kQtOptions.begin(), kQtOptions.end(), name.toStdString()) != kQtOptions.end();
}

bool exists(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isFolder(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// An argument as the user typed it, for a message: Qt was given its bytes as Latin-1.
QString said(const QString &argument)
{
    return bytePath(argument.toLatin1().toStdString());
}

} // namespace

QStringList latin1(int argc, const char *const argv[])
{
    // Latin-1 keeps every byte of a folder name that is not UTF-8, and gives it back.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
}

// The settings to run with, from arguments that parsed; none, with `problem` said, when they
// make no sense.
std::optional<CommandLine> settingsOf(const Parser &parser, QString *problem)
{
    const QStringList paths = parser.positionalArguments();
    CommandLine result;
    if (parser.isSet(parser.addSheets)) {
        if (paths.isEmpty())
            *problem = QCoreApplication::translate(
                "shell::CommandLine", "--add-sheets: name the folders or files to add from");
        for (const QString &path : paths) {
            result.addSheetsFrom.push_back(path.toLatin1().toStdString());
            if (problem->isEmpty() && !exists(result.addSheetsFrom.back()))
                *problem = QCoreApplication::translate("shell::CommandLine",
                                                       "--add-sheets: '%1' does not exist")
                               .arg(said(path));
        }
        result.replace = parser.isSet(parser.replace);
    } else if (parser.isSet(parser.replace)) {
        *problem =
            QCoreApplication::translate("shell::CommandLine", "--replace goes with --add-sheets");
    } else if (!paths.isEmpty()) {
        *problem = QCoreApplication::translate("shell::CommandLine", "unexpected argument '%1'")
                       .arg(said(paths.first()));
    }
    if (problem->isEmpty() && parser.isSet(parser.sheets)) {
        const std::string folder = parser.value(parser.sheets).toLatin1().toStdString();
        if (isFolder(folder))
            result.sheetsFolder = sheets::absolutePath(folder);
        else
            *problem =
                QCoreApplication::translate("shell::CommandLine", "--sheets: '%1' is not a folder")
                    .arg(said(parser.value(parser.sheets)));
    }
    if (!problem->isEmpty())
        return std::nullopt;
    return result;
}

ParsedCommandLine parseCommandLine(int argc, const char *const argv[], QTextStream &out,
                                   QTextStream &err, bool qtHasTaken)
{
    Parser parser;
    ParsedCommandLine parsed;
    auto stop = [&](QTextStream &stream, const QString &text, int code) {
        stream << QString::fromLatin1(terminalBytes(text));
        stream.flush();
        parsed.exitCode = code;
        return parsed;
    };
    auto fail = [&](const QString &message) {
        return stop(
            err, qs(kExecutableName) + QStringLiteral(": ") + message + "\n\n" + parser.help(), 2);
    };

    const bool clean = parser.parse(latin1(argc, argv));
    parsed.windowless = parser.isSet(QStringLiteral("help")) ||
                        parser.isSet(QStringLiteral("help-all")) ||
                        parser.isSet(QStringLiteral("version")) || parser.isSet(parser.addSheets);
    const QStringList unknown = parser.unknownOptionNames();
    if (!clean && !qtHasTaken && !unknown.isEmpty()) {
        const auto stranger = std::find_if_not(unknown.begin(), unknown.end(), isQtOption);
        if (stranger != unknown.end())
            return fail(QCoreApplication::translate("shell::CommandLine", "Unknown option '%1'.")
                            .arg(said(*stranger)));
        parsed.leftToQt = true;
        return parsed;
    }
    if (!clean)
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help-all"))) {
        parsed.helpAll = true;
        return parsed;
    }
    if (parser.isSet(QStringLiteral("help")))
        return stop(out, parser.help(), 0);
    if (parser.isSet(QStringLiteral("version")))
        return stop(out, qs(kProductName) + ' ' + qs(kProductVersion) + '\n', 0);

    QString problem;
    parsed.commandLine = settingsOf(parser, &problem);
    return problem.isEmpty() ? parsed : fail(problem);
}

void showHelpAll(int argc, const char *const argv[])
{
    // Qt lists its options in the help of a parser it processes itself, under the program's
    // name as the arguments give it.
    Parser parser;
    QStringList arguments = latin1(argc, argv);
    arguments[0] = qs(kExecutableName);
    parser.process(arguments);
    std::exit(0); // process() has ended the program already
}

} // namespace shell
