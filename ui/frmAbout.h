#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace Tessivane {

class Program;

// What the program is, with two links to the maker's site. Shown modally.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Program& program, QWidget* parent);
    ~frmAbout() override;

    void cmdOK_Click();

private:
    void applyLook();

    std::unique_ptr<Ui::frmAbout> m_ui;
};

} // namespace Tessivane
