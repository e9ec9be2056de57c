#include "GalleryView.h"

#include "CatalogueModel.h"

#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

constexpr int kMinTileWidth = 64;
constexpr int kMaxTileWidth = 320;
constexpr double kTileStep = 1.2;

} // namespace

GalleryView::GalleryView(QWidget *parent)
    : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setSpacing(6);
    setUniformItemSizes(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void GalleryView::setTileWidth(int width)
{
    m_tileWidth = std::clamp(width, kMinTileWidth, kMaxTileWidth);
    scheduleDelayedItemsLayout();
}

void GalleryView::zoomTiles(double steps)
{
    setTileWidth(int(m_tileWidth * std::pow(kTileStep, steps)));
}

std::vector<int> GalleryView::visibleRows() const
{
    std::vector<int> rows;
    for (int row = 0; model() != nullptr && row < model()->rowCount(); ++row) {
        if (visualRect(model()->index(row, 0)).intersects(viewport()->rect()))
            rows.push_back(row);
    }
    return rows;
}

// Past a caption, to the tile beyond it in the same direction.
QModelIndex GalleryView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex before = currentIndex();
    QModelIndex next = QListView::moveCursor(action, modifiers);
    const bool forward = action == MoveDown || action == MoveRight || action == MoveNext ||
                         action == MovePageDown || action == MoveHome;
    while (next.isValid() && CatalogueModel::isCaption(next)) {
        const int row = next.row() + (forward ? 1 : -1);
        next = row >= 0 && row < model()->rowCount() ? model()->index(row, 0) : before;
    }
    return next;
}

void GalleryView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QListView::wheelEvent(event);
        return;
    }
    zoomTiles(event->angleDelta().y() / 120.0);
    event->accept();
}

} // namespace shell
