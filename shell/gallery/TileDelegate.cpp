#include "TileDelegate.h"

#include "CatalogueModel.h"
#include "GalleryModel.h"
#include "GalleryView.h"

#include <QPainter>
#include <QTextLayout>

namespace shell {

namespace {

constexpr int kCaptionHeight = 30;
constexpr int kTextLines = 2; // as twoLines() gives them
constexpr int kMargin = 4;

} // namespace

TileDelegate::TileDelegate(GalleryView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{}

QSize TileDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (CatalogueModel::isCaption(index))
        return {m_view->viewport()->width() - 2 * m_view->spacing() - 1, kCaptionHeight};
    const QSize picture = m_view->pictureSize();
    return {picture.width(), picture.height() + kTextLines * option.fontMetrics.height() + 8};
}

void TileDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    painter->save();
    if (CatalogueModel::isCaption(index)) {
        paintCaption(painter, option, index);
        painter->restore();
        return;
    }
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option.palette.color(QPalette::Highlight));
        painter->drawRoundedRect(r, kMargin, kMargin);
    }
    const QRect frame(r.topLeft(), m_view->pictureSize());
    paintPicture(painter, option, frame.adjusted(kMargin, kMargin, -kMargin, -kMargin), index);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QRect line(r.left() + 2, frame.bottom() + 2, r.width() - 4, option.fontMetrics.height());
    for (const QString &text : twoLines(index.data().toString(), option, line.width())) {
        painter->drawText(line, Qt::AlignHCenter | Qt::AlignTop, text);
        line.translate(0, line.height());
    }
    painter->restore();
}

// The text in two lines at most, broken between words where it can be: the first as it comes,
// the second cut short at its end, so a name always keeps its start.
QStringList TileDelegate::twoLines(const QString &text, const QStyleOptionViewItem &option,
                                   int width)
{
    QTextLayout layout(text, option.font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(width);
    layout.endLayout();
    const QString rest = text.mid(first.textLength()).trimmed();
    QStringList lines{text.left(first.textLength()).trimmed()};
    if (!rest.isEmpty())
        lines << option.fontMetrics.elidedText(rest, Qt::ElideRight, width);
    return lines;
}

void TileDelegate::paintCaption(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const QRect r = option.rect;
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(r.adjusted(kMargin, 0, 0, -kMargin), Qt::AlignLeft | Qt::AlignBottom,
                      index.data().toString());
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
}

// The sheet's picture fitted into the frame, or the reason it has none.
void TileDelegate::paintPicture(QPainter *painter, const QStyleOptionViewItem &option, QRect frame,
                                const QModelIndex &index) const
{
    const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
    if (picture.isNull()) {
        painter->fillRect(frame, option.palette.color(QPalette::AlternateBase));
        painter->setPen(option.palette.color(QPalette::PlaceholderText));
        const bool pending = index.data(GalleryModel::PendingRole).toBool();
        painter->drawText(frame, Qt::AlignCenter | Qt::TextWordWrap,
                          pending ? QString() : index.data(Qt::ToolTipRole).toString());
        return;
    }
    const QSize fitted =
        (picture.size() / picture.devicePixelRatio()).scaled(frame.size(), Qt::KeepAspectRatio);
    QRect place(QPoint(), fitted);
    place.moveCenter(frame.center());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(place, picture);
}

} // namespace shell
