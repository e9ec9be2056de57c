#include "Gallery.h"

#include "ApplicationRecord.h"
#include "EntryFilter.h"
#include "GalleryModel.h"
#include "GalleryView.h"
#include "QtText.h"
#include "TileDelegate.h"
#include "WindowPlacement.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThreadPool>

#include <mutex>

#include <unistd.h>

namespace shell {

using sheets::qs;

Gallery::Gallery(sheets::SheetLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_loader(std::move(loader))
    , m_thumbnails(std::make_shared<sheets::ThumbnailCache>())
    , m_model(new GalleryModel(this))
    , m_matches(new EntryFilter(this))
    , m_filter(new QLineEdit(this))
    , m_hint(new QLabel(this))
    , m_noMatch(new QLabel(tr("No entry matches"), this))
    , m_view(new GalleryView(this))
{
    setObjectName(QStringLiteral("Gallery"));
    m_writers.setMaxThreadCount(1);
    m_writers.setThreadPriority(QThread::IdlePriority);
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Gallery \u2014 %1").arg(qs(kApplicationTitle)));
    m_matches->setSourceModel(m_model);
    m_view->setModel(m_matches);
    m_view->setItemDelegate(new TileDelegate(m_view));
    m_view->setAccessibleName(tr("All entries"));
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setPlaceholderText(tr("Show the entries whose name contains\u2026"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    m_hint->setWordWrap(true);
    m_hint->setTextFormat(Qt::PlainText);
    m_hint->hide();
    auto *addSheets = new QPushButton(tr("&Add Sheets\u2026"), this);
    addSheets->setAutoDefault(false);
    connect(addSheets, &QPushButton::clicked, this, &Gallery::addSheetsRequested);
    auto *top = new QHBoxLayout;
    top->addWidget(m_filter, 1);
    top->addWidget(addSheets);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_hint);
    m_noMatch->setAlignment(Qt::AlignCenter);
    m_noMatch->hide();
    layout->addWidget(m_noMatch);
    layout->addWidget(m_view, 1);

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_matches->setText(text);
        // The entry that is the text, or starts with it, is the one Enter chooses, as in Find.
        if (const QModelIndex best = m_matches->bestMatch(); best.isValid())
            m_view->setCurrentIndex(best);
        else
            m_view->toFirstTile();
        m_noMatch->setVisible(m_matches->rowCount() == 0);
    });
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (!CatalogueModel::isCaption(index))
            emit entryChosen(index.data(ListRole).toInt(), index.data(IndexRole).toInt());
    });
}

// The requests of one opening. Filled on threads of the pool, since finding 209 sheets in their
// folders and their thumbnails takes a moment, and cancelled from the window's; guarded by its
// mutex. The sizes never change.
struct Gallery::Opening {
    const sheets::SheetLoader loader;
    const QSize tile;   // a tile's picture, device pixels
    const QSize decode; // a sheet's picture, large enough for its cached thumbnail too
    const int edge;     // the cached thumbnails' edge
    std::mutex mutex;
    std::vector<sheets::PendingDecode> requests;
    bool cancelled = false;
};

// One sheet on its way to its tile: the sheet, open, and the cached files that may stand for it
// (its thumbnail, then its failure record), tried in turn before the sheet itself is decoded.
// Passed between a thread of the pool, which opens files and asks, and the window's, which reads
// the answer; one of them has it at a time.
struct Gallery::TileLoad {
    enum class Reading { Sheet, Thumbnail, FailureRecord };
    std::string sheet;
    sheets::OpenedSheet opened;
    sheets::ThumbnailSource source; // not valid: nothing is cached for it
    std::vector<std::pair<sheets::FileDescriptor, Reading>> cached;
    Reading reading = Reading::Sheet; // what the answer on its way is of
};

Gallery::~Gallery()
{
    stopLoading();
    m_writers.clear();
}

void Gallery::stopLoading()
{
    if (m_opening) {
        const std::lock_guard lock(m_opening->mutex);
        m_opening->cancelled = true;
        m_opening->requests.clear(); // cancels them
    }
    m_opening.reset();
    m_pending = 0;
    m_changed.clear();
    writeThumbnails(); // those decoded so far
}

void Gallery::closeEvent(QCloseEvent *event)
{
    // Closed: nothing more is decoded for it, and its helpers end.
    stopLoading();
    if (sheets::DecodeService *decoders = m_loader.service())
        decoders->release(sheets::Requester::Gallery);
    QWidget::closeEvent(event);
}

void Gallery::setHint(const QString &hint)
{
    m_hint->setText(hint);
    m_hint->setVisible(!hint.isEmpty());
}

QString Gallery::hint() const
{
    return m_hint->text();
}

void Gallery::showChoice(int list, int index)
{
    const QModelIndex tile = m_matches->mapFromSource(m_model->indexOf(list, index));
    if (tile.isValid())
        m_view->setCurrentIndex(tile);
}

void Gallery::open(const QWidget *near)
{
    m_filter->clear();
    if (!isVisible())
        placeOnScreen(this, QSize(900, 700), near);
    show();
    raise();
    activateWindow();
    m_filter->setFocus();
    load();
}

// Each sheet once, by the gallery's helpers, those of the tiles in view first. Answers to an
// opening that was left are dropped.
void Gallery::load()
{
    stopLoading();
    m_model->clearPictures();
    m_view->doItemsLayout();
    std::vector<int> visible;
    for (int row : m_view->visibleRows())
        visible.push_back(m_matches->mapToSource(m_matches->index(row, 0)).row());
    decode(m_model->sheetsInOrder(visible), true);
}

void Gallery::refresh(const QStringList &changed)
{
    m_changed << changed;
    if (m_pending > 0) // read once the tiles on their way are in
        return;
    std::vector<std::string> sheets;
    for (const std::string &sheet : m_model->sheetsInOrder({})) {
        if (m_changed.contains(sheets::qs(sheet)))
            sheets.push_back(sheet);
    }
    m_changed.clear();
    // Changed, by what the watch saw: a sheet written again within the same second keeps its
    // cached thumbnail's time, so it is decoded whatever the cache says.
    if (!sheets.empty())
        decode(sheets, false);
}

void Gallery::decode(const std::vector<std::string> &sheets, bool cached)
{
    stopLoading();
    const QSize tile = m_view->pictureSize() * devicePixelRatioF();
    const int edge = sheets::ThumbnailCache::edgeFor(tile);
    auto opening = std::shared_ptr<Opening>(
        new Opening{m_loader, tile, tile.expandedTo(QSize(edge, edge)), edge, {}, {}, false});
    m_opening = opening;
    m_pending = int(sheets.size());
    QThreadPool::globalInstance()->start([this, opening, sheets, cached, cache = m_thumbnails] {
        for (const std::string &sheet : sheets) {
            auto load = std::make_shared<TileLoad>();
            load->sheet = sheet;
            load->opened = opening->loader.open(sheet);
            if (load->opened.file.isOpen())
                load->source = cache->sourceOf(load->opened.file.get(), load->opened.path);
            if (cached && load->source.isValid()) {
                using Reading = TileLoad::Reading;
                if (auto file = cache->openThumbnail(load->source, opening->edge); file.isOpen())
                    load->cached.emplace_back(std::move(file), Reading::Thumbnail);
                if (auto file = cache->openFailure(load->source); file.isOpen())
                    load->cached.emplace_back(std::move(file), Reading::FailureRecord);
            }
            submit(this, opening, load);
            const std::lock_guard lock(opening->mutex);
            if (opening->cancelled)
                return;
        }
    });
}

// On a thread of the pool: the next file of `load` to the helpers. `gallery` is only touched
// while its opening stands, which its destructor ends first.
void Gallery::submit(Gallery *gallery, const std::shared_ptr<Opening> &opening,
                     const std::shared_ptr<TileLoad> &load)
{
    std::shared_ptr<sheets::DecodeTicket> ticket;
    if (!load->cached.empty()) { // read as a tile, like any file, by the helpers
        auto [file, reading] = std::move(load->cached.front());
        load->cached.erase(load->cached.begin());
        load->reading = reading;
        ticket = opening->loader.request(std::move(file),
                                         sheets::DecodeRequest::thumbnail(opening->tile));
    } else if (load->opened.file.isOpen()) {
        load->reading = TileLoad::Reading::Sheet;
        const bool keeps = load->source.isValid();
        ticket = opening->loader.request(
            sheets::FileDescriptor(::dup(load->opened.file.get())),
            sheets::DecodeRequest::thumbnail(keeps ? opening->decode : opening->tile),
            load->opened.path);
    } else {
        sheets::DecodeResult missing;
        missing.error = load->opened.error;
        ticket = sheets::DecodeTicket::finished(std::move(missing), load->opened.path);
    }
    sheets::PendingDecode decoding(std::move(ticket));
    const std::lock_guard lock(opening->mutex);
    if (opening->cancelled)
        return;
    decoding->then(gallery, [gallery, opening, load](sheets::DecodeResult result) {
        gallery->decoded(opening, load, std::move(result));
    });
    opening->requests.push_back(std::move(decoding));
}

void Gallery::decoded(const std::shared_ptr<Opening> &opening,
                      const std::shared_ptr<TileLoad> &load, sheets::DecodeResult result)
{
    using Reading = TileLoad::Reading;
    const bool matches = sheets::ThumbnailCache::matches(result.thumbnail, load->source);
    switch (load->reading) {
    case Reading::Thumbnail:
        if (matches && result.isShown())
            return setTile(load->sheet, std::move(result.image), sheets::SheetError::None);
        break;
    case Reading::FailureRecord:
        if (matches && result.isShown() && result.thumbnail.refusal != 0)
            return setTile(load->sheet, {}, sheets::SheetError(result.thumbnail.refusal));
        break;
    case Reading::Sheet: {
        const bool refused = result.error == sheets::SheetError::NotAPicture ||
                             result.error == sheets::SheetError::TooLarge;
        // Packed and written off the window's thread once every tile is in, so that writing
        // never holds up a tile; the picture is shared with the tile, never changed.
        result.image.setDevicePixelRatio(devicePixelRatioF());
        if (load->source.isValid() && (result.isShown() || (refused && !result.transient)))
            m_unwritten.push_back([cache = m_thumbnails, source = load->source,
                                   edge = opening->edge, picture = result.image,
                                   error = result.error] {
                if (picture.isNull())
                    cache->storeFailure(source, error);
                else
                    cache->store(source, picture, edge);
            });
        return setTile(load->sheet, std::move(result.image), result.error);
    }
    }
    // Not the sheet's as it is now, or not a picture at all: the next file, then the sheet.
    QThreadPool::globalInstance()->start([this, opening, load] { submit(this, opening, load); });
}

void Gallery::setTile(const std::string &sheet, QImage picture, sheets::SheetError error)
{
    picture.setDevicePixelRatio(devicePixelRatioF());
    m_model->setPicture(sheet, std::move(picture), error);
    if (--m_pending > 0)
        return;
    writeThumbnails();
    if (!m_changed.isEmpty())
        refresh({});
}

void Gallery::writeThumbnails()
{
    for (std::function<void()> &write : m_unwritten)
        m_writers.start(std::move(write));
    m_unwritten.clear();
}

void Gallery::chooseCurrent()
{
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && !CatalogueModel::isCaption(current))
        emit entryChosen(current.data(ListRole).toInt(), current.data(IndexRole).toInt());
}

// Keys typed in the filter that move or choose go to the tiles, so the keyboard alone does all.
// Ctrl with plus, equals or minus, on the main keys or the keypad, Shift or not: +1, -1, or 0.
static int zoomStepOf(const QKeyEvent *key)
{
    if (!(key->modifiers() & Qt::ControlModifier))
        return 0;
    if (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Equal)
        return 1;
    return key->key() == Qt::Key_Minus ? -1 : 0;
}

bool Gallery::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_filter || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (const int step = zoomStepOf(key)) { // never typed into the filter
        m_view->zoomTiles(step);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QCoreApplication::sendEvent(m_view, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCurrent();
        return true;
    default:
        return false;
    }
}

void Gallery::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_filter->text().isEmpty())
            close();
        else
            m_filter->clear();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        chooseCurrent();
    } else if (const int step = zoomStepOf(event)) {
        m_view->zoomTiles(step);
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace shell
