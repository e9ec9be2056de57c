#include "EntryFilter.h"

#include "CatalogueModel.h"

namespace shell {

void EntryFilter::setText(const QString &text)
{
    m_text = text;
    invalidateFilter();
}

void EntryFilter::setCaptionsShown(bool shown)
{
    m_captions = shown;
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
