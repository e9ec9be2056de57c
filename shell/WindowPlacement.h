#pragma once

#include <QSize>

class QWidget;

namespace shell {

// Sizes a window of its own to what it wishes, within most of the free area of the screen the
// main window is on, and puts it over the main window's middle, wholly on that screen. Desktops
// that place windows themselves (Wayland) keep their say over the place.
void placeOnScreen(QWidget *window, QSize wish, const QWidget *near);

} // namespace shell
