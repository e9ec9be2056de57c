#pragma once

#include <QListView>

#include <vector>

namespace shell {

// The tiles in rows that wrap with the window, each caption on a line of its own. The arrow
// keys, Home, End and the page keys move between tiles and never stop on a caption; Ctrl with
// the wheel sizes the tiles.
class GalleryView : public QListView {
    Q_OBJECT
public:
    explicit GalleryView(QWidget *parent = nullptr);

    int tileWidth() const { return m_tileWidth; }
    void setTileWidth(int width);
    // A step larger (> 0) or smaller (< 0).
    void zoomTiles(double steps);
    // The part of a tile its picture takes: 4:3, as sheets are drawn.
    QSize pictureSize() const { return {m_tileWidth, m_tileWidth * 3 / 4}; }
    // The rows the view shows now.
    std::vector<int> visibleRows() const;
    // Makes the first tile the current one.
    void toFirstTile() { setCurrentIndex(moveCursor(MoveHome, {})); }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_tileWidth = 160;
};

} // namespace shell
