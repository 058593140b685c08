#pragma once

#include <QtGlobal>

class QSize;
class QWidget;

namespace Tessivane {

// How much smaller than its size a window is to be, with the window manager's
// frame around it, to fit in the room the screen has for windows: 1 where it
// fits. Never smaller than it was designed at 96 dots an inch, which a screen
// drawing pixelRatio times larger would undo.
qreal fittingScale(const QSize& window, const QSize& frame, const QSize& room, qreal pixelRatio);

// A window too large for its screen at the scale the desktop asks for is shown
// at the largest that fits: every box, font and picture in it made alike smaller.
// frame: the frame another window of the program has, none before the first.
void fitOnScreen(QWidget* window, const QSize& frame);

// How much smaller than designed fitOnScreen made the window: 1 where it fit.
// For what the window shows later (a picture set as it loads).
qreal scaleOf(const QWidget* window);

} // namespace Tessivane
