#include "CraftedFiles.h"
#include "WindowFixture.h"

#include "CatalogueList.h"
#include "Form1.h"
#include "PictureBox.h"
#include "Selection.h"
#include "SheetFormat.h"
#include "SheetLoader.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sheets;
using namespace testing_support;

namespace {

const QSize kBox(393, 305);

// Noisy content, so that encoded files have realistic size and truncating them hurts.
QImage noise(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] =
                qRgb((x * 255) / size.width(), (y * 255) / size.height(), int(random.bounded(256)));
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// An uncompressed 24-bit TGA, whose only signature is at its end; Qt cannot write it.
QByteArray solidTga(QSize size, QColor colour)
{
    QByteArray tga(18, '\0');
    tga[2] = 2; // true colour
    tga[12] = char(size.width() & 0xFF);
    tga[13] = char(size.width() >> 8);
    tga[14] = char(size.height() & 0xFF);
    tga[15] = char(size.height() >> 8);
    tga[16] = 24;
    tga[17] = 0x20; // rows from the top
    for (int i = 0; i < size.width() * size.height(); ++i)
        tga.append(char(colour.blue())).append(char(colour.green())).append(char(colour.red()));
    return tga + QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.\0", 18);
}

// A two-frame GIF: a red pixel, then a blue one.
QByteArray animatedGif()
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    gif += QByteArray("\xFF\x00\x00\x00\x00\xFF", 6); // palette: red, blue
    const QByteArray control("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
    const QByteArray descriptor("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    gif += control + descriptor + QByteArray("\x02\x02\x44\x01\x00", 5); // index 0
    gif += control + descriptor + QByteArray("\x02\x02\x4C\x01\x00", 5); // index 1
    gif += ';';
    return gif;
}

class SheetLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    DecodedSheet load(const QString &name, QSize size = kBox)
    {
        QElapsedTimer timer;
        timer.start();
        DecodedSheet result = loader.load(name.toStdString(), size);
        lastMs = timer.elapsed();
        return result;
    }

    QColor centre(const DecodedSheet &s) const
    {
        return s.image.pixelColor(s.image.width() / 2, s.image.height() / 2);
    }

    QTemporaryDir dir;
    SheetLoader loader{SheetLocator(folderList({dir.path()}))};
    qint64 lastMs = 0;
};

} // namespace

TEST_F(SheetLoaderTest, EveryFormatIsReadFromItsContentAndFillsTheBox)
{
    struct Case {
        const char *format;
        QColor colour;
    };
    const Case cases[] = {{"png", Qt::red},       {"jpeg", Qt::green},  {"bmp", Qt::blue},
                          {"tiff", Qt::cyan},     {"webp", Qt::yellow}, {"ppm", Qt::magenta},
                          {"ico", Qt::darkGreen}, {"tga", Qt::darkRed}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format);
        ASSERT_TRUE(std::string_view(c.format) == "tga"
                        ? writeBytes(path("sheet.qpk"), solidTga(QSize(48, 32), c.colour))
                        : writeSheet(dir.path(), "sheet.qpk", c.colour, c.format, QSize(48, 32)));
        const DecodedSheet s = load("sheet.qpk");
        ASSERT_FALSE(s.image.isNull()) << s.reason.toStdString();
        EXPECT_EQ(s.image.size(), kBox); // enlarged to fill the box
        EXPECT_TRUE(near(centre(s), c.colour, 12)) << centre(s).name().toStdString();
    }
}

TEST_F(SheetLoaderTest, AnimatedSheetShowsItsFirstFrame)
{
    ASSERT_TRUE(writeBytes(path("anim.qpk"), animatedGif()));
    const DecodedSheet s = load("anim.qpk");
    ASSERT_FALSE(s.image.isNull()) << s.reason.toStdString();
    EXPECT_TRUE(near(centre(s), Qt::red));
}

TEST_F(SheetLoaderTest, DecodesStraightToTheRequestedDevicePixels)
{
    const QSize sizes[] = {{10, 10}, {393, 305}, {1600, 1200}, {3000, 100}};
    for (QSize source : sizes) {
        for (const char *format : {"png", "jpeg"}) {
            for (QSize target : {kBox, kBox * 2}) {
                SCOPED_TRACE(QStringLiteral("%1x%2 %3 to %4x%5")
                                 .arg(source.width())
                                 .arg(source.height())
                                 .arg(format)
                                 .arg(target.width())
                                 .arg(target.height())
                                 .toStdString());
                ASSERT_TRUE(writeBytes(path("s.qpk"), encoded(noise(source, 7), format)));
                const DecodedSheet s = load("s.qpk", target);
                ASSERT_FALSE(s.image.isNull()) << s.reason.toStdString();
                EXPECT_EQ(s.image.size(), target);
            }
        }
    }
}

TEST_F(SheetLoaderTest, LargePicturesWithinTheLimitShow)
{
    ASSERT_TRUE(writeBytes(path("big.qpk"), blackPng(8000, 6000)));
    DecodedSheet s = load("big.qpk");
    ASSERT_FALSE(s.image.isNull()) << s.reason.toStdString();
    EXPECT_TRUE(near(centre(s), Qt::black));

    // 300 megapixels: a full decode would be refused, but JPEG decodes at 1/8 of the size.
    ASSERT_TRUE(writeBytes(path("huge.qpk"), greyJpeg(20000, 15000)));
    s = load("huge.qpk");
    ASSERT_FALSE(s.image.isNull()) << s.reason.toStdString();
    EXPECT_EQ(s.image.size(), kBox);
    EXPECT_TRUE(near(centre(s), QColor(128, 128, 128)));
}

// Every bad file ends in one of the two reports, quickly, and the next sheet still loads.
TEST_F(SheetLoaderTest, BadFilesAreReportedAndHarmless)
{
    enum class Expect { Missing, Unreadable, ShownOrUnreadable };
    const QByteArray jpeg = encoded(noise({800, 600}, 1), "jpeg");
    const QByteArray png = encoded(noise({800, 600}, 2), "png");
    QByteArray random(64 * 1024, Qt::Uninitialized);
    QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
    struct Case {
        const char *what;
        std::function<bool(const QString &)> make;
        Expect expect;
        qint64 withinMs;
    };
    const Case cases[] = {
        {"zero-byte file", [](auto p) { return writeBytes(p, {}); }, Expect::Unreadable, 1000},
        {"truncated JPEG", [&](auto p) { return writeBytes(p, jpeg.left(jpeg.size() / 2)); },
         Expect::ShownOrUnreadable, 1000},
        {"truncated PNG", [&](auto p) { return writeBytes(p, png.left(png.size() / 2)); },
         Expect::ShownOrUnreadable, 1000},
        {"JPEG that stops after its header", [&](auto p) { return writeBytes(p, jpeg.left(700)); },
         Expect::ShownOrUnreadable, 1000},
        {"random bytes", [&](auto p) { return writeBytes(p, random); }, Expect::Unreadable, 1000},
        {"text file", [](auto p) { return writeBytes(p, "Ghost Town Saloon\n"); },
         Expect::Unreadable, 1000},
        {"PNG with a damaged checksum",
         [&](auto p) {
             QByteArray damaged = png;
             damaged[png.size() / 3] = char(damaged[png.size() / 3] ^ 0x5A);
             return writeBytes(p, damaged);
         },
         Expect::ShownOrUnreadable, 1000},
        {"directory", [](auto p) { return QDir().mkdir(p); }, Expect::Unreadable, 1000},
        {"FIFO", [](auto p) { return ::mkfifo(QFile::encodeName(p), 0644) == 0; },
         Expect::Unreadable, 1000},
        {"dangling symlink", [&](auto p) { return QFile::link(path("nowhere"), p); },
         Expect::Missing, 1000},
        {"symlink loop",
         [&](auto p) { return QFile::link(path("loop"), p) && QFile::link(p, path("loop")); },
         Expect::Unreadable, 1000},
        {"PNG header declaring 100000 x 100000",
         [](auto p) { return writeBytes(p, pngHeaderOnly(100000, 100000)); }, Expect::Unreadable,
         1000},
        // Every row would be decoded for a scaled read: about 20 seconds.
        {"valid PNG of 50000 x 50000", [](auto p) { return writeBytes(p, blackPng(50000, 50000)); },
         Expect::Unreadable, 1000},
        {"progressive JPEG of 20000 x 15000",
         [](auto p) { return writeBytes(p, progressiveJpegHeader(20000, 15000)); },
         Expect::Unreadable, 1000},
    };
    ASSERT_TRUE(writeSheet(dir.path(), "good.qpk", Qt::blue));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString name = QStringLiteral("bad.qpk");
        ASSERT_TRUE(c.make(path(name)));
        const DecodedSheet s = load(name);
        EXPECT_LT(lastMs, c.withinMs);
        switch (c.expect) {
        case Expect::Missing:
            EXPECT_EQ(s.error, SheetError::Missing);
            EXPECT_TRUE(s.image.isNull());
            break;
        case Expect::Unreadable:
            EXPECT_TRUE(s.image.isNull());
            EXPECT_NE(s.error, SheetError::None);
            EXPECT_NE(s.error, SheetError::Missing);
            break;
        case Expect::ShownOrUnreadable:
            EXPECT_TRUE(s.image.isNull()
                            ? s.error != SheetError::None && s.error != SheetError::Missing
                            : s.image.size() == kBox);
            break;
        }
        EXPECT_FALSE(!s.image.isNull() && s.error != SheetError::None);
        std::printf("  %-38s %-8s %lld ms\n", c.what, s.image.isNull() ? "refused" : "shown",
                    static_cast<long long>(lastMs));

        EXPECT_FALSE(load("good.qpk").image.isNull()) << "the next sheet must still load";
        QFile::remove(path("loop"));
        if (!QFile::remove(path(name)))
            QDir().rmdir(path(name));
    }
}

TEST_F(SheetLoaderTest, UnreadableFileIsReportedAsSuch)
{
    ASSERT_TRUE(writeSheet(dir.path(), "spy.qpk", Qt::red));
    ASSERT_EQ(::chmod(QFile::encodeName(path("spy.qpk")), 0), 0);
    if (::geteuid() != 0) {
        const DecodedSheet s = load("spy.qpk");
        EXPECT_TRUE(s.image.isNull());
        EXPECT_EQ(s.error, SheetError::NoPermission);
        return;
    }
    // Root reads anything: try it as an unprivileged user, in a child process.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()), 0755), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        const DecodedSheet s = loader.load("spy.qpk", kBox);
        ::_exit(!s.image.isNull() ? 1 : s.error == SheetError::NoPermission ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: read anyway, 2: other error, 3: no setuid";
}

TEST_F(SheetLoaderTest, EveryLoadReadsTheFileAsItIsNow)
{
    ASSERT_TRUE(writeSheet(dir.path(), "ghost.qpk", Qt::red));
    EXPECT_TRUE(near(centre(load("ghost.qpk")), Qt::red));
    ASSERT_TRUE(writeSheet(dir.path(), "ghost.qpk", Qt::blue, "jpeg"));
    EXPECT_TRUE(near(centre(load("ghost.qpk")), Qt::blue));
    ASSERT_TRUE(QFile::resize(path("ghost.qpk"), 0));
    EXPECT_EQ(load("ghost.qpk").error, SheetError::NotAPicture);
    ASSERT_TRUE(QFile::remove(path("ghost.qpk")));
    EXPECT_EQ(load("ghost.qpk").error, SheetError::Missing);
}

TEST(ImageFormat, IsTakenFromTheFirstBytes)
{
    struct Case {
        QByteArray head;
        const char *format;
    };
    const Case cases[] = {
        {QByteArray("\xFF\xD8\xFF\xE0", 4), "jpeg"},
        {QByteArray("\x89PNG\r\n\x1A\n", 8), "png"},
        {"GIF89a", "gif"},
        {"GIF87a", "gif"},
        {QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16), "webp"},
        {QByteArray("II*\0", 4), "tiff"},
        {QByteArray("MM\0*", 4), "tiff"},
        {"BM\x36\x00", "bmp"},
        {QByteArray("\0\0\1\0\1\0", 6), "ico"},
        {"P6\n12 4\n", "ppm"},
        {"P5 1 1", "pgm"},
        {"P4\t", "pbm"},
        {"P7\n", ""},
        {QByteArray("RIFF\x10\0\0\0WAVE", 12), ""},
        {"hello", ""},
        {QByteArray("\0\0\2\0", 4), ""}, // a TGA's start is no signature
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(imageFormatOf(c.head), QByteArray(c.format)) << c.head.toHex().toStdString();
    EXPECT_EQ(imageFormatOf(QByteArray(2, '\0'), QByteArray("TRUEVISION-XFILE.\0", 18)), "tga");
    EXPECT_EQ(imageFormatOf(QByteArray(2, '\0'), QByteArray("TRUEVISION-XFILE..", 18)), "");
}

// In the window: a bad sheet leaves the picture as it was and reports once.
using BadSheetInTheWindow = WindowFixture;

TEST_F(BadSheetInTheWindow, KeepsThePictureAndReportsOnce)
{
    ASSERT_TRUE(writeSheet(sheets.path(), "beruit.qpk", Qt::green));
    ASSERT_TRUE(writeBytes(sheets.filePath("beruit2.qpk"), "not a picture"));
    form->chooseEntry(1, 4);
    const qint64 shown = form->image()->picture().cacheKey();
    form->chooseEntry(1, 7);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt.toStdString(), preview::kUnreadablePictureMessage);
    EXPECT_EQ(form->image()->picture().cacheKey(), shown);
    EXPECT_EQ(form->image()->sheetName(), "beruit.qpk");
    EXPECT_EQ(list(1)->currentText(), "Beruit Building 4"); // the choice itself stands
}
