// The decoding helper: started by the window with its socket and pixel buffer as descriptors 3
// and 4, it loads every image reader, locks itself down and then answers requests, one at a
// time, until the window closes the socket.
#include "RequestLoop.h"
#include "Sandbox.h"
#include "SheetDecode.h"
#include "SheetLimits.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Everything a reader may load later, loaded now, while files can still be opened: every image
// plugin, and the fonts an SVG's text is drawn with.
void loadEverything()
{
    // Readers asked about nothing complain about it; that is not worth saying.
    const QtMessageHandler said =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        QBuffer empty;
        QImageReader reader(&empty, format);
        reader.canRead();
    }
    QImage canvas(64, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    painter.drawText(canvas.rect(), QStringLiteral("Ag"));
    qInstallMessageHandler(said);
}

bool isOpenAs(int fd, mode_t type)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 && (st.st_mode & S_IFMT) == type;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!isOpenAs(sheets::kHelperSocket, S_IFSOCK) || !isOpenAs(sheets::kHelperPixels, S_IFREG)) {
        std::fprintf(stderr, "%s: started by tesselbox only\n", argv[0]);
        return 2;
    }
    // Nothing of the window's but the socket and the buffer, whatever the window was given.
    ::close_range(sheets::kHelperPixels + 1, ~0U, 0);
    // Not PR_SET_PDEATHSIG: it follows the thread that started the helper, which may end long
    // before the window does. The helper ends when its socket closes instead.
    // An allocation that fails where nothing can refuse it ends the helper, as too large.
    std::set_terminate([] {
        try {
            if (std::current_exception())
                std::rethrow_exception(std::current_exception());
        } catch (const std::bad_alloc &) {
            std::_Exit(sheets::kHelperOutOfMemoryStatus);
        } catch (...) {
        }
        std::abort();
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_NO_GLIB", "1"); // fewer libraries, and no more system calls, in a helper thread
    QGuiApplication application(argc, argv);
    // The window may ask for a tighter memory bound than the usual.
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype memory = arguments.indexOf(QStringLiteral("--memory-mib"));
    const long long memoryMiB = memory > 0 && memory + 1 < arguments.size()
                                    ? arguments.at(memory + 1).toLongLong()
                                    : sheets::kHelperMemoryMiB;
    sheets::installAllocationLimit();
    loadEverything();
    const QString failure = sheets::lockDown(std::max(memoryMiB, 1LL) << 20);
    sheets::WireHello hello;
    hello.sandboxed = failure.isEmpty();
    hello.reasonBytes = sheets::putText(failure, hello.reason, sizeof hello.reason);
    sheets::sendMessage(sheets::kHelperSocket, &hello, sizeof hello);
    if (!failure.isEmpty())
        return 1;
    sheets::serveRequests(sheets::kHelperSocket, sheets::kHelperPixels);
    return 0;
}
