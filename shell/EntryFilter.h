#pragma once

#include <QSortFilterProxyModel>

namespace shell {

// The data of a catalogue entry in the item models here: its list (1..7; 0 for a row that is a
// category's caption), its index there, and its own text.
enum EntryRole { ListRole = Qt::UserRole + 1, IndexRole, TextRole };

// Narrows a model of entries to those whose own text contains the typed text, in any case; a
// category's caption is never searched, and stays while an entry under it does. Find (Ctrl+F)
// and the gallery match alike through it.
class EntryFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;

private:
    bool matches(int row) const;

    QString m_text;
};

} // namespace shell
