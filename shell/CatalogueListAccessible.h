#pragma once

#include <QAccessibleWidget>

namespace shell {

class CatalogueList;

// On Linux, Qt names an editable combo box by its text once it shows one, so a screen reader
// announced the Buildings list as "Airtower". Here a list keeps its label's name, and its text
// is its value.
class CatalogueListAccessible : public QAccessibleWidget {
public:
    explicit CatalogueListAccessible(CatalogueList *list);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;

    // For QAccessible::installFactory.
    static QAccessibleInterface *forObject(const QString &className, QObject *object);
};

} // namespace shell
