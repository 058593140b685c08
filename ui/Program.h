#pragma once

#include "Navigator.h"
#include "Platform.h"
#include "StartUp.h"
#include "modHelp.h"

#include <QPointer>

namespace Tessivane {

class modTellAFriend;
class frmAbout;
class frmMain;
class frmNagScreen2;
class frmPlaneOfExOrPerExpect;
class PlaceKeeper;

// Builds the windows, each with only the services it uses, and moves between
// them. Windows are loaded when first needed and unloaded (deleted) when
// closed; the input and closing windows are loaded at most once. It is also
// what the shutdown closes.
class Program final : public Navigator, public StartUpWindows, public ProgramWindows
{
public:
    Program(Platform platform, modHelp& help, modTellAFriend& referral);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void showMainWindow() override;
    void bringToFront(PromotionLabel label) override;
    void showNagScreen() override;
    void showNagScreenOnLeaving() override;
    void showReading(const ReportPieces& report) override;
    void backToMainWindow() override;
    void showAbout(QWidget* parent) override;

    QList<QPointer<QWidget>> loadedWindows() const override;
    void unload(QWidget* window) override;

    // Null until loaded and after unloading.
    frmMain* mainWindow() const;
    frmNagScreen2* nagScreen() const;
    frmPlaneOfExOrPerExpect* resultWindow() const;

    void hideNagScreen();

private:
    // While kept off the screen, showing the closing window loads and prepares
    // it but leaves it off the screen; for a step that hides it again at once,
    // where a desktop would be left with the frame of a window that came and went.
    void keepNagScreenOffScreen(bool keep);

    Platform m_platform;
    modHelp& m_help;
    modTellAFriend& m_referral;
    QPointer<frmMain> m_main;
    bool m_mainLoaded = false;
    PlaceKeeper* m_mainPlace = nullptr; // owned by the window
    QPointer<frmNagScreen2> m_nagScreen;
    bool m_nagScreenOffScreen = false;
    PlaceKeeper* m_nagScreenPlace = nullptr; // owned by the window
    QPointer<frmPlaneOfExOrPerExpect> m_result;
    QPointer<frmAbout> m_about;
};

} // namespace Tessivane
