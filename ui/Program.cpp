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

void Program::showMainWindow()
{
    if (!m_mainLoaded) {
        m_mainLoaded = true;
        m_main = new frmMain(*this, m_help, m_platform.messages);
        m_main->Form_Load();
    }
    if (m_main)
        m_main->show();
}

void Program::bringToFront(PromotionLabel label)
{
    if (m_main)
        m_main->bringToFront(label);
}

void Program::showNagScreen()
{
    if (!m_nagScreen) {
        m_nagScreen = new frmNagScreen2(m_help, m_referral, m_platform.messages, m_platform.random);
        m_nagScreen->Form_Load(); // shows it
        return;
    }
    m_nagScreen->show();
}

void Program::showNagScreenOnLeaving()
{
    if (!m_help.shuttingDown())
        showNagScreen();
}

void Program::hideNagScreen()
{
    if (m_nagScreen)
        m_nagScreen->hide();
}

void Program::showReading(const ReportPieces& report)
{
    // "Back" and every other way out close the old one, so this one is always fresh.
    delete m_result;
    m_result = new frmPlaneOfExOrPerExpect(*this, m_help, m_platform.clipboard);
    m_result->show();
    m_result->WriteReport(report);
}

void Program::showAbout(QWidget* parent)
{
    frmAbout about(m_help, parent);
    about.exec();
}

} // namespace Tessivane
