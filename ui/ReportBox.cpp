#include "ReportBox.h"

namespace Tessivane {

ReportBox::ReportBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    // Moves without a button held count too.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

bool ReportBox::viewportEvent(QEvent* event)
{
    const bool handled = QPlainTextEdit::viewportEvent(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit mouseDown();
        break;
    case QEvent::MouseMove:
        emit mouseMove();
        break;
    case QEvent::MouseButtonRelease:
        emit mouseUp();
        break;
    default:
        break;
    }
    return handled;
}

} // namespace Tessivane
