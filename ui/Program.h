#pragma once

#include "Platform.h"
#include "StartUp.h"

#include <QPointer>

class QWidget;

namespace Tessivane {

class modHelp;
class modTellAFriend;
class frmMain;
class frmNagScreen2;
class frmPlaneOfExOrPerExpect;

// The program's windows and the modules they share. Windows are loaded when
// first needed and unloaded (deleted) when closed; the input and closing
// windows are loaded at most once.
class Program final : public StartUpWindows
{
public:
    Program(Platform platform, modHelp& help, modTellAFriend& referral);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& platform() { return m_platform; }
    modHelp& help() { return m_help; }
    modTellAFriend& referral() { return m_referral; }

    void ShowMainWindow() override;
    void BringToFront(PromotionLabel label) override;

    void ShowNagScreen();
    // What leaving the input or result window does: shows the closing window,
    // unless the program is already shutting down, when nothing may come back.
    void ShowNagScreenOnLeaving();
    void HideNagScreen();
    // A fresh, empty result window, shown.
    frmPlaneOfExOrPerExpect* OpenResultWindow();
    // Modal: returns when the about window is closed.
    void ShowAbout(QWidget* parent);

    // Null until loaded and after unloading.
    frmMain* mainWindow() const;
    frmNagScreen2* nagScreen() const;
    frmPlaneOfExOrPerExpect* resultWindow() const;

private:
    Platform m_platform;
    modHelp& m_help;
    modTellAFriend& m_referral;
    QPointer<frmMain> m_main;
    bool m_mainLoaded = false;
    QPointer<frmNagScreen2> m_nagScreen;
    QPointer<frmPlaneOfExOrPerExpect> m_result;
};

} // namespace Tessivane
