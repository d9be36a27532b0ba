#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

// The program's icon: one period of a sine wave over its axis, on a dark
// blue tile. Drawn, not loaded, so it is sharp at every size: pixel-exact
// and unsmoothed at 16 and 32 pixels, smoothed above.
namespace ui::qt {

void PaintAppIcon(QPainter& painter, const QRect& rect);
QPixmap AppIconPixmap(int size);
// Lists the 16 and 32 pixel images, kept once drawn, and paints any other
// size to scale when asked for it.
QIcon AppIcon();

}  // namespace ui::qt
