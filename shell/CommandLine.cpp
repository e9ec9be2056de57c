#include "CommandLine.h"

#include "ApplicationRecord.h"
#include "QtText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace shell {

namespace {

// The options QApplication takes for itself, with whether each takes a value. They are parsed
// here only so that they are not called unknown; QApplication acts on them.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"geometry", true},
    {"title", true},           {"name", true},
    {"display", true},         {"style", true},
    {"stylesheet", true},      {"session", true},
    {"dialogs", true},         {"fontengine", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

} // namespace

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QTextStream &out,
                                            QTextStream &err, int *exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the picture sheet of a mission editor catalogue entry."));
    // Qt's options are single-dash words such as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption sheets(
        QStringLiteral("sheets"),
        QStringLiteral("Also look for picture sheets in <folder>, after the current folder."),
        QStringLiteral("folder"));
    parser.addOption(sheets);
    for (const QtOption &o : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name));
        if (o.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = qs(kExecutableName);
    auto fail = [&](const QString &message) -> std::optional<CommandLine> {
        err << program << ": " << message << "\n\n" << parser.helpText();
        err.flush();
        *exitCode = 2;
        return std::nullopt;
    };

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        out.flush();
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(version)) {
        out << qs(kProductName) << ' ' << qs(kProductVersion) << '\n';
        out.flush();
        *exitCode = 0;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    CommandLine result;
    if (parser.isSet(sheets)) {
        const QString folder = parser.value(sheets);
        if (!QFileInfo(folder).isDir())
            return fail(QStringLiteral("--sheets: '%1' is not a folder").arg(folder));
        result.sheetsFolder = QFile::encodeName(QDir(folder).absolutePath()).toStdString();
    }
    *exitCode = 0;
    return result;
}

} // namespace shell
