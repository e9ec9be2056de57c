#include "GalleryModel.h"

#include "SheetReasons.h"

#include <set>

namespace shell {

GalleryModel::GalleryModel(QObject *parent)
    : CatalogueModel(parent)
{
    clearPictures();
}

QVariant GalleryModel::data(const QModelIndex &index, int role) const
{
    const std::string_view sheet = index.isValid() ? sheetAt(index.row()) : std::string_view();
    if (sheet.empty()) // a caption
        return CatalogueModel::data(index, role);
    const Picture &picture = m_pictures.find(sheet)->second;
    switch (role) {
    case Qt::DecorationRole:
        return picture.image;
    case PendingRole:
        return picture.pending;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (picture.pending)
            return tr("%1, being read").arg(sheets::qs(sheet));
        if (picture.error != sheets::SheetError::None)
            return reasonText(picture.error); // in the tile, never in a box
        return sheets::qs(sheet);
    default:
        return CatalogueModel::data(index, role);
    }
}

std::vector<std::string> GalleryModel::sheetsInOrder(const std::vector<int> &first) const
{
    std::vector<std::string> sheets;
    std::set<std::string_view> taken;
    auto take = [&](int row) {
        const std::string_view sheet = sheetAt(row);
        if (!sheet.empty() && taken.insert(sheet).second)
            sheets.emplace_back(sheet);
    };
    for (int row : first)
        take(row);
    for (int row = 0; row < rowCount(); ++row)
        take(row);
    return sheets;
}

void GalleryModel::clearPictures()
{
    for (int row = 0; row < rowCount(); ++row) {
        if (const std::string_view sheet = sheetAt(row); !sheet.empty())
            m_pictures[std::string(sheet)] = Picture();
    }
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

void GalleryModel::setPicture(const std::string &sheet, QImage picture, sheets::SheetError error)
{
    m_pictures[sheet] = {std::move(picture), error, false};
    for (int row = 0; row < rowCount(); ++row) {
        if (sheetAt(row) == sheet)
            emit dataChanged(index(row), index(row));
    }
}

} // namespace shell
