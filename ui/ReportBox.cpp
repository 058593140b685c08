#include "ReportBox.h"

namespace Tessivane {

ReportBox::ReportBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    // Moves without a button held count too.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void ReportBox::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    emit mouseDown();
}

void ReportBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit mouseDown();
}

void ReportBox::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    emit mouseMove();
}

void ReportBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseUp();
}

} // namespace Tessivane
