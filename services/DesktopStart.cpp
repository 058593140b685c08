#include "DesktopStart.h"

#include "DisplayScale.h"

#include <QStringList>

namespace Tessivane {

DesktopChoice chooseDesktopStart(const DesktopStart& start)
{
    DesktopChoice choice;
    const QStringList desktops = start.currentDesktop.split(QLatin1Char(':'));
    // GNOME draws no title bars for Wayland programs, and the one Qt draws offers
    // minimize and maximize on every window, fixed ones too; through Xwayland
    // GNOME draws its own, from the window's hints, and sees the start-up
    // completed. The user's own choice of platform stands.
    if (start.platform.isEmpty() && !start.waylandDisplay.isEmpty() && !start.x11Display.isEmpty()
        && desktops.contains(QLatin1String("GNOME"), Qt::CaseInsensitive))
        choice.platform = QStringLiteral("xcb");
    // A launcher that hands only the X11 name of its token (GNOME 43) is still
    // told of the start-up by Qt's Wayland platform.
    else if (start.activationToken.isEmpty() && !start.waylandDisplay.isEmpty())
        choice.activationToken = start.startupId;
    return choice;
}

DesktopStartUp::DesktopStartUp()
{
    m_choice = chooseDesktopStart({qEnvironmentVariable("XDG_CURRENT_DESKTOP"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                                   qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM"),
                                   qEnvironmentVariable("DESKTOP_STARTUP_ID"),
                                   qEnvironmentVariable("XDG_ACTIVATION_TOKEN")});
    if (!m_choice.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", m_choice.platform.toLocal8Bit());
    if (!m_choice.activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", m_choice.activationToken.toLocal8Bit());
    const ScaleRequest scale = desktopScaleRequest();
    m_userScaleFactor = scale.userFactor;
    m_scaleFactor = chooseScaleFactor(scale);
    if (!m_scaleFactor.isEmpty())
        qputenv("QT_SCALE_FACTOR", m_scaleFactor.toLocal8Bit());
}

void DesktopStartUp::applicationMade()
{
    if (!m_choice.platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    // The token itself is used and taken out when the first window shows.
    if (!m_choice.activationToken.isEmpty())
        qunsetenv("DESKTOP_STARTUP_ID");
    if (m_scaleFactor.isEmpty())
        return;
    if (m_userScaleFactor.isEmpty())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", m_userScaleFactor.toLocal8Bit());
}

} // namespace Tessivane
