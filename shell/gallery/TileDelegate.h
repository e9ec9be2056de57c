#pragma once

#include <QStyledItemDelegate>

namespace shell {

class GalleryView;

// Draws a caption across the gallery, and a tile as its picture (or what stands for it) above
// its text.
class TileDelegate : public QStyledItemDelegate {
public:
    explicit TileDelegate(GalleryView *view);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    static QStringList twoLines(const QString &text, const QStyleOptionViewItem &option, int width);

private:
    void paintCaption(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index) const;
    void paintPicture(QPainter *painter, const QStyleOptionViewItem &option, QRect frame,
                      const QModelIndex &index) const;

    GalleryView *m_view;
};

} // namespace shell
