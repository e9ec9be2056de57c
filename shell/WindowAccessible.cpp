#include "WindowAccessible.h"

#include "Form1.h"

namespace shell {

WindowAccessible::WindowAccessible(QWidget *window)
    : QAccessibleWidget(window, QAccessible::Window)
{}

QAccessibleInterface *WindowAccessible::forObject(const QString &className, QObject *object)
{
    if (className == QLatin1String(Form1::staticMetaObject.className()))
        return new WindowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace shell
