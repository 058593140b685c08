#pragma once

#include "Platform.h"
#include "Report.h"

#include <QWidget>

#include <memory>

namespace Ui {
class frmPlaneOfExOrPerExpect;
}

namespace Tessivane {

class Navigator;
class modHelp;

// The result window: the report in a read-only box, "Back", and the links.
class frmPlaneOfExOrPerExpect : public QWidget
{
    Q_OBJECT

public:
    frmPlaneOfExOrPerExpect(Navigator& navigator, modHelp& help, Clipboard& clipboard);
    ~frmPlaneOfExOrPerExpect() override;

    // Inserts the pieces one by one at the caret of the report box, then puts the caret at the start.
    void WriteReport(const ReportPieces& pieces);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdback_Click();
    void txtDisplay_Change();
    void txtDisplay_Click();
    void txtDisplay_MouseDown();
    void txtDisplay_MouseMove();
    void txtDisplay_MouseUp();

private:
    void Form_Unload();
    void emptyClipboard();
    void applyLook(modHelp& help);

    std::unique_ptr<Ui::frmPlaneOfExOrPerExpect> m_ui;
    Navigator& m_navigator;
    Clipboard& m_clipboard;
};

} // namespace Tessivane
