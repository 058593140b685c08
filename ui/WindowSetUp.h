#pragma once

class QWidget;

namespace Tessivane {

// What every window of the program shares, done once its controls exist: what
// screen readers need of it (makeReadable), its links' colour as the user's
// contrast asks (Look::showColours), and, outside dialogs (which have a
// default button of their own), deletion when closed and Enter and keypad Enter
// pressing the focused push button as Space does. A checkable button keeps its
// own keys.
void setUpWindow(QWidget* window);

} // namespace Tessivane
