// ComputeReading with ComposeReport: percentages follow the counts, the report
// has its fixed shape whatever the names.
#include "FuzzInput.h"
#include "Report.h"

using namespace Tessivane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = Fuzz::Parts(data, size, 3);
    const std::u16string first = Fuzz::Utf16(parts[0]);
    const std::u16string middle = Fuzz::Utf16(parts[1]);
    const std::u16string last = Fuzz::Utf16(parts[2]);

    const Tally tally = tallyName(first, middle, last);
    const Reading reading = ComputeReading(first, middle, last);
    std::uint64_t letters = 0;
    std::size_t digits = 0;
    std::size_t words = 0;
    for (const Plane plane : AllPlanes) {
        const auto count = tally.count[index(plane)];
        const int percent = reading.Percent[index(plane)];
        letters += count;
        FUZZ_CHECK(percent >= 0 && percent <= 100);
        FUZZ_CHECK(tally.length == 0 ? percent == 0
                                     : static_cast<std::uint64_t>(percent) == count * 100 / tally.length);
        FUZZ_CHECK(reading.Strength[index(plane)] == BandOf(plane, percent));
        digits += std::to_string(percent).size();
        words += bandWord(reading.Strength[index(plane)]).size();
    }
    FUZZ_CHECK(letters <= tally.length);
    FUZZ_CHECK(tally.length <= first.size() + middle.size() + last.size());
    FUZZ_CHECK(reading.Dominant == DominantPlane(reading.Percent));
    if (reading.Dominant) {
        for (const Plane other : AllPlanes)
            FUZZ_CHECK(other == *reading.Dominant
                       || reading.Percent[index(other)] < reading.Percent[index(*reading.Dominant)]);
        words += planeWord(*reading.Dominant).size();
    }

    const std::string report = reportText(ComposeReport(reading));
    std::size_t lineBreaks = 0;
    for (std::size_t i = 0; i < report.size(); ++i) {
        const char ch = report[i];
        if (ch == '\r') {
            FUZZ_CHECK(i + 1 < report.size() && report[i + 1] == '\n');
            ++lineBreaks;
        } else if (ch == '\n') {
            FUZZ_CHECK(i > 0 && report[i - 1] == '\r');
        } else {
            FUZZ_CHECK(static_cast<unsigned char>(ch) >= 0x20 && static_cast<unsigned char>(ch) < 0x7F);
        }
    }
    FUZZ_CHECK(lineBreaks == 24);
    FUZZ_CHECK(report.size() == 1541 + digits + words);
    return 0;
}
