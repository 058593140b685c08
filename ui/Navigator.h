#pragma once

#include "Report.h"

class QWidget;

namespace Tessivane {

// How a window brings up the others without knowing them.
class Navigator
{
public:
    virtual ~Navigator() = default;

    // Loads the closing window on first use and shows it.
    virtual void showNagScreen() = 0;
    // What leaving the input or result window does: shows the closing window,
    // unless the program is already shutting down, when nothing may come back.
    virtual void showNagScreenOnLeaving() = 0;
    // A fresh result window, shown, with the report written into it.
    virtual void showReading(const ReportPieces& report) = 0;
    // What Back does: closes the result window (its own close handling runs)
    // and brings the input window back as the user left it, with nothing else shown.
    virtual void backToMainWindow() = 0;
    // Modal: returns when the about window is closed.
    virtual void showAbout(QWidget* parent) = 0;
};

} // namespace Tessivane
