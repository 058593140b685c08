#pragma once

#include <QLabel>

namespace Tessivane {

// A label that acts as a link: a pointing hand over it, clicked on a press and
// release of the left button inside it.
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

private:
    bool m_pressed = false;
};

} // namespace Tessivane
