#include "EntryFilter.h"

namespace shell {

void EntryFilter::setText(const QString &text)
{
    m_text = text;
    invalidateFilter();
}

bool EntryFilter::matches(int row) const
{
    return sourceModel()->index(row, 0).data(TextRole).toString().contains(m_text,
                                                                           Qt::CaseInsensitive);
}

bool EntryFilter::filterAcceptsRow(int row, const QModelIndex &) const
{
    const QAbstractItemModel *model = sourceModel();
    if (model->index(row, 0).data(ListRole).toInt() != 0)
        return matches(row);
    for (int entry = row + 1;
         entry < model->rowCount() && model->index(entry, 0).data(ListRole).toInt() != 0; ++entry) {
        if (matches(entry))
            return true;
    }
    return false;
}

} // namespace shell
