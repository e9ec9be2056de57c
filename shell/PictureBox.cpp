#include "PictureBox.h"

#include <QApplication>
#include <QDrag>
#include <QFile>
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
    setAcceptDrops(true);
    setAccessibleName(tr("No picture sheet shown"));
}

void PictureBox::setPicture(const QPixmap &pixmap, const QString &sheetName,
                            const QByteArray &filePath, QSize fullSize)
{
    m_pixmap = pixmap;
    m_sheetName = sheetName;
    m_filePath = filePath;
    m_fullSize = fullSize;
    setAccessibleName(tr("Picture sheet %1").arg(sheetName));
    setAccessibleDescription(this->filePath());
    setToolTip(this->filePath());
    update();
    emit pictureChanged();
}

QString PictureBox::filePath() const
{
    return QFile::decodeName(m_filePath);
}

QMimeData *PictureBox::pathMimeData() const
{
    auto *data = new QMimeData;
    const QString text = filePath();
    if (QFile::encodeName(text) == m_filePath)
        data->setText(text);
    data->setData(QStringLiteral("text/plain"), m_filePath);
    data->setData(QStringLiteral("text/uri-list"),
                  "file://" + QUrl::toPercentEncoding(m_filePath, "/") + "\r\n");
    return data;
}

QRectF PictureBox::pictureRect() const
{
    const qreal dpr = m_pixmap.devicePixelRatio();
    const QSize device(qRound(width() * dpr), qRound(height() * dpr));
    const QPoint offset =
        QPoint(device.width() - m_pixmap.width(), device.height() - m_pixmap.height()) / 2;
    return QRectF(QPointF(offset) / dpr, m_pixmap.deviceIndependentSize());
}

void PictureBox::setHint(const QString &hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    setAccessibleDescription(m_pixmap.isNull() ? hint : filePath());
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_pixmap.isNull()) {
        painter.drawPixmap(pictureRect().topLeft(), m_pixmap);
        return;
    }
    if (m_hint.isEmpty())
        return;
    // On a card of its own, so the text stays legible on any artwork.
    const QRect card = rect().adjusted(12, 12, -12, -12);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(card, 8, 8);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(hintRect(), kHintFlags, m_hint);
}

QRect PictureBox::hintRect() const
{
    return rect().adjusted(28, 26, -28, -26); // the card's, less its margins
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

void PictureBox::dragEnterEvent(QDragEnterEvent *event)
{
    // Its own sheet dragged back onto it is no new picture.
    if (event->source() != this && (event->mimeData()->hasUrls() || event->mimeData()->hasImage()))
        event->acceptProposedAction();
}

void PictureBox::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    emit dropped(event->mimeData());
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
    auto *drag = new QDrag(this);
    drag->setMimeData(pathMimeData());
    drag->setPixmap(m_pixmap.scaled(m_pixmap.size() / 4));
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

} // namespace shell
