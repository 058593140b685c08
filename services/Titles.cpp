#include "Titles.h"

#include "BuildConfig.h"

namespace Tessivane {

QString programTitle()
{
    return QStringLiteral("Tessivane");
}

QString versionTitle()
{
    return programTitle() + QLatin1String("  v" TESSIVANE_VERSION);
}

QString closingWindowTitle()
{
    return programTitle() + QLatin1String(" v" TESSIVANE_VERSION);
}

} // namespace Tessivane
