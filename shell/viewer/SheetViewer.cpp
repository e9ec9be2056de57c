#include "SheetViewer.h"

#include "QtText.h"
#include "SheetFolders.h"
#include "SheetReasons.h"
#include "ZoomView.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace shell {

SheetViewer::SheetViewer(sheets::SheetLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_view(new ZoomView(std::move(loader), this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("SheetViewer"));
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_view->setAccessibleName(tr("Picture sheet at full size"));
    m_status->setTextFormat(Qt::PlainText);
    // A long path says less, rather than widening the window past the screen.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    m_status->setContentsMargins(8, 0, 8, 0);
    connect(m_view, &ZoomView::zoomChanged, this, &SheetViewer::updateStatus);
    connect(m_view, &ZoomView::sheetChanged, this, &SheetViewer::sheetChanged);
}

void SheetViewer::showSheet(const std::string &sheet, const QString &entry, const std::string &path,
                            QSize fullSize, const QImage &preview, sheets::SheetError error)
{
    m_sheet = sheet;
    setWindowTitle(sheets::qs(sheet) + QStringLiteral(" \u2014 ") + entry);
    const bool shown = error == sheets::SheetError::None;
    m_view->setSheet(sheet, path, shown ? fullSize : QSize(), shown ? preview : QImage());
    m_sheetStatus = shown ? tr("%1, %2 \u00d7 %3 pixels")
                                .arg(sheets::qs(sheet))
                                .arg(fullSize.width())
                                .arg(fullSize.height())
                          : sheets::qs(sheet) + QStringLiteral(": ") + reasonText(error);
    updateStatus();
}

// The file was replaced, removed or spoilt since it was shown: the viewer starts again from what
// is there now, and says where it is when it is another file.
void SheetViewer::sheetChanged(const sheets::DecodeResult &found)
{
    const std::string path = found.path.empty() ? std::string() : sheets::absolutePath(found.path);
    const bool shown = found.error == sheets::SheetError::None;
    m_view->setSheet(m_sheet, path, shown ? found.fullSize : QSize(), QImage());
    m_sheetStatus =
        shown ? tr("%1, %2 \u00d7 %3 pixels")
                    .arg(QFile::decodeName(path.c_str()))
                    .arg(found.fullSize.width())
                    .arg(found.fullSize.height())
              : sheets::qs(m_sheet) + QStringLiteral(": ") + reasonText(found.error, found.detail);
    updateStatus();
}

void SheetViewer::sheetFilesChanged(const QStringList &sheets)
{
    if (sheets.contains(sheets::qs(m_sheet)))
        m_view->reload();
}

void SheetViewer::updateStatus()
{
    m_status->setText(m_sheetStatus + QStringLiteral(" \u2014 ") +
                      tr("%1 %", "zoom, in percent").arg(qRound(m_view->zoom() * 100)));
}

bool SheetViewer::event(QEvent *event)
{
    // The user may have changed the file while away.
    if (event->type() == QEvent::WindowActivate)
        m_view->recheck();
    return QWidget::event(event);
}

void SheetViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace shell
