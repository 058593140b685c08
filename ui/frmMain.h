#pragma once

#include "StartUp.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMain;
}

namespace Tessivane {

class Program;

// The input window: three names, a date of birth, and "Next".
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(Program& program);
    ~frmMain() override;

    // Runs once, when the start-up first shows the window.
    void Form_Load();
    void BringToFront(PromotionLabel label);

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
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void txtFirstName_KeyPress(char16_t& keyAscii);
    void txtMiddleName_KeyPress(char16_t& keyAscii);
    void txtLastName_KeyPress(char16_t& keyAscii);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Unload();
    // Shows the first problem and moves the focus to it; true when the entries may be read.
    bool ValidateEntries();
    void fillDateLists();
    void applyLook();

    std::unique_ptr<Ui::frmMain> m_ui;
    Program& m_program;
};

} // namespace Tessivane
