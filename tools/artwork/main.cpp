// Draws the window's background artwork and the program icon, and writes them in the forms the
// program ships: the artwork as baseline JPEG at 1x and 2x, the icon as a 256-colour .ico with a
// 1-bit mask plus PNGs for the icon theme.
#include "WindowDescription.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kArtWidth = 652;
constexpr int kArtHeight = 445;

// A smooth height field for the map's contour lines.
double terrain(double x, double y)
{
    struct Hill {
        double x, y, r, h;
    };
    const Hill hills[] = {{150, 110, 140, 1.0}, {480, 90, 110, 0.8},  {560, 330, 160, 1.2},
                          {260, 380, 120, 0.6}, {360, 210, 90, -0.5}, {70, 330, 100, 0.7}};
    double z = 0.15 * std::sin(x / 53.0) * std::cos(y / 41.0);
    for (const Hill &h : hills) {
        const double d2 = (x - h.x) * (x - h.x) + (y - h.y) * (y - h.y);
        z += h.h * std::exp(-d2 / (2 * h.r * h.r));
    }
    return z;
}

// The artwork at `scale` times its size; every shape is drawn anew, so 2x is as sharp as 1x.
QImage drawArtwork(int scale)
{
    QImage image(kArtWidth * scale, kArtHeight * scale, QImage::Format_RGB32);
    const QColor paper(238, 231, 210);
    const QColor contour(206, 193, 156);
    const QColor index(190, 174, 132);
    for (int py = 0; py < image.height(); ++py) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = 0; px < image.width(); ++px) {
            const double x = (px + 0.5) / scale;
            const double y = (py + 0.5) / scale;
            const double z = terrain(x, y) * 12.0;
            // Distance to the nearest contour, in pixels, from the local slope.
            const double dx = (terrain(x + 0.5, y) - terrain(x - 0.5, y)) * 12.0;
            const double dy = (terrain(x, y + 0.5) - terrain(x, y - 0.5)) * 12.0;
            const double slope = std::max(std::hypot(dx, dy), 1e-6);
            const double frac = z - std::floor(z);
            const double dist = std::min(frac, 1.0 - frac) / slope;
            const bool indexLine = (int(std::floor(z + 0.5)) % 5) == 0;
            const double width = indexLine ? 0.9 : 0.55;
            const double t = std::clamp(1.0 - (dist - width) * scale, 0.0, 1.0);
            const QColor line = indexLine ? index : contour;
            // A faint wash that darkens a little towards the bottom-right.
            const double wash = 1.0 - 0.05 * (x / kArtWidth + y / kArtHeight) / 2.0;
            auto mix = [&](int a, int b) { return int(std::lround((a * (1 - t) + b * t) * wash)); };
            row[px] = qRgb(mix(paper.red(), line.red()), mix(paper.green(), line.green()),
                           mix(paper.blue(), line.blue()));
        }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    // Map grid.
    p.setPen(QPen(QColor(150, 168, 176, 90), 1.0));
    for (int x = 40; x < kArtWidth; x += 80)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, kArtHeight));
    for (int y = 20; y < kArtHeight; y += 80)
        p.drawLine(QPointF(0, y + 0.5), QPointF(kArtWidth, y + 0.5));

    // Header band along the top edge.
    QLinearGradient band(0, 0, 0, 30);
    band.setColorAt(0, QColor(121, 132, 96));
    band.setColorAt(1, QColor(158, 166, 124));
    p.fillRect(QRectF(0, 0, kArtWidth, 30), band);
    p.setPen(QPen(QColor(96, 104, 74), 1.0));
    p.drawLine(QPointF(0, 30.5), QPointF(kArtWidth, 30.5));
    p.setPen(QPen(QColor(190, 196, 160, 120), 2.0));
    for (int x = -30; x < kArtWidth; x += 14)
        p.drawLine(QPointF(x, 30), QPointF(x + 30, 0));

    // A mat and frame around where the picture box stands.
    const QRectF box(shell::kPictureBox.pixelLeft(), shell::kPictureBox.pixelTop(),
                     shell::kPictureBox.pixelWidth(), shell::kPictureBox.pixelHeight());
    p.fillRect(box.adjusted(-6, -6, 6, 6), QColor(60, 58, 44, 40));
    p.fillRect(box, QColor(226, 219, 196));
    p.setPen(QPen(QColor(110, 102, 76), 1.0));
    p.drawRect(box.adjusted(-3.5, -3.5, 3.5, 3.5));
    p.setPen(QPen(QColor(110, 102, 76, 120), 1.0));
    p.drawRect(box.adjusted(-6.5, -6.5, 6.5, 6.5));
    // Crosshair in the empty box: the program's "scope".
    const QPointF c = box.center();
    p.setPen(QPen(QColor(168, 156, 120), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 60, 60);
    p.drawEllipse(c, 20, 20);
    p.drawLine(QPointF(c.x() - 90, c.y()), QPointF(c.x() - 26, c.y()));
    p.drawLine(QPointF(c.x() + 26, c.y()), QPointF(c.x() + 90, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 90), QPointF(c.x(), c.y() - 26));
    p.drawLine(QPointF(c.x(), c.y() + 26), QPointF(c.x(), c.y() + 90));

    // Compass rose below the picture box.
    const QPointF rose(300, 398);
    p.setPen(QPen(QColor(96, 88, 64), 1.0));
    p.setBrush(QColor(245, 240, 224));
    p.drawEllipse(rose, 26, 26);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const double r = i % 2 ? 14 : 24;
        QPainterPath point;
        point.moveTo(rose);
        point.lineTo(rose + QPointF(std::cos(a - 0.25) * 6, std::sin(a - 0.25) * 6));
        point.lineTo(rose + QPointF(std::cos(a) * r, std::sin(a) * r));
        point.lineTo(rose + QPointF(std::cos(a + 0.25) * 6, std::sin(a + 0.25) * 6));
        point.closeSubpath();
        p.setBrush(i == 6 ? QColor(150, 46, 36) : QColor(96, 88, 64));
        p.drawPath(point);
    }

    // Scale bar.
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(245, 240, 224) : QColor(96, 88, 64));
        p.setPen(QPen(QColor(96, 88, 64), 1.0));
        p.drawRect(QRectF(346 + i * 24, 408, 24, 6));
    }
    return image;
}

// The icon: a crate seen through a magnifying glass.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Crate.
    const QRectF crate(3, 9, 17, 17);
    p.setPen(QPen(QColor(92, 58, 24), 1.2));
    p.setBrush(QColor(196, 140, 72));
    p.drawRect(crate);
    p.setPen(QPen(QColor(120, 78, 34), 1.0));
    for (double y = 13.5; y < 26; y += 4.25)
        p.drawLine(QPointF(3.6, y), QPointF(19.4, y));
    p.setPen(QPen(QColor(92, 58, 24), 1.6));
    p.drawLine(crate.topLeft() + QPointF(1, 1), crate.bottomRight() - QPointF(1, 1));

    // Glass and handle.
    const QPointF lens(19.5, 13.5);
    p.setPen(QPen(QColor(40, 44, 52), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(6.4, 6.4), QPointF(29.5, 29.5));
    QRadialGradient glass(lens - QPointF(2.5, 2.5), 10);
    glass.setColorAt(0, QColor(214, 236, 250, 235));
    glass.setColorAt(1, QColor(112, 170, 214, 210));
    p.setBrush(glass);
    p.setPen(QPen(QColor(40, 44, 52), 2.2));
    p.drawEllipse(lens, 8.5, 8.5);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(lens.x() - 6, lens.y() - 6, 12, 12), 100 * 16, 70 * 16);
    p.end();
    return image;
}

// One 32 x 32 image, 8 bits per pixel with a 256-entry palette and a 1-bit transparency mask.
QByteArray icoFile(const QImage &argb)
{
    Q_ASSERT(argb.size() == QSize(32, 32));
    const QImage opaque = argb.convertToFormat(QImage::Format_RGB32);
    const QImage indexed =
        opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVector<QRgb> palette = indexed.colorTable();
    palette.resize(256, qRgb(0, 0, 0));

    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    auto u8 = [&](int v) { buffer.putChar(char(v & 0xFF)); };
    auto u16 = [&](int v) {
        u8(v);
        u8(v >> 8);
    };
    auto u32 = [&](qint64 v) {
        u16(int(v & 0xFFFF));
        u16(int((v >> 16) & 0xFFFF));
    };

    const int xorBytes = 32 * 32;
    const int andBytes = 32 * 4;
    const int dibBytes = 40 + 256 * 4 + xorBytes + andBytes;
    // clang-format off
    u16(0); u16(1); u16(1);                        // icon directory: one icon
    u8(32); u8(32); u8(0); u8(0); u16(1); u16(8);  // 32 x 32, 256 colours, 8 bits per pixel
    u32(dibBytes); u32(22);                        // size and offset of the bitmap
    u32(40); u32(32); u32(64); u16(1); u16(8);     // bitmap header; its height counts both masks
    u32(0); u32(xorBytes + andBytes); u32(0); u32(0); u32(256); u32(0);
    // clang-format on
    for (QRgb c : palette) {
        u8(qBlue(c));
        u8(qGreen(c));
        u8(qRed(c));
        u8(0);
    }
    for (int y = 31; y >= 0; --y) // rows bottom-up
        for (int x = 0; x < 32; ++x)
            u8(qAlpha(argb.pixel(x, y)) >= 128 ? indexed.pixelIndex(x, y) : 0);
    for (int y = 31; y >= 0; --y) {
        quint32 bits = 0;
        for (int x = 0; x < 32; ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                bits |= 0x80000000u >> x;
        u8(int(bits >> 24));
        u8(int(bits >> 16));
        u8(int(bits >> 8));
        u8(int(bits));
    }
    return data;
}

// The highest JPEG quality whose file stays within `maxBytes`.
QByteArray baselineJpeg(QImage image, qint64 maxBytes)
{
    image.setDotsPerMeterX(11811); // 300 dpi; the window ignores it and draws pixel for pixel
    image.setDotsPerMeterY(11811);
    QByteArray best;
    for (int quality = 98; quality >= 40; --quality) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(quality);
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(false);
        if (!writer.write(image))
            break;
        best = data;
        if (data.size() <= maxBytes)
            break;
    }
    return best;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%lld bytes)\n", qPrintable(path), static_cast<long long>(data.size()));
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "png") && writeFile(path, data);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = writeFile(out.filePath("background.jpg"), baselineJpeg(drawArtwork(1), 61 * 1024));
    ok = ok &&
         writeFile(out.filePath("background@2x.jpg"), baselineJpeg(drawArtwork(2), 4 * 61 * 1024));
    const QByteArray ico = icoFile(drawIcon(32));
    ok = ok && writeFile(out.filePath("tesselbox.ico"), ico);
    // One design: the 32 px icon is the window icon's own image, 256 colours and all; the other
    // sizes are the same drawing at their size.
    for (int size : shell::kIconSizes) {
        const QString dir = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        const QImage icon = size == 32 ? QImage::fromData(ico, "ico") : drawIcon(size);
        ok = ok && out.mkpath(dir) &&
             writePng(out.filePath(dir + "/org.vorrin.Propscope.png"), icon);
    }
    return ok ? 0 : 1;
}
