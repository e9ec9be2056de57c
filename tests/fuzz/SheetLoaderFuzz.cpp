// Feeds arbitrary bytes to the decoding helper's side exactly as a choice does: a sheet file
// found by name in a sheet folder and checked by the window, then passed open to be decoded to
// the picture box's size within the program's limits, and the answer sent back.
// With PROPSCOPE_FUZZ_SEEDS=FOLDER it writes the seed corpus there instead, and ends.
#include "SheetFiles.h"

#include "RequestLoop.h"
#include "SheetDecode.h"
#include "SheetLoader.h"
#include "SheetProbe.h"
#include "WindowDescription.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>

namespace {

void writeSeeds(const QString &folder)
{
    using namespace testing_support;
    QByteArray svg("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/"
                   "xlink' width='40' height='30'><rect id='r' width='9' height='9'/><g id='g'>"
                   "<use xlink:href='#r'/><use xlink:href='#r' x='9'/></g><use href='#g' y='9'/>"
                   "</svg>");
    QByteArray scans = flatJpeg(64, 48, true); // then more scans
    for (int i = 0; i < 3; ++i)
        scans += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00\x00\x00", 12);
    const std::pair<const char *, QByteArray> seeds[] = {
        {"png", encoded(Qt::red, "png")},
        {"jpeg", encoded(Qt::green, "jpeg")},
        {"bmp", encoded(Qt::blue, "bmp")},
        {"tiff", encoded(Qt::cyan, "tiff")},
        {"webp", encoded(Qt::magenta, "webp")},
        {"ico", encoded(Qt::yellow, "ico")},
        {"ppm", encoded(Qt::gray, "ppm")},
        {"xpm", encoded(Qt::black, "xpm")},
        {"flat", flatJpeg(64, 48)},
        {"progressive", flatJpeg(64, 48, true)},
        {"scans", scans + "\xFF\xD9"},
        {"bmp-header", bmpHeaderOnly(4000, 3000)},
        {"svg", svg},
    };
    for (const auto &[name, bytes] : seeds)
        writeBytes(folder + "/" + name, bytes);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    sheets::installAllocationLimit();
    if (qEnvironmentVariableIsSet("PROPSCOPE_FUZZ_SEEDS")) {
        writeSeeds(qEnvironmentVariable("PROPSCOPE_FUZZ_SEEDS"));
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir folder;
    static const sheets::SheetLocator locator({folder.path().toStdString()});
    static const auto socket = [] {
        int pair[2] = {-1, -1};
        ::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair);
        return std::pair{sheets::FileDescriptor(pair[0]), sheets::FileDescriptor(pair[1])};
    }();
    static const sheets::FileDescriptor pixels(::memfd_create("pixels", MFD_CLOEXEC));
    testing_support::writeBytes(folder.filePath("ghost.qpk"),
                                QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const sheets::OpenedSheet opened = locator.open("ghost.qpk");
    const sheets::SheetFile file{sheets::FileDescriptor(::dup(opened.file.get()))};
    if (!sheets::SheetProbe::earlyRefusal(file).isShown())
        return 0;
    const sheets::WireRequest request =
        sheets::toWire(sheets::DecodeRequest::box(QSize(shell::kPictureBox.pixelWidth(),
                                                        shell::kPictureBox.pixelHeight())),
                       1);
    sheets::sendAnswer(
        socket.first.get(), pixels.get(),
        sheets::answerRequest(sheets::FileDescriptor(::dup(opened.file.get())), request));
    sheets::WireReply reply;
    sheets::receiveMessage(socket.second.get(), &reply, sizeof reply);
    return 0;
}
