#pragma once

#include <QIcon>
#include <QPixmap>

namespace shell {

// The window's artwork, decoded for a screen of `devicePixelRatio`: the sharper picture on a
// dense screen. Drawn at its own size, it covers the whole window.
QPixmap windowArtwork(qreal devicePixelRatio);
// Whether `artwork` is the one for a screen of `devicePixelRatio`.
bool isArtworkFor(const QPixmap &artwork, qreal devicePixelRatio);
// The program's icon in the sizes a window shows it at.
QIcon programIcon();

} // namespace shell
