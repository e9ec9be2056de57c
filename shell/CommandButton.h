#pragma once

#include <QPushButton>

namespace shell {

// A button of the window. Neither is the window's default, so Enter in a list presses nothing;
// on a button that has the focus, Enter presses it, as Space does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace shell
