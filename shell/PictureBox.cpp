#include "PictureBox.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace shell {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setAccessibleName(tr("No picture sheet shown"));
}

void PictureBox::setPicture(const QPixmap &pixmap, const QString &sheetName,
                            const QString &filePath)
{
    m_pixmap = pixmap;
    m_sheetName = sheetName;
    m_filePath = filePath;
    setAccessibleName(tr("Picture sheet %1").arg(sheetName));
    setAccessibleDescription(filePath);
    setToolTip(filePath);
    update();
    emit pictureChanged();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *)
{
    if (!m_pixmap.isNull())
        emit viewRequested();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !m_pixmap.isNull())
        emit viewRequested();
    else
        QWidget::keyPressEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

// Dragging the picture drags its file, for a file manager or another program.
void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_filePath.isEmpty() ||
        (event->position().toPoint() - m_pressedAt).manhattanLength() <
            QApplication::startDragDistance())
        return;
    auto *data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(m_filePath)});
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(m_pixmap.scaled(m_pixmap.size() / 4));
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

} // namespace shell
