#pragma once

#include <QString>

namespace Tessivane {

// What a desktop asks of a program's size beyond what Qt itself reads, taken
// before Qt starts. Qt already follows X11's Xft.dpi, KDE's screen factors,
// Wayland's output scale and Windows' display scaling; Windows' Text size
// (Settings > Accessibility) it ignores.
struct ScaleRequest
{
    QString userFactor; // QT_SCALE_FACTOR, the user's own
    int textScalePercent = 100; // Windows' Text size, 100 to 225
};

// The QT_SCALE_FACTOR that makes every window as much larger as the desktop
// asks: the user's own factor times the text size. Empty where nothing is to be
// added, and where the user's own value is not a factor (Qt's reading of it stands).
QString chooseScaleFactor(const ScaleRequest& request);

// This desktop's request, read where it is kept: on Windows the user's registry.
ScaleRequest desktopScaleRequest();

} // namespace Tessivane
