#pragma once

#include <QAccessibleWidget>

namespace shell {

// The main window as a screen reader should know it: a frame, where Qt would say a filler.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *window);

    // For QAccessible::installFactory.
    static QAccessibleInterface *forObject(const QString &className, QObject *object);
};

} // namespace shell
