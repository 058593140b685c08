#pragma once

#include "Report.h"

#include <QWidget>

#include <memory>

namespace Ui {
class frmPlaneOfExOrPerExpect;
}

namespace Tessivane {

class Program;

// The result window: the report in a read-only box, "Back", and the links.
class frmPlaneOfExOrPerExpect : public QWidget
{
    Q_OBJECT

public:
    explicit frmPlaneOfExOrPerExpect(Program& program);
    ~frmPlaneOfExOrPerExpect() override;

    // Inserts the pieces one by one at the caret of the report box, then puts the caret at the start.
    void WriteReport(const ReportPieces& pieces);

    void cmdback_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Unload();
    void emptyClipboard();
    void applyLook();

    std::unique_ptr<Ui::frmPlaneOfExOrPerExpect> m_ui;
    Program& m_program;
};

} // namespace Tessivane
