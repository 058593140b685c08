#include "Program.h"

#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "frmPlaneOfExOrPerExpect.h"
#include "modHelp.h"

namespace Tessivane {

Program::Program(Platform platform, modHelp& help, modTellAFriend& referral)
    : m_platform(platform)
    , m_help(help)
    , m_referral(referral)
{ }

Program::~Program()
{
    delete m_result;
    delete m_main;
    delete m_nagScreen;
}

frmMain* Program::mainWindow() const
{
    return m_main;
}

frmNagScreen2* Program::nagScreen() const
{
    return m_nagScreen;
}

frmPlaneOfExOrPerExpect* Program::resultWindow() const
{
    return m_result;
}

void Program::ShowMainWindow()
{
    if (!m_mainLoaded) {
        m_mainLoaded = true;
        m_main = new frmMain(*this);
        m_main->Form_Load();
    }
    if (m_main)
        m_main->show();
}

void Program::BringToFront(PromotionLabel label)
{
    if (m_main)
        m_main->BringToFront(label);
}

void Program::ShowNagScreen()
{
    if (!m_nagScreen) {
        m_nagScreen = new frmNagScreen2(*this);
        m_nagScreen->Form_Load(); // shows it
        return;
    }
    m_nagScreen->show();
}

void Program::ShowNagScreenOnLeaving()
{
    if (!m_help.ShuttingDown())
        ShowNagScreen();
}

void Program::HideNagScreen()
{
    if (m_nagScreen)
        m_nagScreen->hide();
}

frmPlaneOfExOrPerExpect* Program::OpenResultWindow()
{
    // "Back" and every other way out close the old one, so this one is always fresh.
    delete m_result;
    m_result = new frmPlaneOfExOrPerExpect(*this);
    m_result->show();
    return m_result;
}

void Program::ShowAbout(QWidget* parent)
{
    frmAbout about(*this, parent);
    about.exec();
}

} // namespace Tessivane
