#include "CommandLine.h"

#include "ApplicationRecord.h"
#include "QtText.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

// The options QApplication takes for itself. They are parsed here so that they are not called
// unknown, and listed by --help-all; QApplication acts on them.
struct QtOption {
    const char *name;
    const char *value; // nullptr: takes none
    const char *description;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "name", "Platform plugin to use: xcb, wayland, offscreen, ..."},
    {"platformpluginpath", "folder", "Where to look for platform plugins."},
    {"platformtheme", "name", "Platform theme to use."},
    {"plugin", "name", "Further plugin to load, such as an input device."},
    {"qwindowgeometry", "geometry", "Size and place of the window, as WxH+X+Y."},
    {"geometry", "geometry", "The same as --qwindowgeometry."},
    {"qwindowicon", "file", "Icon for the window."},
    {"qwindowtitle", "title", "Title of the window."},
    {"title", "title", "The same as --qwindowtitle."},
    {"name", "name", "Application name for the X resource database."},
    {"display", "display", "X display to use."},
    {"style", "style", "Widget style, such as Fusion."},
    {"stylesheet", "file", "Style sheet to apply."},
    {"session", "id", "Session to restore."},
    {"dialogs", "kind", "Kind of standard dialogs (Windows only)."},
    {"fontengine", "name", "Font engine to use (Windows only)."},
    {"qmljsdebugger", "settings", "Settings of the QML debugger."},
    {"reverse", nullptr, "Lay the window out from right to left."},
    {"widgetcount", nullptr, "Print how many widgets were made, at exit."},
    {"nograb", nullptr, "Never grab the mouse or keyboard (X11)."},
    {"dograb", nullptr, "Grab the mouse and keyboard even under a debugger (X11)."},
    {"sync", nullptr, "Talk to the X server synchronously, for debugging."},
};

// The parser, with Qt's own options listed in its help or not.
class Parser : public QCommandLineParser {
public:
    explicit Parser(bool listQtOptions)
    {
        setApplicationDescription(
            QStringLiteral("Shows the picture sheet of a mission editor catalogue entry."));
        // Qt's options are single-dash words such as -platform.
        setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        addHelpOption(); // -h, --help and --help-all
        addVersionOption();
        addOption(sheets);
        addOption(addSheets);
        addOption(replace);
        addPositionalArgument(QStringLiteral("PATH"),
                              QStringLiteral("With --add-sheets: a folder or file to add from."),
                              QStringLiteral("[PATH...]"));
        for (const QtOption &o : kQtOptions) {
            QCommandLineOption option(QString::fromLatin1(o.name),
                                      QString::fromLatin1(o.description));
            if (o.value != nullptr)
                option.setValueName(QString::fromLatin1(o.value));
            if (!listQtOptions)
                option.setFlags(QCommandLineOption::HiddenFromHelp);
            addOption(option);
        }
    }

    // Without an application object Qt cannot know the program's name, so it is put in here.
    QString help() const
    {
        return helpText().replace(QStringLiteral("<executable_name>"), qs(kExecutableName));
    }

    const QCommandLineOption sheets{
        QStringLiteral("sheets"),
        QStringLiteral("Also look for picture sheets in <folder>, after the current folder."),
        QStringLiteral("folder")};
    const QCommandLineOption addSheets{
        QStringLiteral("add-sheets"),
        QStringLiteral("Copy the picture sheets that each PATH holds (a folder, or sheet files) "
                       "into your sheet folder, say what was done, and end without a window.")};
    const QCommandLineOption replace{
        QStringLiteral("replace"),
        QStringLiteral("With --add-sheets: replace sheets that are already there and differ; "
                       "the old ones are kept in replaced/ in the sheet folder.")};
};

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

std::string absolute(const std::string &path)
{
    if (path.starts_with('/'))
        return path;
    char *here = ::getcwd(nullptr, 0);
    std::string result = here != nullptr ? std::string(here) + '/' + path : path;
    std::free(here);
    return result;
}

} // namespace

std::optional<CommandLine> parseCommandLine(int argc, const char *const argv[], QTextStream &out,
                                            QTextStream &err, int *exitCode)
{
    // Latin-1 keeps every byte of a folder name that is not UTF-8, and gives it back.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);

    Parser parser(false);
    const QString program = qs(kExecutableName);
    auto stop = [&](QTextStream &stream, const QString &text, int code) {
        stream << text;
        stream.flush();
        *exitCode = code;
        return std::nullopt;
    };
    auto fail = [&](const QString &message) -> std::optional<CommandLine> {
        return stop(err, program + QStringLiteral(": ") + message + "\n\n" + parser.help(), 2);
    };

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help-all")))
        return stop(out, Parser(true).help(), 0);
    if (parser.isSet(QStringLiteral("help")))
        return stop(out, parser.help(), 0);
    if (parser.isSet(QStringLiteral("version")))
        return stop(out, qs(kProductName) + ' ' + qs(kProductVersion) + '\n', 0);
    const QStringList paths = parser.positionalArguments();
    CommandLine result;
    if (parser.isSet(parser.addSheets)) {
        if (paths.isEmpty())
            return fail(QStringLiteral("--add-sheets: name the folders or files to add from"));
        for (const QString &path : paths) {
            result.addSheetsFrom.push_back(path.toLatin1().toStdString());
            if (!exists(result.addSheetsFrom.back()))
                return fail(QStringLiteral("--add-sheets: '%1' does not exist").arg(path));
        }
        result.replace = parser.isSet(parser.replace);
    } else if (parser.isSet(parser.replace)) {
        return fail(QStringLiteral("--replace goes with --add-sheets"));
    } else if (!paths.isEmpty()) {
        return fail(QStringLiteral("unexpected argument '%1'").arg(paths.first()));
    }
    if (parser.isSet(parser.sheets)) {
        const std::string folder = parser.value(parser.sheets).toLatin1().toStdString();
        if (!isFolder(folder))
            return fail(
                QStringLiteral("--sheets: '%1' is not a folder").arg(parser.value(parser.sheets)));
        result.sheetsFolder = absolute(folder);
    }
    *exitCode = 0;
    return result;
}

} // namespace shell
