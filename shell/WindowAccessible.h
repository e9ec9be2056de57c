#pragma once

#include <QAccessibleWidget>

namespace shell {

// The program's windows, the main one, the gallery and the viewer, as a screen reader should
// know them: frames, where Qt would say fillers.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *window);

    // For QAccessible::installFactory.
    static QAccessibleInterface *forObject(const QString &className, QObject *object);
};

} // namespace shell
