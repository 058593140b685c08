#pragma once

#include "Reading.h"

#include <array>
#include <string>

namespace Tessivane {

// The summary, the introduction, a heading and a paragraph for each plane, and
// a closing blank line.
inline constexpr std::size_t ReportPieceCount = 2 + 2 * AllPlanes.size() + 1;
using ReportPieces = std::array<std::string, ReportPieceCount>;

// The report as the pieces that are written one after another into the result
// box; their concatenation is the report. Lines end in CR LF. Only the first
// piece depends on the reading. Plain ASCII.
ReportPieces ComposeReport(const Reading& reading);

// The pieces joined, for callers that want the whole text.
std::string reportText(const ReportPieces& pieces);

} // namespace Tessivane
