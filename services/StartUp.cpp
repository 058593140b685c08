#include "StartUp.h"

#include "modHelp.h"

#include <cmath>

namespace Tessivane {

int coBrandPick(double x)
{
    const double value = x * 6 + 1;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = fraction < 0.5 ? lower : lower + 1;
    if (fraction == 0.5 && std::fmod(lower, 2) == 0)
        rounded = lower;
    return static_cast<int>(rounded);
}

int CoBrand_Randomize(RandomSource& random, StartUpWindows& windows)
{
    const int intCoBrandRandomNumber = coBrandPick(random.next());
    if (intCoBrandRandomNumber == 7)
        return intCoBrandRandomNumber;
    windows.bringToFront(intCoBrandRandomNumber % 2 == 1 ? PromotionLabel::CoBrand : PromotionLabel::FullBrand);
    return intCoBrandRandomNumber;
}

void RunStartUp(Platform platform, modHelp& help, StartUpWindows& windows)
{
    if (platform.instances.anotherCopyRunning()) {
        platform.messages.show(AlreadyRunningMessage, MessageService::Icon::Information, MessageService::Buttons::Ok);
        help.ShutDownProgram();
        return;
    }
    platform.random.seedFromClock();
    help.OfferUpdateCheck();
    windows.showMainWindow();
    CoBrand_Randomize(platform.random, windows);
}

} // namespace Tessivane
