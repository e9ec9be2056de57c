#pragma once

#include <QAbstractListModel>

#include <string_view>
#include <vector>

namespace shell {

// The data of a row of the catalogue's item models: its list (1..7) and index there, its own
// text, and its category's name.
enum EntryRole { ListRole = Qt::UserRole + 1, IndexRole, TextRole, CategoryRole };

// The whole catalogue for item views: each category's caption as a row of its own, then its
// entries in list order. Find (Ctrl+F) and the gallery show it.
class CatalogueModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CatalogueModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Whether a row of this model, or of a proxy over it, is a category's caption.
    static bool isCaption(const QModelIndex &index);
    // The row of entry `index` of list `list`; invalid when there is none.
    QModelIndex indexOf(int list, int index) const;

protected:
    // The sheet of an entry's row; empty for a caption.
    std::string_view sheetAt(int row) const;

private:
    struct Row {
        int list;  // 0: a caption
        int index; // the entry's, or the caption's category
    };
    std::vector<Row> m_rows;
};

} // namespace shell
