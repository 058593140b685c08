#pragma once

#include <QString>

namespace Tessivane {

// The variables of the environment the program starts in that choose how it
// meets the desktop.
struct DesktopStart
{
    QString currentDesktop; // XDG_CURRENT_DESKTOP
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display; // DISPLAY
    QString platform; // QT_QPA_PLATFORM, the user's own choice
    QString startupId; // DESKTOP_STARTUP_ID, the launcher's start-up token
    QString activationToken; // XDG_ACTIVATION_TOKEN, the same on Wayland
};

// What to add to that environment before Qt starts: the window system
// platform, and the launcher's token under the name Qt's Wayland platform
// completes the start-up with. Empty for what stays as it is.
struct DesktopChoice
{
    QString platform;
    QString activationToken;
};
DesktopChoice chooseDesktopStart(const DesktopStart& start);

// Applies chooseDesktopStart and chooseScaleFactor to this process's
// environment before the application is made, and afterwards takes out again
// what only Qt was to read, so that a browser the program starts does not
// inherit it.
class DesktopStartUp
{
public:
    DesktopStartUp();
    void applicationMade();

private:
    DesktopChoice m_choice;
    QString m_userScaleFactor;
    QString m_scaleFactor;
};

} // namespace Tessivane
