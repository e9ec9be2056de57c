#include "SheetImporter.h"

#include "Dialogs.h"
#include "ImportSummary.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFontMetrics>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>

namespace shell {

namespace {

constexpr int kShowProgressAfterMs = 300;
constexpr qint64 kProgressStepNs = 10'000'000;
// A window frame's title is larger than the window's 8 points, and shares its bar with buttons.
constexpr qreal kTitlePoints = 11;
constexpr int kTitleDecorationWidth = 160;

QString folderText(const std::string &folder)
{
    return QFile::decodeName(folder.c_str());
}

} // namespace

SheetImporter::SheetImporter(sheets::SheetStore store, const sheets::SheetNames &names,
                             sheets::SheetLoader loader, std::function<QSize()> box,
                             Dialogs &dialogs, QWidget *window)
    : QObject(window)
    , m_store(std::move(store))
    , m_names(names)
    , m_loader(std::move(loader))
    , m_box(std::move(box))
    , m_dialogs(dialogs)
    , m_window(window)
{
    m_showProgress.setSingleShot(true);
    m_showProgress.setInterval(kShowProgressAfterMs);
    connect(&m_showProgress, &QTimer::timeout, this, &SheetImporter::showProgress);
}

SheetImporter::~SheetImporter()
{
    m_cancelled = true;
    finishBackground();
}

void SheetImporter::addFrom(const QStringList &paths)
{
    if (m_busy || paths.isEmpty())
        return;
    m_busy = true;
    m_cancelled = false;
    std::vector<std::string> sources;
    for (const QString &path : paths)
        sources.push_back(QFile::encodeName(path).toStdString());
    showProgressSoon(tr("Looking at the files\u2026"), 0);
    runInBackground([this, sources, box = m_box()] {
        auto plan = std::make_shared<sheets::ImportPlan>(
            sheets::planImport(sources, m_names, m_store, m_loader, box, progress()));
        // With nothing to ask, the copying follows on this thread at once.
        if (plan->conflicts() > 0 || m_cancelled) {
            QMetaObject::invokeMethod(this, [this, plan] { planned(plan); });
            return;
        }
        const int toWrite = writtenBy(*plan, false);
        QMetaObject::invokeMethod(this, [this, toWrite] { showAdding(toWrite); });
        auto result = std::make_shared<sheets::ImportResult>(
            sheets::runImport(std::move(*plan), m_store, false, progress()));
        QMetaObject::invokeMethod(this, [this, result] { finished(*result); });
    });
}

int SheetImporter::writtenBy(const sheets::ImportPlan &plan, bool replace)
{
    int toWrite = 0;
    for (const sheets::ImportCandidate &c : plan.candidates)
        toWrite +=
            c.isAccepted() && (c.existing == sheets::SheetStore::Existing::None ||
                               (replace && c.existing == sheets::SheetStore::Existing::Different));
    return toWrite;
}

void SheetImporter::showAdding(int toWrite)
{
    if (toWrite > kFewFiles)
        showProgressSoon(tr("Adding %n sheet(s)\u2026", "", toWrite), toWrite + 1);
    else
        hideProgress();
}

void SheetImporter::runInBackground(std::function<void()> work)
{
    finishBackground();
    m_thread = QThread::create(std::move(work));
    m_thread->start();
}

void SheetImporter::finishBackground()
{
    if (m_thread == nullptr)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

// Reported from the import's threads, at most every few milliseconds, and shown on the window's.
sheets::ImportProgress SheetImporter::progress()
{
    auto last = std::make_shared<std::atomic<qint64>>(0);
    return {[this, last](int done, int total) {
                const qint64 now = QDeadlineTimer::current().deadlineNSecs();
                if (done < total && now - last->load() < kProgressStepNs)
                    return;
                last->store(now);
                QMetaObject::invokeMethod(this, [this, done, total] {
                    m_done = done;
                    m_total = total;
                    if (m_progress != nullptr) {
                        m_progress->setMaximum(total);
                        m_progress->setValue(done);
                    }
                });
            },
            &m_cancelled};
}

void SheetImporter::showProgress()
{
    if (m_progress == nullptr) {
        m_progress = new QProgressDialog(m_window);
        m_progress->setWindowTitle(tr("Adding Sheets"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setMinimumDuration(0);
        // Wide enough for the frame to show the whole title, in its larger, bold font.
        QFont titleFont = m_progress->font();
        titleFont.setBold(true);
        titleFont.setPointSizeF(std::max(titleFont.pointSizeF(), kTitlePoints));
        m_progress->setMinimumWidth(
            QFontMetrics(titleFont).horizontalAdvance(m_progress->windowTitle()) +
            kTitleDecorationWidth);
        // Gone at once: the import may take a while to stop, and a late report must not show
        // it again meanwhile.
        connect(m_progress, &QProgressDialog::canceled, this, [this] {
            m_cancelled = true;
            hideProgress();
        });
    }
    m_progress->setLabelText(m_progressLabel);
    m_progress->setRange(0, m_total);
    m_progress->setValue(m_done);
    m_progress->show();
}

void SheetImporter::showProgressSoon(const QString &label, int total)
{
    if (m_cancelled)
        return;
    m_progressLabel = label;
    m_done = 0;
    m_total = total;
    if (m_progress != nullptr)
        showProgress();
    else
        m_showProgress.start();
}

void SheetImporter::hideProgress()
{
    m_showProgress.stop();
    if (m_progress != nullptr) {
        // Forgotten at once: a later import must not show a dialog that is on its way out.
        m_progress->disconnect(this);
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
}

void SheetImporter::planned(std::shared_ptr<sheets::ImportPlan> plan)
{
    finishBackground();
    if (m_cancelled) {
        sheets::ImportResult nothing;
        nothing.cancelled = true;
        finished(nothing);
        return;
    }
    bool replace = false;
    if (const int conflicts = plan->conflicts(); conflicts > 0) {
        // A window-modal progress dialog would stand above the question and take its clicks.
        hideProgress();
        replace = m_dialogs.confirm(
            m_window,
            tr("%n of these sheets are already in your sheet folder, different from the ones "
               "being added.\n\nReplace them? The ones there now will be kept in %1.",
               "", conflicts)
                .arg(folderText(m_store.folder() + '/' +
                                std::string(sheets::SheetStore::kReplacedFolder))),
            tr("&Replace"), tr("&Keep Them"));
    }
    showAdding(writtenBy(*plan, replace));
    runInBackground([this, plan, replace] {
        auto result = std::make_shared<sheets::ImportResult>(
            sheets::runImport(std::move(*plan), m_store, replace, progress()));
        QMetaObject::invokeMethod(this, [this, result] { finished(*result); });
    });
}

void SheetImporter::finished(const sheets::ImportResult &result)
{
    finishBackground();
    hideProgress();
    m_busy = false;
    QStringList changed;
    for (const std::string &sheet : result.changed)
        changed << QString::fromStdString(sheet);
    if (!changed.isEmpty())
        emit sheetsAdded(changed);
    m_dialogs.report(m_window, importSummary(result, m_store.folder()).join('\n'),
                     detailLines(result).join('\n'));
}

} // namespace shell
