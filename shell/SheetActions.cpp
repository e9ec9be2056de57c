#include "SheetActions.h"

#include "PictureBox.h"
#include "Selection.h"
#include "SheetReasons.h"
#include "SheetViewer.h"
#include "WindowRuntime.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace shell {

SheetActions::SheetActions(PictureBox *box, sheets::SheetLoader loader, WindowRuntime &runtime)
    : QObject(box)
    , m_box(box)
    , m_loader(std::move(loader))
    , m_runtime(runtime)
    , m_view(new QAction(tr("View Full Size"), box))
    , m_copyPicture(new QAction(tr("Copy Picture"), box))
    , m_copyPath(new QAction(tr("Copy File Path"), box))
    , m_openFolder(new QAction(tr("Open Containing Folder"), box))
{
    m_copyPicture->setShortcut(QKeySequence::Copy);
    m_copyPicture->setShortcutContext(Qt::WidgetShortcut);
    for (QAction *action : {m_view, m_copyPicture, m_copyPath, m_openFolder}) {
        action->setEnabled(false);
        box->addAction(action);
    }
    connect(m_view, &QAction::triggered, this, &SheetActions::view);
    connect(m_copyPicture, &QAction::triggered, this, &SheetActions::copyPicture);
    connect(m_copyPath, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(m_box->filePath()); });
    connect(m_openFolder, &QAction::triggered, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(m_box->filePath()).absolutePath()));
    });
    connect(box, &PictureBox::viewRequested, this, &SheetActions::view);
    connect(box, &PictureBox::pictureChanged, this, [this] {
        for (QAction *action : {m_view, m_copyPicture, m_copyPath, m_openFolder})
            action->setEnabled(!m_box->picture().isNull());
    });
    connect(&runtime, &WindowRuntime::sheetLoaded, this, &SheetActions::follow);
}

SheetViewer *SheetActions::viewer() const
{
    return m_viewer;
}

void SheetActions::follow(const SheetOutcome &outcome)
{
    if (outcome.isShown())
        m_entry = outcome.entryText();
    if (m_viewer != nullptr && m_viewer->isVisible())
        m_viewer->showSheet(outcome.sheet, outcome.entryText(), outcome.fullSize,
                            m_box->picture().toImage(), outcome.error);
}

void SheetActions::view()
{
    if (m_box->picture().isNull())
        return;
    if (m_viewer == nullptr)
        m_viewer = new SheetViewer(m_loader, m_box->window());
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    m_viewer->showSheet(m_box->sheetName().toStdString(), m_entry, m_box->fullSize(),
                        m_box->picture().toImage());
}

// The sheet at its own size, or, past the limits, at the largest half, quarter ... within them.
void SheetActions::copyPicture()
{
    const std::string sheet = m_box->sheetName().toStdString();
    sheets::DecodedSheet copy = m_loader.load(sheet, sheets::SheetRequest::ownSize());
    for (QSize size = copy.fullSize / 2;
         copy.error == sheets::SheetError::TooLarge && size.width() >= 1 && size.height() >= 1;
         size /= 2)
        copy = m_loader.load(sheet, sheets::SheetRequest::stretchedTo(size));
    const SheetReason &reason = reasonFor(copy.error);
    if (copy.image.isNull())
        preview::reportSheetError(m_runtime, {reason.number, std::string(reason.text)});
    else
        QGuiApplication::clipboard()->setImage(copy.image);
}

} // namespace shell
