#pragma once

#include "CatalogueModel.h"
#include "SheetError.h"

#include <QImage>

#include <map>
#include <string>
#include <vector>

namespace shell {

// The catalogue as tiles: each entry with its sheet's picture, filled in when the sheet has been
// decoded, or the reason it could not be; entries that share a sheet each show it.
class GalleryModel : public CatalogueModel {
    Q_OBJECT
public:
    enum Role { PendingRole = CategoryRole + 1 };

    explicit GalleryModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;

    // The distinct sheets, those of `first` rows first, then in catalogue order.
    std::vector<std::string> sheetsInOrder(const std::vector<int> &first) const;
    // Every tile back to waiting for its picture.
    void clearPictures();
    void setPicture(const std::string &sheet, QImage picture, sheets::SheetError error);

private:
    struct Picture {
        QImage image;
        sheets::SheetError error = sheets::SheetError::None;
        bool pending = true;
    };
    std::map<std::string, Picture, std::less<>> m_pictures;
};

} // namespace shell
