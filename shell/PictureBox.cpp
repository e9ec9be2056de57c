#include "PictureBox.h"

#include <QPainter>

namespace shell {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("No picture sheet shown"));
}

void PictureBox::setPicture(const QPixmap &pixmap, const QString &sheetName)
{
    m_pixmap = pixmap;
    m_sheetName = sheetName;
    setAccessibleName(tr("Picture sheet %1").arg(sheetName));
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

} // namespace shell
