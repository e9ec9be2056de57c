// The decoding helper: started by the window with its socket as descriptor 3, it loads every
// image reader, locks itself down and then answers requests, one at a time, until the window
// closes the socket.
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

#include <sys/socket.h>
#include <sys/stat.h>

namespace {

constexpr int kSocket = 3;
constexpr int kPixels = 4; // the window's buffer for the pixels of each answer

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

} // namespace

int main(int argc, char *argv[])
{
    struct stat socket {
    }, pixels{};
    if (::fstat(kSocket, &socket) != 0 || !S_ISSOCK(socket.st_mode) ||
        ::fstat(kPixels, &pixels) != 0 || !S_ISREG(pixels.st_mode)) {
        std::fputs("tesselbox-decoder: started by tesselbox only\n", stderr);
        return 2;
    }
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
    sheets::ProcessorBudget budget;
    QString failure = sheets::lockDown(std::max(memoryMiB, 1LL) << 20);
    if (failure.isEmpty() && !budget.isValid())
        failure = QStringLiteral("no processor-time timer");
    sheets::WireHello hello;
    hello.sandboxed = failure.isEmpty();
    sheets::sendMessage(kSocket, &hello, sizeof hello);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "tesselbox-decoder: %s\n", qPrintable(failure));
        return 1;
    }
    for (;;) {
        sheets::WireRequest request;
        sheets::FileDescriptor sheet;
        if (!sheets::receiveMessage(kSocket, &request, sizeof request, &sheet))
            return 0;
        if (request.kind == sheets::WireKind::Abort)
            std::abort();
        budget.arm();
        sheets::DecoderAnswer answer;
        try {
            answer = sheets::answerRequest(std::move(sheet), request);
        } catch (const std::bad_alloc &) {
            answer.reply.error = int(sheets::SheetError::TooLarge);
        }
        budget.disarm();
        if (!sheets::sendAnswer(kSocket, kPixels, answer) || sheets::ProcessorBudget::nearlySpent())
            return 0;
    }
}
