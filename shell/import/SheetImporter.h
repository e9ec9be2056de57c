#pragma once

#include "SheetImport.h"
#include "SheetNames.h"
#include "SheetStore.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class QProgressDialog;
class QThread;
class QWidget;

namespace shell {

class Dialogs;

// Adds the user's sheets from folders and files. The files are decoded by the helpers, then
// copied, on a thread of their own, so the window keeps painting; a progress dialog that can cancel
// shows for more than a few files. Sheets already there are replaced only after one question for
// all of them, and the end brings one summary.
class SheetImporter : public QObject {
    Q_OBJECT
public:
    SheetImporter(sheets::SheetStore store, const sheets::SheetNames &names,
                  sheets::SheetLoader loader, std::function<QSize()> box, Dialogs &dialogs,
                  QWidget *window);
    ~SheetImporter() override;

    // Adds what `paths` (local files and folders) hold; nothing while an import runs.
    void addFrom(const QStringList &paths);
    bool isBusy() const { return m_busy; }

    // Above this many sheets to write, a progress dialog shows once the work has taken a moment.
    static constexpr int kFewFiles = 5;

signals:
    // At the end of an import: the sheets added or replaced.
    void sheetsAdded(const QStringList &sheets);

private:
    void runInBackground(std::function<void()> work);
    void finishBackground();
    sheets::ImportProgress progress();
    void showProgress();
    void showProgressSoon(const QString &label, int total);
    void hideProgress();
    void planned(std::shared_ptr<sheets::ImportPlan> plan);
    static int writtenBy(const sheets::ImportPlan &plan, bool replace);
    void showAdding(int toWrite);
    void finished(const sheets::ImportResult &result);

    const sheets::SheetStore m_store;
    const sheets::SheetNames &m_names;
    const sheets::SheetLoader m_loader; // each file is decoded by the helpers before it is taken
    std::function<QSize()> m_box;
    Dialogs &m_dialogs;
    QWidget *m_window;
    QThread *m_thread = nullptr;
    bool m_busy = false;
    std::atomic_bool m_cancelled = false;
    QPointer<QProgressDialog> m_progress;
    QTimer m_showProgress; // a quick import brings no dialog at all
    QString m_progressLabel;
    int m_done = 0;
    int m_total = 0;
};

} // namespace shell
