#include "WindowAccessible.h"

#include <QWidget>

namespace shell {

WindowAccessible::WindowAccessible(QWidget *window)
    : QAccessibleWidget(window, QAccessible::Window)
{}

QAccessibleInterface *WindowAccessible::forObject(const QString &className, QObject *object)
{
    if (className.startsWith(QLatin1String("shell::")) && object->isWidgetType() &&
        static_cast<QWidget *>(object)->isWindow())
        return new WindowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace shell
