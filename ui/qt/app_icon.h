#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

#include "res/resource_ids.h"

// The programs' icons (res/app_icon_picture.h), by icon resource id. Drawn,
// not loaded, so they are sharp at every size: pixel-exact and unsmoothed at
// 16 and 32 pixels, smoothed above.
namespace ui::qt {

void PaintAppIcon(QPainter& painter, const QRect& rect, int iconId = res::IDR_MAINFRAME);
QPixmap AppIconPixmap(int size, int iconId = res::IDR_MAINFRAME);
// Lists the 16 and 32 pixel images, kept once drawn, and paints any other
// size to scale when asked for it.
QIcon AppIcon(int iconId = res::IDR_MAINFRAME);

}  // namespace ui::qt
