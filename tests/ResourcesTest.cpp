#include "QtPrinters.h"

#include "JpegFrame.h"
#include "WindowDescription.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kResources = QStringLiteral(PROPSCOPE_RESOURCES_DIR);

sheets::JpegFrame frameOf(const QString &path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    const sheets::JpegFrame frame = sheets::readJpegFrame(fd);
    ::close(fd);
    return frame;
}

double channel(int c)
{
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double luminance(QRgb p)
{
    return 0.2126 * channel(qRed(p)) + 0.7152 * channel(qGreen(p)) + 0.0722 * channel(qBlue(p));
}

} // namespace

TEST(Artwork, IsABaselineJfifAsLargeAsTheWindow)
{
    const QString path = kResources + "/background.jpg";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(11);
    EXPECT_EQ(head.left(4), QByteArray("\xFF\xD8\xFF\xE0", 4));
    EXPECT_EQ(head.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_GT(file.size(), 50 * 1024);
    EXPECT_LT(file.size(), 70 * 1024);

    const sheets::JpegFrame frame = frameOf(path);
    ASSERT_TRUE(frame.valid);
    EXPECT_EQ(frame.startOfFrame, 0xC0);
    EXPECT_EQ(frame.precision, 8);
    EXPECT_EQ(frame.components, 3);
    EXPECT_EQ(frame.width, 652);
    EXPECT_EQ(frame.height, 445);
}

TEST(Artwork, BlackCaptionsAreEasyToReadOnIt)
{
    const QImage art(kResources + "/background.jpg");
    ASSERT_FALSE(art.isNull());
    for (const shell::ControlDescription &c : shell::kControls) {
        if (c.kind != shell::ControlKind::Label)
            continue;
        SCOPED_TRACE(std::string(c.name));
        const QRect r(c.pixelLeft(), c.pixelTop(), c.pixelWidth(), c.pixelHeight());
        double darkest = 1.0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                darkest = std::min(darkest, luminance(art.pixel(x, y)));
        EXPECT_GE((darkest + 0.05) / 0.05, 4.5) << "contrast against black text";
    }
}

TEST(Artwork, DoubleSizeVersionShowsTheSamePicture)
{
    const QImage art(kResources + "/background.jpg");
    const QImage dense(kResources + "/background@2x.jpg");
    ASSERT_EQ(dense.size(), QSize(1304, 890));
    const QImage halved = dense.scaled(art.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            total += std::abs(qGray(art.pixel(x, y)) - qGray(halved.pixel(x, y)));
    EXPECT_LT(total / (art.width() * art.height()), 4.0);
}

TEST(Icon, IsOne32PixelImageIn256ColoursWithAMask)
{
    const QString path = kResources + "/tesselbox.ico";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    ASSERT_EQ(ico.size(), 2238);
    auto u16 = [&](int at) { return quint8(ico[at]) | (quint8(ico[at + 1]) << 8); };
    EXPECT_EQ(u16(2), 1);          // an icon
    EXPECT_EQ(u16(4), 1);          // holding one image
    EXPECT_EQ(quint8(ico[6]), 32); // 32 wide
    EXPECT_EQ(quint8(ico[7]), 32); // 32 high
    EXPECT_EQ(u16(22 + 14), 8);    // 8 bits per pixel, so a palette of 256
    const int maskStart = 22 + 40 + 1024 + 1024;
    EXPECT_EQ(ico.size() - maskStart, 32 * 4); // one bit per pixel

    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // the mask cuts the corners away
    EXPECT_EQ(qAlpha(image.pixel(16, 14)), 255);
}
