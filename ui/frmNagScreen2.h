#pragma once

#include "modTellAFriend.h"

#include <QWidget>

#include <memory>

class QPlainTextEdit;

namespace Ui {
class frmNagScreen2;
}

namespace Tessivane {

class Program;

// The closing window: the maker's other software, an appeal, the refer-a-friend
// form, and "Exit", which ends the program.
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    explicit frmNagScreen2(Program& program);
    ~frmNagScreen2() override;

    // Prepares the window and shows it on top without activating it. Runs once.
    void Form_Load();

    // The appeal shown for a draw n of 0..3.
    static QString Appeal(int n);

    void Check1_Click(bool checked);
    void cmdSubmit_Click();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();
    QWidget* box(ReferralBox which) const;
    QString boxText(ReferralBox which) const;
    void setBoxText(ReferralBox which, const QString& text);

    std::unique_ptr<Ui::frmNagScreen2> m_ui;
    Program& m_program;
};

} // namespace Tessivane
