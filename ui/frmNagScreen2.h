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
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

    // The placeholders come and go with the focus; the address boxes refuse blanks.
    void txtName_GotFocus() { clearPlaceholder(ReferralBox::Name); }
    void txtEmail_GotFocus() { clearPlaceholder(ReferralBox::Email); }
    void txtMessage_GotFocus() { clearPlaceholder(ReferralBox::Message); }
    void txtFriendName_GotFocus() { clearPlaceholder(ReferralBox::FriendName); }
    void txtFriendEmail_GotFocus() { clearPlaceholder(ReferralBox::FriendEmail); }
    void txtName_LostFocus() { restorePlaceholder(ReferralBox::Name); }
    void txtEmail_LostFocus() { restorePlaceholder(ReferralBox::Email); }
    void txtMessage_LostFocus() { restorePlaceholder(ReferralBox::Message); }
    void txtFriendName_LostFocus() { restorePlaceholder(ReferralBox::FriendName); }
    void txtFriendEmail_LostFocus() { restorePlaceholder(ReferralBox::FriendEmail); }
    void txtEmail_KeyPress(char16_t& keyAscii) { refuseBlank(ReferralBox::Email, keyAscii); }
    void txtFriendEmail_KeyPress(char16_t& keyAscii) { refuseBlank(ReferralBox::FriendEmail, keyAscii); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Unload();
    void clearPlaceholder(ReferralBox which);
    void restorePlaceholder(ReferralBox which);
    void refuseBlank(ReferralBox which, char16_t& keyAscii);
    void applyLook();
    QWidget* box(ReferralBox which) const;
    QString boxText(ReferralBox which) const;
    void setBoxText(ReferralBox which, const QString& text);

    std::unique_ptr<Ui::frmNagScreen2> m_ui;
    Program& m_program;
};

} // namespace Tessivane
