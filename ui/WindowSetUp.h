#pragma once

class QWidget;

namespace Tessivane {

// What every window of the program shares, done once its controls exist: a
// window role that screen readers announce, also for a window
// that is a plain widget; a drop-down list with an accessible name that tells
// screen readers of each new entry; and, outside dialogs (which have a default button of
// their own), deletion when closed and Enter and keypad Enter pressing the
// focused push button as Space does. A checkable button keeps its own keys.
void setUpWindow(QWidget* window);

// The roles above, for every window built from now on. A control that a window
// builds before this is known to the accessibility layer by its Qt class for
// good (its interface is made and kept while the controls are made).
void installAccessibility();

} // namespace Tessivane
