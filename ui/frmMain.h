#pragma once

#include "Platform.h"
#include "StartUp.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <utility>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace Tessivane {

struct Verdict;
class Navigator;
class modHelp;

// The input window: three names, a date of birth, and "Next".
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain(Navigator& navigator, modHelp& help, MessageService& messages);
    ~frmMain() override;

    // Runs once, when the start-up first shows the window.
    void Form_Load();
    void bringToFront(PromotionLabel label);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdNext_Click();
    void cmdExit_Click();
    void mnuNext_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();
    void txtFirstName_KeyPress(char16_t& keyAscii);
    void txtMiddleName_KeyPress(char16_t& keyAscii);
    void txtLastName_KeyPress(char16_t& keyAscii);

private:
    void Form_Unload();
    // Shows the problem and moves the focus to it.
    void refuse(const Verdict& verdict);
    void fillDateLists();
    void applyLook();

    std::unique_ptr<Ui::frmMain> m_ui;
    Navigator& m_navigator;
    modHelp& m_help;
    MessageService& m_messages;
    // Each name box with its key-press handler.
    std::array<std::pair<QLineEdit*, void (frmMain::*)(char16_t&)>, 3> m_nameBoxes {};
};

} // namespace Tessivane
