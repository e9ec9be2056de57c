#include "Gallery.h"

#include "Catalogue.h"
#include "EntryFilter.h"
#include "QtText.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <set>

namespace shell {

namespace {

constexpr int kMinTileWidth = 64;
constexpr int kMaxTileWidth = 320;
constexpr double kTileStep = 1.2;
constexpr int kCaptionHeight = 30;
constexpr int kTextLines = 2;

// Draws a caption across the view, and a tile as its picture (or what stands for it) above its
// text.
class TileDelegate : public QStyledItemDelegate {
public:
    explicit TileDelegate(GalleryView *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.data(ListRole).toInt() == 0)
            return {m_view->viewport()->width() - 2 * m_view->spacing() - 1, kCaptionHeight};
        const int w = m_view->tileWidth();
        return {w, w * 3 / 4 + kTextLines * option.fontMetrics.height() + 8};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QRect r = option.rect;
        painter->save();
        if (index.data(ListRole).toInt() == 0) {
            QFont bold = option.font;
            bold.setBold(true);
            painter->setFont(bold);
            painter->setPen(option.palette.color(QPalette::Text));
            painter->drawText(r.adjusted(4, 0, 0, -4), Qt::AlignLeft | Qt::AlignBottom,
                              index.data().toString());
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(r.bottomLeft(), r.bottomRight());
            painter->restore();
            return;
        }
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(option.palette.color(QPalette::Highlight));
            painter->drawRoundedRect(r, 4, 4);
        }
        const QRect frame(r.left() + 4, r.top() + 4, r.width() - 8, r.width() * 3 / 4 - 8);
        const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
        if (!picture.isNull()) {
            const QSize fitted = (picture.size() / picture.devicePixelRatio())
                                     .scaled(frame.size(), Qt::KeepAspectRatio);
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawImage(QRect(QPoint(), fitted)
                                   .translated(frame.center() - QRect(QPoint(), fitted).center()),
                               picture);
        } else {
            painter->fillRect(frame, option.palette.color(QPalette::AlternateBase));
            painter->setPen(option.palette.color(QPalette::PlaceholderText));
            const bool pending = index.data(GalleryModel::PendingRole).toBool();
            painter->drawText(frame, Qt::AlignCenter | Qt::TextWordWrap,
                              pending ? QString() : index.data(Qt::ToolTipRole).toString());
        }
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect text(r.left() + 2, frame.bottom() + 6, r.width() - 4,
                         kTextLines * option.fontMetrics.height());
        painter->drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                          option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight,
                                                        kTextLines * text.width() - 8));
        painter->restore();
    }

private:
    GalleryView *m_view;
};

} // namespace

GalleryModel::GalleryModel(QObject *parent)
    : QAbstractListModel(parent)
{
    for (const catalogue::Category &c : catalogue::kCategories) {
        m_tiles.push_back({0, -1, qs(c.caption), qs(c.name), {}});
        for (const catalogue::Entry &e : c.entries)
            m_tiles.push_back({c.number, e.index, qs(e.text), qs(c.name), std::string(e.sheet)});
    }
    clearPictures();
}

int GalleryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_tiles.size());
}

Qt::ItemFlags GalleryModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || m_tiles[std::size_t(index.row())].list == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant GalleryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Tile &tile = m_tiles[std::size_t(index.row())];
    const Picture *picture = tile.list == 0 ? nullptr : &m_pictures.at(tile.sheet);
    const QString sheet = QString::fromStdString(tile.sheet);
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return tile.text;
    case ListRole:
        return tile.list;
    case IndexRole:
        return tile.index;
    case Qt::AccessibleTextRole:
        return tile.list == 0 ? tile.text : tile.category + QStringLiteral(": ") + tile.text;
    case Qt::DecorationRole:
        return picture != nullptr ? QVariant(picture->image) : QVariant();
    case PendingRole:
        return picture != nullptr && picture->pending;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (picture == nullptr)
            return {};
        if (picture->pending)
            return tr("%1, being read").arg(sheet);
        if (picture->error != sheets::SheetError::None)
            return sheets::describe(picture->error); // in the tile, never in a box
        return sheet;
    default:
        return {};
    }
}

std::vector<std::string> GalleryModel::sheetsInOrder(const std::vector<int> &first) const
{
    std::vector<std::string> sheets;
    std::set<std::string> taken;
    auto take = [&](int row) {
        const std::string &sheet = m_tiles[std::size_t(row)].sheet;
        if (!sheet.empty() && taken.insert(sheet).second)
            sheets.push_back(sheet);
    };
    for (int row : first)
        take(row);
    for (int row = 0; row < rowCount(); ++row)
        take(row);
    return sheets;
}

void GalleryModel::clearPictures()
{
    for (const Tile &tile : m_tiles) {
        if (tile.list != 0)
            m_pictures[tile.sheet] = Picture();
    }
    if (!m_tiles.empty())
        emit dataChanged(index(0), index(rowCount() - 1));
}

void GalleryModel::setPicture(const std::string &sheet, QImage picture, sheets::SheetError error)
{
    m_pictures[sheet] = {std::move(picture), error, false};
    for (int row = 0; row < rowCount(); ++row) {
        if (m_tiles[std::size_t(row)].sheet == sheet)
            emit dataChanged(index(row), index(row));
    }
}

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
    setItemDelegate(new TileDelegate(this));
}

void GalleryView::setTileWidth(int width)
{
    m_tileWidth = std::clamp(width, kMinTileWidth, kMaxTileWidth);
    scheduleDelayedItemsLayout();
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
    while (next.isValid() && next.data(ListRole).toInt() == 0) {
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
    setTileWidth(int(m_tileWidth * std::pow(kTileStep, event->angleDelta().y() / 120.0)));
    event->accept();
}

Gallery::Gallery(sheets::SheetLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_loader(std::move(loader))
    , m_model(new GalleryModel(this))
    , m_matches(new EntryFilter(this))
    , m_filter(new QLineEdit(this))
    , m_hint(new QLabel(this))
    , m_view(new GalleryView(this))
{
    setObjectName(QStringLiteral("Gallery"));
    setWindowTitle(tr("Gallery \u2014 Vorrin Propscope"));
    m_matches->setSourceModel(m_model);
    m_view->setModel(m_matches);
    m_view->setAccessibleName(tr("All entries"));
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setPlaceholderText(tr("Show the entries whose name contains\u2026"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    m_hint->setWordWrap(true);
    m_hint->setTextFormat(Qt::PlainText);
    m_hint->hide();
    auto *addSheets = new QPushButton(tr("Add Sheets\u2026"), this);
    addSheets->setAutoDefault(false);
    connect(addSheets, &QPushButton::clicked, this, &Gallery::addSheetsRequested);
    auto *top = new QHBoxLayout;
    top->addWidget(m_filter, 1);
    top->addWidget(addSheets);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_hint);
    layout->addWidget(m_view, 1);
    m_decoders.setMaxThreadCount(QThread::idealThreadCount());

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_matches->setText(text);
        m_view->toFirstTile();
    });
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.data(ListRole).toInt() != 0)
            emit entryChosen(index.data(ListRole).toInt(), index.data(IndexRole).toInt());
    });
    const QSize room = screen()->availableSize() * 0.8;
    resize(QSize(900, 700).boundedTo(room));
}

Gallery::~Gallery()
{
    if (m_cancelled)
        *m_cancelled = true;
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

void Gallery::open()
{
    m_filter->clear();
    show();
    raise();
    activateWindow();
    m_filter->setFocus();
    load();
}

// Each sheet once, on the decoders, those of the tiles in view first. Results from an opening
// that was left are dropped.
void Gallery::load()
{
    if (m_cancelled)
        *m_cancelled = true;
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    m_model->clearPictures();
    m_view->doItemsLayout();
    std::vector<int> visible;
    for (int row : m_view->visibleRows())
        visible.push_back(m_matches->mapToSource(m_matches->index(row, 0)).row());
    const std::vector<std::string> sheets = m_model->sheetsInOrder(visible);
    const int width = qRound(m_view->tileWidth() * devicePixelRatioF());
    const sheets::SheetRequest request{QSize(width, width * 3 / 4), {}, true};
    m_pending = int(sheets.size());
    for (const std::string &sheet : sheets) {
        m_decoders.start([this, sheet, request, cancelled = m_cancelled] {
            if (*cancelled)
                return;
            sheets::DecodedSheet decoded = m_loader.load(sheet, request);
            QMetaObject::invokeMethod(
                this, [this, sheet, cancelled, decoded = std::move(decoded)]() mutable {
                    if (*cancelled)
                        return;
                    decoded.image.setDevicePixelRatio(devicePixelRatioF());
                    m_model->setPicture(sheet, std::move(decoded.image), decoded.error);
                    --m_pending;
                });
        });
    }
}

void Gallery::chooseCurrent()
{
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && current.data(ListRole).toInt() != 0)
        emit entryChosen(current.data(ListRole).toInt(), current.data(IndexRole).toInt());
}

// Keys typed in the filter that move or choose go to the tiles, so the keyboard alone does all.
bool Gallery::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_filter || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
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
    const bool zoomIn = event->matches(QKeySequence::ZoomIn) ||
                        (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_Equal);
    if (event->key() == Qt::Key_Escape) {
        if (m_filter->text().isEmpty())
            close();
        else
            m_filter->clear();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        chooseCurrent();
    } else if (zoomIn || event->matches(QKeySequence::ZoomOut)) {
        m_view->setTileWidth(int(m_view->tileWidth() * (zoomIn ? kTileStep : 1 / kTileStep)));
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace shell
