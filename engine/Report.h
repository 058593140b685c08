#pragma once

#include "Reading.h"

#include <array>
#include <string>

namespace Tessivane {

inline constexpr std::size_t ReportPieceCount = 11;
using ReportPieces = std::array<std::string, ReportPieceCount>;

// The report as the eleven pieces that are written one after another into the
// result box; their concatenation is the report. Lines end in CR LF. Only the
// first piece depends on the reading. Plain ASCII.
ReportPieces ComposeReport(const Reading& reading);

// The pieces joined, for callers that want the whole text.
std::string reportText(const ReportPieces& pieces);

} // namespace Tessivane
