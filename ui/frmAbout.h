#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace Tessivane {

class modHelp;

// What the program is, with two links to the maker's site. Shown modally.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(modHelp& help, QWidget* parent);
    ~frmAbout() override;

private slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

private:
    void applyLook();

    std::unique_ptr<Ui::frmAbout> m_ui;
    modHelp& m_help;
};

} // namespace Tessivane
