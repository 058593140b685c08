#include "DisplayScale.h"

#include <QSettings>

#include <algorithm>

namespace Tessivane {

namespace {

// Windows offers 100 % to 225 %; a value outside that was not set by its Settings.
constexpr int leastTextScale = 100;
constexpr int mostTextScale = 225;

int textScalePercent()
{
#ifdef Q_OS_WIN
    const QSettings accessibility(QStringLiteral(R"(HKEY_CURRENT_USER\Software\Microsoft\Accessibility)"),
                                  QSettings::NativeFormat);
    bool isNumber = false;
    const int percent = accessibility.value(QStringLiteral("TextScaleFactor")).toInt(&isNumber);
    if (isNumber)
        return percent;
#endif
    return leastTextScale;
}

} // namespace

QString chooseScaleFactor(const ScaleRequest& request)
{
    const int percent = std::clamp(request.textScalePercent, leastTextScale, mostTextScale);
    if (percent == leastTextScale)
        return {};
    double factor = 1;
    if (!request.userFactor.isEmpty()) {
        bool isNumber = false;
        factor = request.userFactor.toDouble(&isNumber);
        if (!isNumber || factor <= 0)
            return {};
    }
    return QString::number(factor * percent / 100, 'g', 6);
}

ScaleRequest desktopScaleRequest()
{
    return {qEnvironmentVariable("QT_SCALE_FACTOR"), textScalePercent()};
}

} // namespace Tessivane
