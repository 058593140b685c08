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
    void mnuAbout_Click();

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
