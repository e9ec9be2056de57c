#pragma once

#include "SheetLoader.h"
#include "ThumbnailCache.h"

#include <QStringList>
#include <QThreadPool>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;

namespace shell {

class EntryFilter;
class GalleryModel;
class GalleryView;

// The gallery window (Ctrl+G): a filter field over the tiles. A click on a tile, or Enter, is a
// choice of that entry in its own list; the gallery stays open. Esc clears the filter, or closes
// the window when there is none. Thumbnails come from the desktop's thumbnail cache where it has
// them for the sheet as it is now, and are otherwise decoded and kept there; either way they are
// read by the gallery's helpers, the visible ones first, each sheet once per opening, and appear
// as they come. The helpers end when the gallery closes. A sheet that cannot be had says why in
// its tile.
class Gallery : public QWidget {
    Q_OBJECT
public:
    Gallery(sheets::SheetLoader loader, QWidget *parent = nullptr);
    ~Gallery() override;

    // Shows the window and reads every sheet again.
    void open(const QWidget *near);
    // Reads every sheet again, keeping the filter.
    void reload() { load(); }
    // Reads `sheets` again, whose files came, went or changed; once the tiles on their way are in,
    // when some are.
    void refresh(const QStringList &sheets);
    // How many sheets are still being decoded.
    int pending() const { return m_pending; }
    // Waits until the thumbnails on their way to the cache are written.
    void waitForThumbnails() { m_writers.waitForDone(); }

    QLineEdit *filterField() const { return m_filter; }
    QLabel *noMatchLabel() const { return m_noMatch; }
    GalleryView *view() const { return m_view; }

    // A line above the tiles, such as where sheets go when there are none; empty: no line.
    void setHint(const QString &hint);
    QString hint() const;
    // Makes the tile of entry `index` of list `list` the current one, where the filter shows it.
    void showChoice(int list, int index);

signals:
    void entryChosen(int list, int index);
    void addSheetsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Opening;
    struct TileLoad;
    void load();
    void decode(const std::vector<std::string> &sheets, bool cached);
    static void submit(Gallery *gallery, const std::shared_ptr<Opening> &opening,
                       const std::shared_ptr<TileLoad> &load);
    void decoded(const std::shared_ptr<Opening> &opening, const std::shared_ptr<TileLoad> &load,
                 sheets::DecodeResult result);
    void setTile(const std::string &sheet, QImage picture, sheets::SheetError error);
    void writeThumbnails();
    void stopLoading();
    void chooseCurrent();

    sheets::SheetLoader m_loader;
    std::shared_ptr<const sheets::ThumbnailCache> m_thumbnails; // shared with the writing thread
    // Writes thumbnails when nothing else wants the processor, so that the tiles still on their
    // way are not held up; what it has not begun is dropped when the gallery goes.
    QThreadPool m_writers;
    std::vector<std::function<void()>> m_unwritten; // the opening's, written once it is in
    GalleryModel *m_model;
    EntryFilter *m_matches;
    QLineEdit *m_filter;
    QLabel *m_hint;
    QLabel *m_noMatch;
    GalleryView *m_view;
    int m_pending = 0;
    QStringList m_changed;              // sheets to read again once those pending are in
    std::shared_ptr<Opening> m_opening; // the sheets of this opening on their way
};

} // namespace shell
