#include "CatalogueListAccessible.h"

#include "CatalogueList.h"

namespace shell {

CatalogueListAccessible::CatalogueListAccessible(CatalogueList *list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{}

QString CatalogueListAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return static_cast<CatalogueList *>(widget())->currentText();
    return QAccessibleWidget::text(t);
}

QStringList CatalogueListAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << showMenuAction();
}

void CatalogueListAccessible::doAction(const QString &action)
{
    if (action == showMenuAction())
        static_cast<CatalogueList *>(widget())->showPopup();
    else
        QAccessibleWidget::doAction(action);
}

QAccessibleInterface *CatalogueListAccessible::forObject(const QString &className, QObject *object)
{
    if (className == QLatin1String(CatalogueList::staticMetaObject.className()))
        return new CatalogueListAccessible(static_cast<CatalogueList *>(object));
    return nullptr;
}

} // namespace shell
