#include "Startup.h"

#include "ApplicationRecord.h"
#include "CommandLine.h"
#include "Form1.h"
#include "QtText.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace shell {

void applyRuntimeFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
}

QString userSheetFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/sheets");
}

std::vector<std::string> sheetFolders(const QString &sheetsFolder)
{
    QStringList folders{QStringLiteral(".")};
    if (!sheetsFolder.isEmpty())
        folders << sheetsFolder;
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        folders << data + QStringLiteral("/sheets");
    folders << QCoreApplication::applicationDirPath();

    // A folder named twice (the working folder may be the program's) is searched once.
    std::vector<std::string> result;
    QStringList seen;
    for (const QString &folder : folders) {
        const QString canonical = QDir(folder).canonicalPath();
        if (!canonical.isEmpty() && seen.contains(canonical))
            continue;
        if (!canonical.isEmpty())
            seen << canonical;
        result.push_back(folder.toLocal8Bit().toStdString());
    }
    return result;
}

int ThunRTMain(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(qs(kExecutableName));
    QCoreApplication::setApplicationVersion(qs(kProductVersion));

    // Arguments first, so --help and --version work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int exitCode = 0;
    const std::optional<CommandLine> commandLine = parseCommandLine(arguments, out, err, &exitCode);
    if (!commandLine)
        return exitCode;

    QApplication app(argc, argv);
    applyRuntimeFont();
    // No display name: Qt would append it to the window title.
    QGuiApplication::setDesktopFileName(qs(kApplicationId));

    Form1 form(SheetLoader(SheetLocator(sheetFolders(commandLine->sheetsFolder))));
    form.Form_Load();
    if (const QScreen *screen = form.screen()) {
        const QRect available = screen->availableGeometry();
        form.move(available.center() - form.rect().center());
    }
    form.show();
    return app.exec();
}

} // namespace shell
