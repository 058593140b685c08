#pragma once

#include <QString>

namespace Tessivane {

// "Tessivane": the title of every message box.
QString programTitle();
// "Tessivane  v" and the version, with two blanks: the input, result and about windows.
QString versionTitle();
// "Tessivane v" and the version, with one blank: the closing window.
QString closingWindowTitle();

} // namespace Tessivane
