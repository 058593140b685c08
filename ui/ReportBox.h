#pragma once

#include <QPlainTextEdit>

namespace Tessivane {

// A text box that tells of every mouse action over its text once the toolkit has
// handled it, so that whatever that action selected already exists.
class ReportBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReportBox(QWidget* parent = nullptr);

signals:
    void mouseDown(); // also the second press of a double click
    void mouseMove();
    void mouseUp();

protected:
    bool viewportEvent(QEvent* event) override;
};

} // namespace Tessivane
