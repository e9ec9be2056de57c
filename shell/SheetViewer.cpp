#include "SheetViewer.h"

#include "QtText.h"
#include "SheetReasons.h"
#include "ZoomView.h"

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
    m_view->setAccessibleName(tr("Picture sheet at full size"));
    m_status->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    m_status->setContentsMargins(8, 0, 8, 0);
    connect(m_view, &ZoomView::zoomChanged, this, &SheetViewer::updateStatus);
    const QSize room = screen()->availableSize() * 0.8;
    resize(QSize(960, 720).boundedTo(room));
}

void SheetViewer::showSheet(const std::string &sheet, const QString &entry, QSize fullSize,
                            const QImage &preview, sheets::SheetError error)
{
    const QString name = sheets::qs(sheet);
    setWindowTitle(name + QStringLiteral(" \u2014 ") + entry);
    const bool shown = error == sheets::SheetError::None;
    m_view->setSheet(sheet, shown ? fullSize : QSize(), shown ? preview : QImage());
    m_sheetStatus = shown ? QStringLiteral("%1, %2 \u00d7 %3 pixels")
                                .arg(name)
                                .arg(fullSize.width())
                                .arg(fullSize.height())
                          : name + QStringLiteral(": ") + reasonText(error);
    updateStatus();
}

void SheetViewer::updateStatus()
{
    m_status->setText(m_sheetStatus +
                      QStringLiteral(" \u2014 %1 %").arg(qRound(m_view->zoom() * 100)));
}

void SheetViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace shell
