#include "Startup.h"

#include "ApplicationRecord.h"
#include "CommandLine.h"
#include "Form1.h"
#include "QtText.h"
#include "SheetFolders.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QTextStream>

namespace shell {

void useEightPointFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
}

int runApplication(int argc, char *argv[])
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
    useEightPointFont();
    sheets::installAllocationLimit();
    // No display name: Qt would append it to the window title.
    QGuiApplication::setDesktopFileName(qs(kApplicationId));

    Form1 form(
        sheets::SheetLoader(sheets::SheetLocator(sheets::sheetFolders(commandLine->sheetsFolder))));
    form.Form_Load();
    if (const QScreen *screen = form.screen()) {
        const QRect available = screen->availableGeometry();
        form.move(available.center() - form.rect().center());
    }
    form.show();
    return app.exec();
}

} // namespace shell
