#pragma once

#include "Report.h"

class QWidget;

namespace Tessivane {

// How a window brings up the others without knowing them.
class Navigator
{
public:
    virtual ~Navigator() = default;

    // Loads the input window on first use and shows it.
    virtual void showMainWindow() = 0;
    // Loads the closing window on first use and shows it.
    virtual void showNagScreen() = 0;
    // What leaving the input or result window does: shows the closing window,
    // unless the program is already shutting down, when nothing may come back.
    virtual void showNagScreenOnLeaving() = 0;
    virtual void hideNagScreen() = 0;
    // While kept off the screen, showing the closing window loads and prepares
    // it but leaves it off the screen; for a step that hides it again at once,
    // where a desktop would be left with the frame of a window that came and went.
    virtual void keepNagScreenOffScreen(bool keep) = 0;
    // A fresh result window, shown, with the report written into it.
    virtual void showReading(const ReportPieces& report) = 0;
    // Modal: returns when the about window is closed.
    virtual void showAbout(QWidget* parent) = 0;
};

} // namespace Tessivane
