#pragma once

#include "SheetLoader.h"

#include <QAbstractListModel>
#include <QImage>
#include <QListView>
#include <QThreadPool>

#include <atomic>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;

namespace shell {

class EntryFilter;

// Every entry of the catalogue as a tile, under its category's caption, in list order; entries
// that share a sheet each show it. A tile's picture is filled in when its sheet is decoded.
class GalleryModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { PendingRole = Qt::UserRole + 10 };

    GalleryModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The distinct sheets, those of `first` rows first, then in catalogue order.
    std::vector<std::string> sheetsInOrder(const std::vector<int> &first) const;
    // Every tile back to waiting for its picture.
    void clearPictures();
    void setPicture(const std::string &sheet, QImage picture, sheets::SheetError error);

private:
    struct Tile {
        int list; // 0: a category's caption
        int index;
        QString text;
        QString category;
        std::string sheet;
    };
    struct Picture {
        QImage image;
        sheets::SheetError error = sheets::SheetError::None;
        bool pending = true;
    };
    std::vector<Tile> m_tiles;
    std::map<std::string, Picture> m_pictures;
};

// The tiles in rows that wrap with the window, each caption on a line of its own. The arrow
// keys, Home, End and the page keys move between tiles and never stop on a caption.
class GalleryView : public QListView {
    Q_OBJECT
public:
    explicit GalleryView(QWidget *parent = nullptr);

    int tileWidth() const { return m_tileWidth; }
    void setTileWidth(int width);
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

// The gallery window (Ctrl+G): a filter field over the tiles. A click on a tile, or Enter, is a
// choice of that entry in its own list; the gallery stays open. Esc clears the filter, or closes
// the window when there is none. Thumbnails are decoded on other threads, the visible ones
// first, each sheet once per opening, and appear as they come; nothing is kept between
// openings. A sheet that cannot be had says why in its tile.
class Gallery : public QWidget {
    Q_OBJECT
public:
    Gallery(sheets::SheetLoader loader, QWidget *parent = nullptr);
    ~Gallery() override;

    // Shows the window and reads every sheet again.
    void open();
    // Reads every sheet again, keeping the filter.
    void reload() { load(); }
    // How many sheets are still being decoded.
    int pending() const { return m_pending; }

    QLineEdit *filterField() const { return m_filter; }
    GalleryView *view() const { return m_view; }

    // A line above the tiles, such as where sheets go when there are none; empty: no line.
    void setHint(const QString &hint);
    QString hint() const;

signals:
    void entryChosen(int list, int index);
    void addSheetsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void load();
    void chooseCurrent();

    sheets::SheetLoader m_loader;
    GalleryModel *m_model;
    EntryFilter *m_matches;
    QLineEdit *m_filter;
    QLabel *m_hint;
    GalleryView *m_view;
    int m_pending = 0;
    std::shared_ptr<std::atomic_bool> m_cancelled; // of the opening being loaded
    QThreadPool m_decoders;                        // last: waits for its threads first
};

} // namespace shell
