#pragma once

#include <functional>

class QEvent;
class QObject;

namespace Tessivane {

// A key-press hook for a text box: a typed character (no Ctrl, Alt or Meta held)
// is handed to the handler, which may replace it (in a line edit, which then
// inserts the replacement) or discard it by setting it to 0. Returns true when
// the key was replaced or discarded, so that the original must not reach the box.
bool runKeyPress(QObject* box, QEvent* event, const std::function<void(char16_t& keyAscii)>& handler);

} // namespace Tessivane
