#include "EntryFilter.h"

#include "CatalogueModel.h"

namespace shell {

void EntryFilter::setText(const QString &text)
{
    m_text = text;
    if (m_captions)
        invalidateFilter();
    else
        invalidate(); // the ranks follow the text
}

void EntryFilter::setCaptionsShown(bool shown)
{
    m_captions = shown;
    if (shown)
        sort(-1);
    else
        sort(0);
    invalidateFilter();
}

QVariant EntryFilter::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole && !m_captions)
        return index.data(TextRole).toString() + QStringLiteral("  \u2014  ") +
               index.data(CategoryRole).toString();
    return QSortFilterProxyModel::data(index, role);
}

bool EntryFilter::matches(int row) const
{
    return sourceModel()->index(row, 0).data(TextRole).toString().contains(m_text,
                                                                           Qt::CaseInsensitive);
}

int EntryFilter::rank(int row) const
{
    const QString text = sourceModel()->index(row, 0).data(TextRole).toString();
    if (text.compare(m_text, Qt::CaseInsensitive) == 0)
        return 0;
    return text.startsWith(m_text, Qt::CaseInsensitive) ? 1 : 2;
}

QModelIndex EntryFilter::bestMatch() const
{
    QModelIndex best;
    int bestRank = 3;
    for (int row = 0; !m_text.isEmpty() && row < rowCount() && bestRank > 0; ++row) {
        const QModelIndex shown = index(row, 0);
        const QModelIndex entry = mapToSource(shown);
        if (CatalogueModel::isCaption(entry))
            continue;
        if (const int r = rank(entry.row()); r < bestRank) {
            best = shown;
            bestRank = r;
        }
    }
    return best;
}

bool EntryFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int leftRank = rank(left.row());
    const int rightRank = rank(right.row());
    return leftRank != rightRank ? leftRank < rightRank : left.row() < right.row();
}

bool EntryFilter::filterAcceptsRow(int row, const QModelIndex &) const
{
    const QAbstractItemModel *model = sourceModel();
    if (!CatalogueModel::isCaption(model->index(row, 0)))
        return matches(row);
    for (int entry = row + 1; m_captions && entry < model->rowCount() &&
                              !CatalogueModel::isCaption(model->index(entry, 0));
         ++entry) {
        if (matches(entry))
            return true;
    }
    return false;
}

} // namespace shell
