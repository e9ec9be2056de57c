// How quickly the gallery fills, against decoding its thumbnails alone spread over the cores; how
// soon it is painted after Ctrl+G; and the longest the window stops answering while it fills.
// Generated 1600 x 1200 sheets stand for all 119. Medians of five openings; exits 1 when a target
// is missed. Run: build/tesselbox-gallery-bench
#include "Catalogue.h"
#include "Form1.h"
#include "Gallery.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

namespace {

constexpr int kOpenings = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A photograph-like sheet: shapes on a gradient, with grain.
QImage sheetLike(quint32 seed)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 1600, 1200);
    sky.setColorAt(0, QColor(70, 110, 160));
    sky.setColorAt(1, QColor(200, 170, 120));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random(seed);
    for (int i = 0; i < 200; ++i) {
        p.setBrush(QColor::fromHsv(int(random.bounded(360)), 160, 200));
        p.drawEllipse(QPoint(int(random.bounded(1600)), int(random.bounded(1200))), 80, 60);
    }
    p.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] ^= random.bounded(8u) * 0x010101u;
    }
    return image;
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

// Counts paints of a widget.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    bool painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sheets::installAllocationLimit();

    std::fprintf(stderr, "Writing 119 sheets of 1600 x 1200...\n");
    QTemporaryDir dir;
    std::set<std::string> names;
    for (const catalogue::Category &c : catalogue::kCategories)
        for (const catalogue::Entry &e : c.entries)
            names.emplace(e.sheet);
    for (const std::string &name : names)
        sheetLike(quint32(names.size() + name.size()))
            .save(dir.filePath(QString::fromStdString(name)), "jpeg", 85);

    shell::Form1 form(sheets::SheetLoader(sheets::SheetLocator({dir.path().toStdString()})));
    form.Form_Load();
    form.show();

    std::vector<double> filled, floors, firstPaint, stalls;
    for (int opening = 0; opening < kOpenings; ++opening) {
        QElapsedTimer clock;
        clock.start();
        PaintWatch watch;
        form.showGallery();
        shell::Gallery *gallery = form.gallery();
        gallery->view()->viewport()->installEventFilter(&watch);
        runUntil([&] { return watch.painted; });
        firstPaint.push_back(clock.nsecsElapsed() / 1e6);
        stalls.push_back(runUntil([&] { return gallery->pending() == 0; }));
        filled.push_back(clock.nsecsElapsed() / 1e6);
        gallery->close();

        // The floor: each thumbnail decoded alone, one after another, shared among the cores.
        const int width = gallery->view()->tileWidth();
        clock.restart();
        for (const std::string &name : names) {
            QImageReader reader(dir.filePath(QString::fromStdString(name)));
            reader.setScaledSize(
                QSize(1600, 1200).scaled(QSize(width, width * 3 / 4), Qt::KeepAspectRatio));
            reader.read();
        }
        floors.push_back(clock.nsecsElapsed() / 1e6 / QThread::idealThreadCount());
    }

    const double fillRatio = median(filled) / median(floors);
    std::printf("all 209 tiles filled %.1f ms; decoding alone over %d cores %.1f ms\n",
                median(filled), QThread::idealThreadCount(), median(floors));
    std::printf("%-48s %7.2f  target <= 1.30 %s\n", "tiles filled / thumbnail decode floor",
                fillRatio, fillRatio <= 1.3 ? "" : "MISSED");
    std::printf("%-48s %7.1f  target <= 100 %s\n", "Ctrl+G to first tiles painted, ms",
                median(firstPaint), median(firstPaint) <= 100 ? "" : "MISSED");
    std::printf("%-48s %7.1f  target <= 50 %s\n", "longest stall while filling, ms",
                *std::max_element(stalls.begin(), stalls.end()),
                *std::max_element(stalls.begin(), stalls.end()) <= 50 ? "" : "MISSED");
    return fillRatio <= 1.3 && median(firstPaint) <= 100 &&
                   *std::max_element(stalls.begin(), stalls.end()) <= 50
               ? 0
               : 1;
}
