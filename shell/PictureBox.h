#pragma once

#include <QPixmap>
#include <QWidget>

class QMimeData;

namespace shell {

// Image1: shows a sheet already decoded to the box's device pixels, so painting never scales; a
// picture shown whole with its own proportions is centred, the window's artwork showing beside
// it, as it does while the box holds no picture. A click gives it the focus (Tab
// never does); a double-click or Enter asks to see the sheet at full size, its actions open on
// right-click or the Menu key, and the sheet file can be dragged out of it. Files and pictures
// can be dropped on it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // `filePath` is the sheet file's full path, as the file system has it, which the tooltip
    // names; `fullSize` the picture's own size.
    void setPicture(const QPixmap &pixmap, const QString &sheetName, const QByteArray &filePath,
                    QSize fullSize);
    const QPixmap &picture() const { return m_pixmap; }
    // Where the picture is drawn, on whole device pixels.
    QRectF pictureRect() const;
    QSize fullSize() const { return m_fullSize; }
    QString sheetName() const { return m_sheetName; }
    QString filePath() const;
    QByteArray filePathBytes() const { return m_filePath; }
    // The file's path for the clipboard or a drag: as a URL, percent-encoded, and as plain text
    // with the path's own bytes.
    QMimeData *pathMimeData() const;

    // Drawn in the box while it shows no picture; empty: nothing is.
    void setHint(const QString &hint);
    QString hint() const { return m_hint; }
    // Where the hint's words go, wrapped with kHintFlags; longer words do not fit.
    QRect hintRect() const;
    static constexpr int kHintFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

signals:
    void pictureChanged();
    void viewRequested();
    // Files or a picture dropped on the box from elsewhere.
    void dropped(const QMimeData *data);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QPixmap m_pixmap;
    QString m_sheetName;
    QByteArray m_filePath;
    QSize m_fullSize;
    QString m_hint;
    QPoint m_pressedAt;
};

} // namespace shell
