#include "ZoomView.h"

#include "SheetFolders.h"
#include "SheetLimits.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>

namespace shell {

namespace {

constexpr double kMaxZoom = 16.0;
constexpr double kZoomStep = 1.25;
// Above this, pixels are drawn as squares: a sheet is looked at for its details then.
constexpr double kSharpFrom = 4.0;
// A decoded picture up to this size covers the whole sheet; a larger one only what is shown,
// and a margin around it for panning.
constexpr qint64 kWholeDecodeBytes = 64 * 1024 * 1024;
constexpr int kSettleMs = 120;

} // namespace

ZoomView::ZoomView(sheets::SheetLoader loader, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_decoder(new ViewerDecoder(std::move(loader), this))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::OpenHandCursor);
    setToolTip(tr("Ctrl+wheel, + and \u2212 zoom in and out; 1 shows 100 %, F fits the "
                  "window.\nDrag, the arrow keys or the scroll bars move the picture. Esc "
                  "closes."));
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ZoomView::decode);
    connect(m_decoder, &ViewerDecoder::decoded, this, &ZoomView::decoded);
}

void ZoomView::setSheet(const std::string &sheet, const std::string &path, QSize fullSize,
                        const QImage &preview)
{
    // The same file again (another entry that shares it, or read again after a change in its
    // folder) keeps the zoom and the place; its pixels are read again all the same.
    if (sheet == m_sheet && path == m_path && fullSize == m_full && !m_full.isEmpty()) {
        reload();
        return;
    }
    m_sheet = sheet;
    m_path = path;
    m_full = fullSize;
    m_image = m_full.isEmpty() ? QImage() : preview;
    m_imagePart = QRectF(QPointF(), QSizeF(m_full));
    ++m_asked; // what was asked for the sheet before is stale now
    fit();
}

double ZoomView::fitZoom() const
{
    if (m_full.isEmpty())
        return 1.0;
    const QSizeF room = QSizeF(viewport()->size()) * devicePixelRatioF();
    return std::min(room.width() / m_full.width(), room.height() / m_full.height());
}

double ZoomView::logicalScale() const
{
    return m_zoom / devicePixelRatioF();
}

// Where the sheet's top-left corner stands in the viewport: centred while it is smaller.
QPointF ZoomView::canvasOrigin() const
{
    const QSizeF canvas = QSizeF(m_full) * logicalScale();
    const QSizeF room = viewport()->size();
    return {canvas.width() < room.width() ? (room.width() - canvas.width()) / 2
                                          : -horizontalScrollBar()->value(),
            canvas.height() < room.height() ? (room.height() - canvas.height()) / 2
                                            : -verticalScrollBar()->value()};
}

void ZoomView::updateScrollBars()
{
    const QSize canvas = (QSizeF(m_full) * logicalScale()).toSize();
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, canvas.width() - room.width()));
    verticalScrollBar()->setRange(0, std::max(0, canvas.height() - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setPageStep(room.height());
    horizontalScrollBar()->setSingleStep(24);
    verticalScrollBar()->setSingleStep(24);
}

void ZoomView::fit()
{
    m_fitting = true;
    m_zoom = std::min(fitZoom(), 1.0);
    updateScrollBars();
    viewport()->update();
    m_settle.start();
    emit zoomChanged(m_zoom);
}

void ZoomView::zoomBy(double factor, QPointF anchor)
{
    zoomTo(m_zoom * factor, anchor);
}

// The sheet point under `anchor` stays under it.
void ZoomView::zoomTo(double zoom, QPointF anchor)
{
    if (m_full.isEmpty())
        return;
    const QPointF sheetPoint = (anchor - canvasOrigin()) / logicalScale();
    m_fitting = false;
    m_zoom = std::clamp(zoom, std::min(fitZoom(), 1.0), kMaxZoom);
    updateScrollBars();
    const QPointF scroll = sheetPoint * logicalScale() - anchor;
    horizontalScrollBar()->setValue(qRound(scroll.x()));
    verticalScrollBar()->setValue(qRound(scroll.y()));
    viewport()->update();
    m_settle.start();
    emit zoomChanged(m_zoom);
}

// The part of the sheet the viewport shows, in sheet pixels.
QRectF ZoomView::visiblePart() const
{
    const double scale = logicalScale();
    return QRectF((QPointF(viewport()->rect().topLeft()) - canvasOrigin()) / scale,
                  QSizeF(viewport()->size()) / scale)
        .intersected(QRectF(QPointF(), QSizeF(m_full)));
}

bool ZoomView::decodedCoversView() const
{
    const double scale = m_imagePart.isEmpty() ? 0 : m_image.width() / m_imagePart.width();
    return qFuzzyCompare(scale, std::min(m_zoom, 1.0)) && m_imagePart.contains(visiblePart());
}

// Asks for what is shown, at the scale it is shown, up to 100 %; larger zooms enlarge that. When
// that is shown already, only looks whether the file is still the one shown.
void ZoomView::decode()
{
    const bool reload = std::exchange(m_reload, false);
    if (m_full.isEmpty()) { // none to be had: looked for again only when its folder changed
        if (reload) {
            ++m_pending;
            m_decoder->decode({++m_asked, m_sheet, sheets::DecodeRequest::look(), QRectF()});
        }
        return;
    }
    if (!reload && decodedCoversView()) {
        ++m_pending;
        m_decoder->decode({++m_asked, m_sheet, sheets::DecodeRequest::look(), m_imagePart});
        return;
    }
    const double scale = std::min(m_zoom, 1.0);
    const QSize target = (QSizeF(m_full) * scale).toSize().expandedTo(QSize(1, 1));
    ViewerDecoder::Request request{++m_asked, m_sheet, sheets::DecodeRequest::box(target),
                                   QRectF(QPointF(), QSizeF(m_full))};
    if (qint64(target.width()) * target.height() * sheets::kBytesPerPixel > kWholeDecodeBytes) {
        const QRectF shown = visiblePart();
        const QRectF wide = shown.adjusted(-shown.width() / 2, -shown.height() / 2,
                                           shown.width() / 2, shown.height() / 2);
        const QRect clip = QRectF(wide.topLeft() * scale, wide.size() * scale)
                               .toAlignedRect()
                               .intersected(QRect(QPoint(), target));
        request.request = sheets::DecodeRequest::region(target, clip);
        request.part = QRectF(QPointF(clip.topLeft()) / scale, QSizeF(clip.size()) / scale);
    }
    ++m_pending;
    m_decoder->decode(std::move(request));
}

void ZoomView::decoded(const ViewerDecoder::Result &result)
{
    --m_pending;
    if (result.generation != m_asked)
        return;
    const sheets::DecodeResult &found = result.decoded;
    const bool lookOnly = !result.request.wantsPixels();
    if ((found.image.isNull() && !lookOnly) || found.error != sheets::SheetError::None ||
        found.fullSize != m_full || sheets::absolutePath(found.path) != m_path) {
        emit sheetChanged(found);
        return;
    }
    if (lookOnly)
        return;
    m_image = result.decoded.image;
    m_imagePart = result.part;
    viewport()->update();
}

void ZoomView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().dark());
    if (m_image.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_zoom < kSharpFrom);
    const double scale = logicalScale();
    const QRectF target(canvasOrigin() + m_imagePart.topLeft() * scale, m_imagePart.size() * scale);
    painter.drawImage(target, m_image);
}

void ZoomView::recheck()
{
    m_settle.start();
}

void ZoomView::reload()
{
    m_reload = true;
    ++m_asked; // an answer on its way may be of the file as it was
    m_settle.start();
}

void ZoomView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fitting)
        fit();
    else
        zoomTo(m_zoom, viewport()->rect().center()); // may no longer reach down to a fit
}

void ZoomView::scrollContentsBy(int, int)
{
    viewport()->update();
    if (!decodedCoversView())
        m_settle.start();
}

void ZoomView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    zoomBy(std::pow(kZoomStep, event->angleDelta().y() / 120.0), event->position());
    event->accept();
}

void ZoomView::mousePressEvent(QMouseEvent *event)
{
    m_dragFrom = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void ZoomView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint moved = event->position().toPoint() - m_dragFrom;
    m_dragFrom = event->position().toPoint();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
}

void ZoomView::keyPressEvent(QKeyEvent *event)
{
    // The pointer's place when it is over the picture, else the middle.
    const QPoint pointer = viewport()->mapFromGlobal(QCursor::pos());
    const QPointF anchor =
        viewport()->rect().contains(pointer) ? QPointF(pointer) : viewport()->rect().center();
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomBy(kZoomStep, anchor);
        break;
    case Qt::Key_Minus:
        zoomBy(1 / kZoomStep, anchor);
        break;
    case Qt::Key_1:
        zoomTo(1.0, anchor);
        break;
    case Qt::Key_F:
    case Qt::Key_0:
        fit();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace shell
