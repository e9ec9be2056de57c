#include "CatalogueModel.h"

#include "Catalogue.h"
#include "QtText.h"

namespace shell {

using sheets::qs;

namespace {

// A category is named by its list's label, without the label's colon.
QString categoryName(int number)
{
    QString name = qs(catalogue::category(number)->caption);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

} // namespace

CatalogueModel::CatalogueModel(QObject *parent)
    : QAbstractListModel(parent)
{
    for (const catalogue::Category &c : catalogue::kCategories) {
        m_rows.push_back({0, c.number});
        for (const catalogue::Entry &e : c.entries)
            m_rows.push_back({c.number, e.index});
    }
}

int CatalogueModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

Qt::ItemFlags CatalogueModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || isCaption(index))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant CatalogueModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Row &row = m_rows[std::size_t(index.row())];
    const int category = row.list == 0 ? row.index : row.list;
    const catalogue::Entry *entry = catalogue::entry(row.list, row.index);
    const QString text =
        entry != nullptr ? qs(entry->text) : qs(catalogue::category(category)->caption);
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return text;
    case ListRole:
        return row.list;
    case IndexRole:
        return row.index;
    case CategoryRole:
        return categoryName(category);
    case Qt::AccessibleTextRole:
        return entry != nullptr ? categoryName(category) + QStringLiteral(": ") + text : text;
    default:
        return {};
    }
}

bool CatalogueModel::isCaption(const QModelIndex &index)
{
    return index.data(ListRole).toInt() == 0;
}

QModelIndex CatalogueModel::indexOf(int list, int index) const
{
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].list == list && m_rows[row].index == index)
            return this->index(int(row));
    }
    return {};
}

std::string_view CatalogueModel::sheetAt(int row) const
{
    const Row &r = m_rows[std::size_t(row)];
    const catalogue::Entry *entry = catalogue::entry(r.list, r.index);
    return entry != nullptr ? entry->sheet : std::string_view();
}

} // namespace shell
