#pragma once

#include <QPixmap>
#include <QWidget>

namespace shell {

// Image1: shows a sheet already decoded to the box's device pixels, so painting never scales.
// While it holds no picture the window's artwork shows through.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &pixmap, const QString &sheetName);
    const QPixmap &picture() const { return m_pixmap; }
    QString sheetName() const { return m_sheetName; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
    QString m_sheetName;
};

} // namespace shell
