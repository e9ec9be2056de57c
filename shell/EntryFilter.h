#pragma once

#include <QSortFilterProxyModel>

namespace shell {

// Narrows the catalogue's rows to the entries whose own text contains the typed text, in any
// case. A category's caption is never searched; it stays while an entry under it does, or, with
// captions off, never shows, and each entry then names its category itself. Find (Ctrl+F) and
// the gallery match alike through it. With captions off the entries are ranked: the entry that
// is the typed text first, then those starting with it, then the rest, each in list order.
class EntryFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setText(const QString &text);
    void setCaptionsShown(bool shown);

    QVariant data(const QModelIndex &index, int role) const override;

    // The shown entry that ranks first (see above), in whatever order the rows stand; none
    // when nothing is typed or nothing matches.
    QModelIndex bestMatch() const;

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool matches(int row) const;
    int rank(int row) const;

    QString m_text;
    bool m_captions = true;
};

} // namespace shell
