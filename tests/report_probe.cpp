// Prints the report the engine composes for the names given as arguments (UTF-8), with
// the line breaks a text box shows: what the end-to-end tests expect on screen.
#include "Reading.h"
#include "Report.h"

#include <iostream>
#include <string>

namespace {

std::u16string Utf16(const std::string& text)
{
    std::u16string result; // the test names are ASCII
    for (const char c : text)
        result += static_cast<char16_t>(static_cast<unsigned char>(c));
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: report_probe FIRST MIDDLE LAST\n";
        return 2;
    }
    using namespace Tessivane;
    const std::string report
        = reportText(ComposeReport(ComputeReading(Utf16(argv[1]), Utf16(argv[2]), Utf16(argv[3]))));
    for (const char c : report) {
        if (c != '\r')
            std::cout << c;
    }
    return 0;
}
