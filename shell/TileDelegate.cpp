#include "TileDelegate.h"

#include "CatalogueModel.h"
#include "GalleryModel.h"
#include "GalleryView.h"

#include <QPainter>

namespace shell {

namespace {

constexpr int kCaptionHeight = 30;
constexpr int kTextLines = 2;
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
    const QRect text(r.left() + 2, frame.bottom() + 2, r.width() - 4,
                     kTextLines * option.fontMetrics.height());
    painter->drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                      option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight,
                                                    kTextLines * text.width() - 8));
    painter->restore();
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
