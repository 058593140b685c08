#pragma once

#include "Platform.h"

namespace Tessivane {

class modHelp;

// The two promotion labels of the input window that lie on top of each other.
enum class PromotionLabel { CoBrand, FullBrand };

// What the start-up needs of the windows.
class StartUpWindows
{
public:
    virtual ~StartUpWindows() = default;
    // Loads the input window on first use (its own load runs the reminder again) and shows it.
    virtual void showMainWindow() = 0;
    virtual void bringToFront(PromotionLabel label) = 0;
};

// Refuses a second copy, seeds the random source, runs the update reminder,
// shows the input window and picks the promotion label in front. When a copy
// is already running it shows why and ends the program instead.
void RunStartUp(Platform platform, modHelp& help, StartUpWindows& windows);

// x * 6 + 1 rounded to the nearest whole number, halves to the even one: 1..7 for x in [0, 1).
int coBrandPick(double x);

// Draws the pick and brings the label it names to the front: 1, 3, 5 the
// co-branding label, 2, 4, 6 the full-branding label, 7 neither. Returns the pick.
int CoBrand_Randomize(RandomSource& random, StartUpWindows& windows);

inline const QString AlreadyRunningMessage = QStringLiteral("Application is already running");

} // namespace Tessivane
