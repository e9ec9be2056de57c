#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace shell {

void placeOnScreen(QWidget *window, QSize wish, const QWidget *near)
{
    QScreen *screen = near != nullptr ? near->screen() : window->screen();
    const QRect room = screen->availableGeometry();
    // The frame is not known before the window is first shown: the main window's stands in.
    const QSize frame = near != nullptr && near->isVisible()
                            ? near->frameGeometry().size() - near->size()
                            : QSize(0, 0);
    const QSize size = wish.boundedTo(room.size() * 0.8)
                           .expandedTo(window->minimumSizeHint())
                           .boundedTo(room.size() - frame);
    window->resize(size);
    const QPoint middle = near != nullptr ? near->frameGeometry().center() : room.center();
    const QSize outer = size + frame;
    const int x = std::clamp(middle.x() - outer.width() / 2, room.left(),
                             std::max(room.left(), room.right() + 1 - outer.width()));
    const int y = std::clamp(middle.y() - outer.height() / 2, room.top(),
                             std::max(room.top(), room.bottom() + 1 - outer.height()));
    window->move(x, y);
}

} // namespace shell
