#include "StartUp.h"

#include "modHelp.h"

#include <cmath>

namespace Tessivane {

int coBrandPick(double x)
{
    // Halves go to the even side, as the default rounding mode rounds them.
    return static_cast<int>(std::nearbyint(x * 6 + 1));
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
