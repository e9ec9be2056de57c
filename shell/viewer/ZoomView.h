#pragma once

#include "SheetLoader.h"
#include "ViewerDecoder.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

namespace shell {

// The sheet at any zoom: fitted to the window at first, never enlarged past 100 % when it fits,
// up to 1600 %. Only what is shown is decoded, at the scale it is shown, off the window's thread:
// until it comes, what there is shows scaled, and it gets sharper as the zoom settles.
class ZoomView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ZoomView(sheets::SheetLoader loader, QWidget *parent = nullptr);

    // Shows `sheet`, found as `path` and of `fullSize` pixels upright: at once `preview`, a
    // picture of the whole sheet at any size (or nothing), then sharper. An empty size shows
    // nothing.
    void setSheet(const std::string &sheet, const std::string &path, QSize fullSize,
                  const QImage &preview);

    // Device pixels per sheet pixel: 1 is 100 %, one sheet pixel per screen pixel.
    double zoom() const { return m_zoom; }
    void zoomBy(double factor, QPointF anchor);
    void zoomTo(double zoom, QPointF anchor);
    void fit();
    QSize decodedSize() const { return m_image.size(); }
    // Looks again, once things settle, whether the file is still what is shown.
    void recheck();
    // Decodes what is shown again, once things settle: its file may have been written over.
    void reload();
    // Whether what is shown is all the zoom asks for, with no decoding under way.
    bool isSettled() const { return !m_settle.isActive() && m_pending == 0; }

signals:
    void zoomChanged(double zoom);
    // A decoding found the sheet other than it was shown: another size, another file, or none
    // to be had. What it found is given; what was shown is dropped.
    void sheetChanged(const sheets::DecodeResult &found);

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
    QRectF visiblePart() const;
    void updateScrollBars();
    void decode();
    void decoded(const ViewerDecoder::Result &result);
    bool decodedCoversView() const;

    ViewerDecoder *m_decoder;
    std::string m_sheet;
    std::string m_path; // the file it was found as
    QSize m_full;       // the sheet's own size, upright
    double m_zoom = 1.0;
    bool m_fitting = true;
    QImage m_image;        // what was decoded ...
    QRectF m_imagePart;    // ... and the part of the sheet it shows, in sheet pixels
    quint64 m_asked = 0;   // the newest request; results of older ones are stale
    int m_pending = 0;     // requests not yet answered
    bool m_reload = false; // what was decoded may be stale, though it covers the view
    QTimer m_settle;       // decodes again once zooming and panning pause
    QPoint m_dragFrom;
};

} // namespace shell
