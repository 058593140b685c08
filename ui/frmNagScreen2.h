#pragma once

#include "modTellAFriend.h"

#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class frmNagScreen2;
}

namespace Tessivane {

class modHelp;

// The closing window: the maker's other software, an appeal, the refer-a-friend
// form, and "Exit", which ends the program.
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    frmNagScreen2(modHelp& help, modTellAFriend& referral, MessageService& messages, RandomSource& random);
    ~frmNagScreen2() override;

    // Prepares the window and shows it on top without activating it. Runs once.
    void Form_Load();

    // The appeal shown for a draw n of 0..3.
    static QString appeal(int n);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Check1_Click(bool checked);
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

    // Every box of the refer-a-friend form: the placeholder comes and goes with
    // the focus; the address boxes refuse a typed blank.
    void txtBox_GotFocus(const ReferralBox& box);
    void txtBox_LostFocus(const ReferralBox& box);
    void txtBox_KeyPress(const ReferralBox& box, char16_t& keyAscii);

private:
    void Form_Unload();
    void applyLook();
    QWidget* control(const ReferralBox& box) const;
    QString boxText(const ReferralBox& box) const;
    void setBoxText(const ReferralBox& box, const QString& text);

    std::unique_ptr<Ui::frmNagScreen2> m_ui;
    // The form's boxes, in the order of ReferralBoxes.
    std::array<QWidget*, std::size(ReferralBoxes)> m_boxes {};
    modHelp& m_help;
    modTellAFriend& m_referral;
    MessageService& m_messages;
    RandomSource& m_random;
};

} // namespace Tessivane
