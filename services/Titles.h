#pragma once

#include <QString>

namespace Tessivane {

// "Tessivane": the title of every message box.
QString programTitle();
// "Tessivane  v1.45" (two blanks): the input, result and about windows.
QString versionTitle();
// "Tessivane v1.45" (one blank): the closing window.
QString closingWindowTitle();

} // namespace Tessivane
