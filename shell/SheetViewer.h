#pragma once

#include "SheetLoader.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

class QLabel;

namespace shell {

// The sheet at any zoom: fitted to the window at first, never enlarged past 100 % when it fits,
// up to 1600 %. Only what is shown is decoded, at the scale it is shown: a huge sheet is read
// whole at a small scale, or a part of it at a large one, and gets sharper as the zoom settles.
class ZoomView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ZoomView(sheets::SheetLoader loader, QWidget *parent = nullptr);

    // Reads `sheet` as it is now and fits it; shows nothing when it cannot be read.
    sheets::DecodedSheet setSheet(const std::string &sheet);

    // Device pixels per sheet pixel: 1 is 100 %, one sheet pixel per screen pixel.
    double zoom() const { return m_zoom; }
    void zoomBy(double factor, QPointF anchor);
    void zoomTo(double zoom, QPointF anchor);
    void fit();
    QSize decodedSize() const { return m_image.size(); }

signals:
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    double fitZoom() const;
    double logicalScale() const; // logical pixels per sheet pixel
    QPointF canvasOrigin() const;
    void updateScrollBars();
    void decode();
    bool decodedCoversView() const;

    sheets::SheetLoader m_loader;
    std::string m_sheet;
    QSize m_full; // the sheet's own size, upright
    double m_zoom = 1.0;
    bool m_fitting = true;
    QImage m_image;          // what was decoded ...
    QRectF m_imagePart;      // ... and the part of the sheet it shows, in sheet pixels
    double m_imageScale = 0; // device pixels per sheet pixel it was decoded at
    QTimer m_settle;         // decodes again once zooming and panning pause
    QPoint m_dragFrom;
};

// A window of its own around a ZoomView, titled with the sheet file and the entry, with a
// status line that says the zoom and the keys. Esc closes it.
class SheetViewer : public QWidget {
    Q_OBJECT
public:
    explicit SheetViewer(sheets::SheetLoader loader, QWidget *parent = nullptr);

    void showSheet(const std::string &sheet, const QString &entry);
    ZoomView *view() const { return m_view; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateStatus();

    ZoomView *m_view;
    QLabel *m_status;
    QString m_sheetStatus;
};

} // namespace shell
