// How long adding 119 sheets of 1600 x 1200 takes, against copying the same files with cp into
// the same file system and decoding each for the box, and the longest the window stops answering
// while it adds them. Medians of nine rounds, cp and the import taking turns; cp, which takes only
// milliseconds, is repeated in each round until it has taken 200 ms, so that one noisy
// millisecond does not move the ratios. Exits 1 when a target is missed.
// Run: build/tesselbox-import-bench [FOLDER] (on the file system to measure; default: temporary)
#include "BenchSupport.h"
#include "Catalogue.h"
#include "Form1.h"
#include "ImportActions.h"
#include "SheetImport.h"
#include "SheetImporter.h"
#include "SheetNames.h"
#include "Startup.h"
#include "WindowDescription.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kRounds = 9;
// The shortest a measured piece of the floor may take.
constexpr double kShortestMs = 200;

// Times one run of `work`, with the disk quiet before it.
template <typename Work> double timed(Work work)
{
    ::sync();
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

// One cp of `files`, timed as the mean of as many copies into fresh folders as take
// kShortestMs; each copy is removed, untimed, before the next.
double copyTime(const QStringList &files, const QString &prefix, int &copies)
{
    double total = 0;
    for (copies = 0; total < kShortestMs; ++copies) {
        const QString to = prefix + "-cp" + QString::number(copies);
        QDir().mkpath(to);
        total += timed([&] { QProcess::execute("cp", QStringList(files) << to); });
        QDir(to).removeRecursively();
    }
    return total / copies;
}

// Each file decoded for the box alone, by as many threads as there are cores, each taking the
// next file: measured rather than divided, so that other work on the machine weighs on the floor
// as it does on the helpers.
void decodeOverTheCores(const QStringList &files, QSize box)
{
    std::atomic<qsizetype> next = 0;
    std::vector<std::thread> threads;
    for (int i = 0; i < QThread::idealThreadCount(); ++i) {
        threads.emplace_back([&] {
            for (qsizetype file; (file = next++) < files.size();) {
                QImageReader reader(files[file]);
                reader.setScaledSize(box);
                reader.read();
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
}

} // namespace

int main(int argc, char *argv[])
{
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTemporaryDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/import-bench-XXXXXX"
                                : QDir::tempPath() + "/import-bench-XXXXXX");
    const QString sources = root.filePath("sources");
    QDir().mkpath(sources);
    std::fprintf(stderr, "Writing 119 sheets of 1600 x 1200 to %s...\n", qPrintable(sources));
    QStringList files;
    for (std::string_view sheet : catalogue::kSheets) {
        files << sources + '/' + QString::fromLatin1(sheet.data(), qsizetype(sheet.size()));
        bench::sheetLike(QSize(1600, 1200), true, quint32(files.size())).save(files.last(), "jpeg");
    }

    const sheets::SheetNames names(catalogue::kSheets);
    const QSize box(shell::kPictureBox.pixelWidth(), shell::kPictureBox.pixelHeight());
    // Every file is decoded by the helpers before it is taken, as the program does.
    const std::shared_ptr<sheets::DecodeService> decoders = shell::decodeService();
    const sheets::SheetLoader loader(sheets::SheetLocator(), decoders);
    std::vector<double> copiedOnly, copied, added, addedInWindow, stalls;
    int copyRepeats = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QString prefix = root.filePath(QString::number(round));
        // The floor: cp, and each file decoded for the box alone, over the cores.
        int copies = 0;
        copiedOnly.push_back(copyTime(files, prefix, copies));
        copyRepeats = std::max(copyRepeats, copies);
        copied.push_back(copiedOnly.back() + timed([&] { decodeOverTheCores(files, box); }));
        const sheets::SheetStore store((prefix + "-add").toStdString());
        sheets::ImportResult result;
        added.push_back(timed([&] {
            result = sheets::runImport(
                sheets::planImport({sources.toStdString()}, names, store, loader, box), store,
                false);
        }));
        if (result.added != int(catalogue::kSheets.size())) {
            std::fprintf(stderr, "only %d sheets were added\n", result.added);
            return 2;
        }

        // Through the window, with its progress dialog.
        int messages = 0;
        const std::string folder = (prefix + "-window").toStdString();
        shell::Form1 form(sheets::SheetPlaces{{folder}, {}, folder},
                          std::make_unique<bench::CountingDialogs>(messages), decoders);
        form.Form_Load();
        form.show();
        const shell::SheetImporter *importer = form.importActions()->importer();
        addedInWindow.push_back(timed([&] {
            form.importActions()->addFrom({sources});
            stalls.push_back(bench::runUntil([&] { return !importer->isBusy(); }));
        }));
    }

    const double ratio = bench::median(added) / bench::median(copied);
    const double windowRatio = bench::median(addedInWindow) / bench::median(copied);
    const double stall = *std::max_element(stalls.begin(), stalls.end());
    std::printf(
        "cp %.1f ms (the mean of up to %d copies), with decoding %.1f ms; adding %.1f ms, in "
        "the window %.1f ms (medians of %d)\n",
        bench::median(copiedOnly), copyRepeats, bench::median(copied), bench::median(added),
        bench::median(addedInWindow), kRounds);
    std::printf("%-48s %7.2f  target <= 1.50 %s\n", "adding 119 sheets / cp and decoding them",
                ratio, ratio <= 1.5 ? "" : "MISSED");
    std::printf("%-48s %7.2f  target <= 1.50 %s\n", "adding them in the window / the same floor",
                windowRatio, windowRatio <= 1.5 ? "" : "MISSED");
    std::printf("%-48s %7.1f  target <= 100 %s\n", "longest stall of the window, ms", stall,
                stall <= 100 ? "" : "MISSED");
    return ratio <= 1.5 && windowRatio <= 1.5 && stall <= 100 ? 0 : 1;
}
