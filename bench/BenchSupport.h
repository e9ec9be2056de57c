#pragma once

// What the benchmarks share: sheet-like pictures, medians, a stall watch and dialogs that
// answer on their own.
#include "Catalogue.h"
#include "Dialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace bench {

// Benchmarks run without a display unless one is asked for.
inline void offscreenUnlessAsked()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Something like a sheet: shapes on a gradient, and for JPEG the fine grain of a photograph.
inline QImage sheetLike(QSize size, bool grain, quint32 seed = 42)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(70, 110, 160));
    sky.setColorAt(1, QColor(200, 170, 120));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random(seed);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor::fromHsv(int(random.bounded(360)), 120 + int(random.bounded(120)),
                                   90 + int(random.bounded(160))));
        p.setPen(Qt::NoPen);
        const int w = int(random.bounded(size.width() / 6 + 1)) + 4;
        const int h = int(random.bounded(size.height() / 6 + 1)) + 4;
        p.drawRoundedRect(
            QRect(int(random.bounded(size.width())), int(random.bounded(size.height())), w, h),
            w / 4.0, h / 4.0);
    }
    p.end();
    if (grain) {
        for (int y = 0; y < size.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                const int d = int(random.bounded(17)) - 8;
                row[x] = qRgb(std::clamp(qRed(row[x]) + d, 0, 255),
                              std::clamp(qGreen(row[x]) + d, 0, 255),
                              std::clamp(qBlue(row[x]) + d, 0, 255));
            }
        }
    }
    return image;
}

// A 1600 x 1200 photograph-like JPEG for each of the 119 sheets in `folder`; their names.
inline std::set<std::string> writeEverySheet(const QString &folder)
{
    std::set<std::string> names;
    for (const catalogue::Category &c : catalogue::kCategories)
        for (const catalogue::Entry &e : c.entries)
            names.emplace(e.sheet);
    for (const std::string &name : names)
        sheetLike(QSize(1600, 1200), true, quint32(names.size() + name.size()))
            .save(folder + '/' + QString::fromStdString(name), "jpeg", 85);
    return names;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Waits for events until `done`; returns the longest the event loop went without coming back to
// a timer due every 2 ms.
template <typename Done> double runUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    double longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, (clock.nsecsElapsed() - last) / 1e6);
        last = clock.nsecsElapsed();
    });
    tick.start(2);
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return std::max(longest, (clock.nsecsElapsed() - last) / 1e6);
}

// Whether a widget has been painted.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    bool painted = false;
};

// Counts the messages instead of showing them, answers every question no and chooses nothing.
class CountingDialogs : public shell::Dialogs {
public:
    explicit CountingDialogs(int &messages)
        : m_messages(messages)
    {}
    void message(QWidget *, const QString &, const QString &) override { ++m_messages; }
    bool confirm(QWidget *, const QString &, const QString &, const QString &) override
    {
        return false;
    }
    void report(QWidget *, const QString &, const QString &) override {}
    QStringList chooseSheetSources(QWidget *) override { return {}; }
    QString choosePicture(QWidget *, const QString &) override { return {}; }

private:
    int &m_messages;
};

} // namespace bench
