#pragma once

#include "QtPrinters.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace testing_support {

// Writes a solid-colour picture under a sheet's name, in the given format whatever the name says.
inline bool writeSheet(const QString &folder, const QString &name, QColor colour,
                       const char *format = "png", QSize size = QSize(64, 48))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(QDir(folder).filePath(name), format);
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline std::vector<std::string> folderList(std::initializer_list<QString> folders)
{
    std::vector<std::string> result;
    for (const QString &f : folders)
        result.push_back(f.toStdString());
    return result;
}

// Whether two colours are within `tolerance` per channel (JPEG is lossy).
inline bool near(QColor a, QColor b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace testing_support
