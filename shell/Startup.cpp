#include "Startup.h"

#include "AddSheetsCommand.h"
#include "ApplicationRecord.h"
#include "CommandLine.h"
#include "Form1.h"
#include "QtText.h"
#include "SheetFolders.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

#include <malloc.h>

namespace shell {

void useEightPointFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
}

namespace {

// While the application starts: Qt ends the process with abort(), and a core dump, when no
// platform can be had. Its own words about the platform are left out; the user gets one line.
void endIfNoDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "%.*s: cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?\n",
                     int(kExecutableName.size()), kExecutableName.data());
        std::_Exit(1);
    }
    if (QByteArrayView(context.category).startsWith("qt.qpa"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int runApplication(int argc, char *argv[])
{
    // Pictures come and go in buffers of megabytes. Past a fixed size, each has pages of its
    // own that go back to the system when it is freed; glibc would otherwise raise that size
    // after the first large free and keep later pictures' memory in the heap for good.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QCoreApplication::setApplicationName(qs(kExecutableName));
    QCoreApplication::setApplicationVersion(qs(kProductVersion));

    // Arguments first, so --help and --version work without a display.
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Latin1);
    err.setEncoding(QStringConverter::Latin1);
    int exitCode = 0;
    const std::optional<CommandLine> commandLine =
        parseCommandLine(argc, argv, out, err, &exitCode);
    if (!commandLine)
        return exitCode;
    if (!commandLine->addSheetsFrom.empty())
        return addSheetsCommand(*commandLine, argc, argv);

    qInstallMessageHandler(endIfNoDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    useEightPointFont();
    sheets::installAllocationLimit();
    // No display name: Qt would append it to the window title.
    QGuiApplication::setDesktopFileName(qs(kApplicationId));

    Form1 form(sheets::sheetPlaces(commandLine->sheetsFolder));
    form.Form_Load();
    if (const QScreen *screen = form.screen()) {
        const QRect available = screen->availableGeometry();
        form.move(available.center() - form.rect().center());
    }
    form.show();
    return app.exec();
}

} // namespace shell
