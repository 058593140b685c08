#pragma once

#include <QtGlobal>

class QLabel;
class QWidget;

namespace Tessivane {

// The fixed boxes were laid out for Windows fonts at 96 dots an inch; a wider
// fallback font or a larger font resolution is made smaller until the text fits
// its box: every label, button, list and frame title of the widget and in it.
void fitText(QWidget* widget);
// The same after the boxes were made shrunkBy times their size, whatever the
// face: text made as much smaller takes sizes its face may draw larger.
void refitText(QWidget* widget, qreal shrunkBy);
// A label that sizes itself, until it fits within maxWidth.
void shrinkToWidth(QLabel* label, int maxWidth);

} // namespace Tessivane
