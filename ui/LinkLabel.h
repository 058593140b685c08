#pragma once

#include <QLabel>

namespace Tessivane {

// A label that acts as a link: a pointing hand over it, clicked on a press and
// release of the left button inside it, or, once reached with Tab, by Enter or
// Space. Screen readers are told it is a link, named by its text.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace Tessivane
