#include "Startup.h"

#include "AddSheetsCommand.h"
#include "ApplicationRecord.h"
#include "CommandLine.h"
#include "Form1.h"
#include "QtText.h"
#include "SheetDecode.h"
#include "SheetFolders.h"
#include "Translations.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QScreen>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <malloc.h>

namespace shell {

using sheets::qs;

void useEightPointFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
}

namespace {

// While the application starts: Qt ends the process with abort(), and a core dump, when no
// platform can be had. Its own words about the platform are left out; the user gets one line,
// which names the missing Wayland platform where that is the cause.
void endIfNoDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const QString program = qs(kExecutableName);
        const bool noWayland =
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
                .entryList({QStringLiteral("libqwayland*")})
                .isEmpty();
        // No application yet to install the words in: they are looked up here.
        const Translations words;
        const QString line =
            program + QStringLiteral(": ") +
            (noWayland ? words.text("shell::Startup",
                                    QT_TRANSLATE_NOOP("shell::Startup",
                                                      "cannot show a window on this Wayland "
                                                      "desktop: Qt's Wayland platform is not "
                                                      "installed (Debian package qt6-wayland), "
                                                      "and no X display (DISPLAY) is set"))
                       : words.text("shell::Startup",
                                    QT_TRANSLATE_NOOP("shell::Startup",
                                                      "cannot connect to a display; is DISPLAY "
                                                      "or WAYLAND_DISPLAY set?")));
        std::fputs((line.toUtf8() + '\n').constData(), stderr);
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
    // Qt names the program in its help by the first argument, as it was typed.
    static std::string name(kExecutableName);
    argv[0] = name.data();
    QString unsaid;
    QTextStream quiet(&unsaid);
    ParsedCommandLine parsed = parseCommandLine(argc, argv, quiet, quiet, false);
    if (!parsed.commandLine && !parsed.leftToQt && !parsed.helpAll) {
        // The help or a mistake, said in the user's language, Qt's words too: an application
        // without a display is enough for that, and only this road pays for it.
        QCoreApplication words(argc, argv);
        Translations translations;
        translations.install();
        return parseCommandLine(argc, argv, out, err, false).exitCode;
    }
    if (parsed.windowless) // pictures are only looked at: no display needed
        qputenv("QT_QPA_PLATFORM", "offscreen");

    qInstallMessageHandler(endIfNoDisplay);
    QApplication app(argc, argv); // takes Qt's own options out of the arguments
    qInstallMessageHandler(nullptr);
    Translations translations;
    translations.install();
    if (parsed.leftToQt)
        parsed = parseCommandLine(argc, argv, out, err, true);
    if (parsed.helpAll)
        showHelpAll(argc, argv);
    if (!parsed.commandLine)
        return parsed.exitCode;
    sheets::installAllocationLimit();
    if (!parsed.commandLine->addSheetsFrom.empty())
        return addSheetsCommand(*parsed.commandLine);
    useEightPointFont();
    // No display name: Qt would append it to the window title.
    QGuiApplication::setDesktopFileName(qs(kApplicationId));

    Form1 form(sheets::sheetPlaces(parsed.commandLine->sheetsFolder), nullptr, decodeService());
    // For measuring what decoding ahead is worth, and for machines short of memory.
    form.setPreloading(qEnvironmentVariable("TESSELBOX_PRELOAD") != QLatin1String("0"));
    form.Form_Load();
    if (const QScreen *screen = form.screen()) {
        const QRect available = screen->availableGeometry();
        form.move(available.center() - form.rect().center());
    }
    form.show();
    return app.exec();
}

std::shared_ptr<sheets::DecodeService> decodeService()
{
    sheets::DecodeServiceOptions options;
    options.helper.program = decoderProgram();
    options.backgroundHelpers = QThread::idealThreadCount();
    return std::make_shared<sheets::DecodeService>(std::move(options));
}

std::string decoderProgram()
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString installed = folder + QStringLiteral("/../libexec/tesselbox/tesselbox-decoder");
    const QString built = folder + QStringLiteral("/tesselbox-decoder");
    const QString program = QFileInfo(installed).isExecutable() || !QFileInfo(built).isExecutable()
                                ? QDir::cleanPath(installed)
                                : built;
    return QFile::encodeName(program).toStdString();
}

} // namespace shell
