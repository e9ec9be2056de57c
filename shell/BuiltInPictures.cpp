#include "BuiltInPictures.h"

#include "WindowDescription.h"

#include <QImageReader>

namespace shell {

namespace {

// A picture built into the program, read as the format it is: left to recognise it, Qt loads
// every image plugin there is, which costs more than all the rest of starting up.
QImage builtInPicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

qreal artworkRatio(qreal devicePixelRatio)
{
    return devicePixelRatio >= 1.5 ? 2.0 : 1.0;
}

} // namespace

QPixmap windowArtwork(qreal devicePixelRatio)
{
    const qreal ratio = artworkRatio(devicePixelRatio);
    QPixmap artwork = QPixmap::fromImage(
        builtInPicture(ratio > 1 ? QStringLiteral(":/propscope/background@2x.jpg")
                                 : QStringLiteral(":/propscope/background.jpg"),
                       "jpeg"));
    artwork.setDevicePixelRatio(ratio);
    return artwork;
}

bool isArtworkFor(const QPixmap &artwork, qreal devicePixelRatio)
{
    return !artwork.isNull() &&
           qFuzzyCompare(artwork.devicePixelRatio(), artworkRatio(devicePixelRatio));
}

// The larger sizes keep docks and dense screens sharp.
QIcon programIcon()
{
    QIcon icon;
    for (int size : kWindowIconSizes)
        icon.addPixmap(QPixmap::fromImage(
            builtInPicture(QStringLiteral(":/propscope/tesselbox-%1.png").arg(size), "png")));
    return icon;
}

} // namespace shell
