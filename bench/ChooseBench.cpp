// How long a choice takes, against the cost of decoding alone, and how long start-up takes,
// against a bare window of the same widgets. Each target is a ratio to a baseline measured in
// the same run. Run: build/tesselbox-bench (add --benchmark_filter=... to pick).
#include "BenchSupport.h"
#include "CatalogueList.h"
#include "Form1.h"
#include "PictureBox.h"
#include "SheetDecode.h"
#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

const QSize kBox(shell::kPictureBox.pixelWidth(), shell::kPictureBox.pixelHeight());
const QSize kSizes[] = {kBox, {1600, 1200}, {6000, 4500}};
const char *const kFormats[] = {"jpeg", "png"};

QString sizeName(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// One folder per format and size, each holding the sheet "ghost.qpk" (Buildings 25 to 29).
class Sheets {
public:
    Sheets()
    {
        for (const char *format : kFormats) {
            for (QSize size : kSizes) {
                const QString folder =
                    m_root.filePath(QString::fromLatin1(format) + "-" + sizeName(size));
                QDir().mkpath(folder);
                QImageWriter writer(folder + "/ghost.qpk", format);
                writer.setQuality(std::string_view(format) == "jpeg" ? 85 : 50);
                writer.write(bench::sheetLike(size, std::string_view(format) == "jpeg"));
                m_folders[key(format, size)] = folder;
            }
        }
    }
    QString folder(const char *format, QSize size) const { return m_folders.at(key(format, size)); }
    QString file(const char *format, QSize size) const
    {
        return folder(format, size) + "/ghost.qpk";
    }

private:
    static std::string key(const char *format, QSize size)
    {
        return std::string(format) + sizeName(size).toStdString();
    }
    QTemporaryDir m_root;
    std::map<std::string, QString> m_folders;
};

const Sheets *gSheets = nullptr;

// A choice, its sheet decoded in the window's process or, `helped`, by the decoding helper.
void chooseSheet(benchmark::State &state, const char *format, QSize size, bool helped)
{
    int messages = 0;
    const std::string folder = gSheets->folder(format, size).toStdString();
    shell::Form1 form(sheets::SheetPlaces{{folder}, {}, folder},
                      std::make_unique<bench::CountingDialogs>(messages),
                      helped ? shell::decodeService() : nullptr);
    form.setPatience(std::chrono::seconds(10)); // each choice measured to its picture
    form.setPreloading(false); // the same choice again must decode again, not show a kept picture
    form.Form_Load();
    form.chooseEntry(1, 27); // the helper started and ready, as it is by a user's first choice
    for (auto _ : state) {
        form.chooseEntry(1, 27); // "Ghost Town Saloon": the whole procedure, clearing included
        benchmark::DoNotOptimize(form.image()->picture().cacheKey());
    }
    if (messages != 0 || form.image()->picture().isNull())
        state.SkipWithError("the sheet did not load");
}

void decodeNaive(benchmark::State &state, const char *format, QSize size)
{
    const QString file = gSheets->file(format, size);
    for (auto _ : state) {
        QImageReader reader(file);
        const QImage full = reader.read();
        QImage boxed = full.scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(boxed.constBits());
    }
}

void decodeFloor(benchmark::State &state, const char *format, QSize size)
{
    const QString file = gSheets->file(format, size);
    for (auto _ : state) {
        QImageReader reader(file);
        reader.setScaledSize(kBox);
        QImage boxed = reader.read();
        benchmark::DoNotOptimize(boxed.constBits());
    }
}

void BM_StartUp(benchmark::State &state)
{
    for (auto _ : state) {
        shell::Form1 form;
        form.Form_Load();
        benchmark::DoNotOptimize(form.list(7)->count());
    }
}

// The same twenty widgets, placed, with nothing in them.
void BM_StartUpFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(shell::twipsToPixels(shell::kClientWidthTwips),
                            shell::twipsToPixels(shell::kClientHeightTwips));
        for (const shell::ControlDescription &c : shell::kControls) {
            QWidget *w = nullptr;
            switch (c.kind) {
            case shell::ControlKind::List:
                w = new QComboBox(&window);
                static_cast<QComboBox *>(w)->setEditable(true);
                break;
            case shell::ControlKind::Button:
                w = new QPushButton(QStringLiteral("Exit"), &window);
                break;
            case shell::ControlKind::Label:
                w = new QLabel(QStringLiteral("Buildings:"), &window);
                break;
            case shell::ControlKind::Picture:
                w = new QWidget(&window);
                break;
            }
            w->setGeometry(c.pixelLeft(), c.pixelTop(), c.pixelWidth(), c.pixelHeight());
        }
        benchmark::DoNotOptimize(window.children().size());
    }
}

// Prints the usual table, then each measured ratio beside its target.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_nanoseconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    1e9;
        }
    }

    // Prints the ratios; false when any misses its target.
    bool printRatios() const
    {
        bool allMet = true;
        std::printf("\n%-58s %7s %7s\n", "ratio", "value", "target");
        auto ratio = [&](const std::string &a, const std::string &b, double target) {
            if (!m_nanoseconds.count(a) || !m_nanoseconds.count(b))
                return;
            const double value = m_nanoseconds.at(a) / m_nanoseconds.at(b);
            const bool met = value <= target;
            allMet = allMet && met;
            std::printf("%-58s %7.3f %7.2f %s\n", (a + " / " + b).c_str(), value, target,
                        met ? "" : "MISSED");
        };
        for (const char *format : kFormats) {
            for (QSize size : kSizes) {
                const std::string suffix =
                    std::string("/") + format + "/" + sizeName(size).toStdString();
                ratio("BM_Choose" + suffix, "BM_DecodeFloor" + suffix, 1.15);
                ratio("BM_ChooseHelped" + suffix, "BM_Choose" + suffix, size == kBox ? 1.5 : 1.15);
            }
        }
        ratio("BM_Choose/jpeg/6000x4500", "BM_DecodeNaive/jpeg/6000x4500", 0.5);
        ratio("BM_StartUp", "BM_StartUpFloor", 1.3);
        return allMet;
    }

private:
    std::map<std::string, double> m_nanoseconds;
};

} // namespace

int main(int argc, char *argv[])
{
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    sheets::installAllocationLimit();
    benchmark::Initialize(&argc, argv);

    // Fonts, style and plugins load once per process; neither start-up benchmark should pay it.
    {
        shell::Form1 warmUp;
        warmUp.Form_Load();
    }

    std::fprintf(stderr, "Writing test sheets...\n");
    const Sheets sheets;
    gSheets = &sheets;

    for (const char *format : kFormats) {
        for (QSize size : kSizes) {
            const std::string suffix =
                std::string("/") + format + "/" + sizeName(size).toStdString();
            benchmark::RegisterBenchmark(("BM_Choose" + suffix).c_str(), chooseSheet, format, size,
                                         false)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("BM_ChooseHelped" + suffix).c_str(), chooseSheet, format,
                                         size, true)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("BM_DecodeFloor" + suffix).c_str(), decodeFloor, format,
                                         size)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("BM_DecodeNaive" + suffix).c_str(), decodeNaive, format,
                                         size)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("BM_StartUp", BM_StartUp)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_StartUpFloor", BM_StartUpFloor)->Unit(benchmark::kMillisecond);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.printRatios();
    benchmark::Shutdown();
    return met ? 0 : 1;
}
