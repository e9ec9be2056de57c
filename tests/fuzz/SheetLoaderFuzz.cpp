// Feeds arbitrary bytes to the sheet loader exactly as a choice does: a file found by name in a
// sheet folder, decoded to the picture box's size within the program's limits.
// With PROPSCOPE_FUZZ_SEEDS=FOLDER it writes the seed corpus there instead, and ends.
#include "SheetFiles.h"

#include "SheetLoader.h"
#include "WindowDescription.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>

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
    static const sheets::SheetLoader loader(sheets::SheetLocator({folder.path().toStdString()}));
    testing_support::writeBytes(folder.filePath("ghost.qpk"),
                                QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    loader.load("ghost.qpk",
                sheets::SheetRequest::stretchedTo(
                    QSize(shell::kPictureBox.pixelWidth(), shell::kPictureBox.pixelHeight())));
    return 0;
}
