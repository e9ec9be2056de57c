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

namespace shell {

using sheets::qs;

Gallery::Gallery(sheets::SheetLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_loader(std::move(loader))
    , m_model(new GalleryModel(this))
    , m_matches(new EntryFilter(this))
    , m_filter(new QLineEdit(this))
    , m_hint(new QLabel(this))
    , m_noMatch(new QLabel(tr("No entry matches"), this))
    , m_view(new GalleryView(this))
{
    setObjectName(QStringLiteral("Gallery"));
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

// The requests of one opening. Filled on a thread of the pool, since finding 209 sheets in their
// folders takes a moment, and cancelled from the window's; guarded by its mutex.
struct Gallery::Opening {
    std::mutex mutex;
    std::vector<sheets::PendingDecode> requests;
    bool cancelled = false;
};

Gallery::~Gallery()
{
    stopLoading();
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
    decode(m_model->sheetsInOrder(visible));
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
    if (!sheets.empty())
        decode(sheets);
}

void Gallery::decode(const std::vector<std::string> &sheets)
{
    stopLoading();
    const sheets::DecodeRequest request =
        sheets::DecodeRequest::thumbnail(m_view->pictureSize() * devicePixelRatioF());
    auto opening = std::make_shared<Opening>();
    m_opening = opening;
    m_pending = int(sheets.size());
    QThreadPool::globalInstance()->start([this, opening, sheets, request, loader = m_loader] {
        for (const std::string &sheet : sheets) {
            sheets::PendingDecode decoding(loader.request(sheet, request));
            const std::lock_guard lock(opening->mutex);
            if (opening->cancelled)
                return;
            decoding->then(this, [this, sheet](sheets::DecodeResult decoded) {
                decoded.image.setDevicePixelRatio(devicePixelRatioF());
                m_model->setPicture(sheet, std::move(decoded.image), decoded.error);
                if (--m_pending == 0 && !m_changed.isEmpty())
                    refresh({});
            });
            opening->requests.push_back(std::move(decoding));
        }
    });
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
