#include "Report.h"

#include <string_view>

namespace Tessivane {

namespace {

constexpr std::string_view crlf = "\r\n";
// A line's end and an empty line: what ends a paragraph.
constexpr std::string_view paragraphEnd = "\r\n\r\n";

constexpr std::string_view introduction
    = "These numbers shows a person's temperament and expression. You are described in four planes namely: Mental, "
      "Physical, Emotional and Intuitive. This shows which of the four planes are stronger in a person.";

// The description sections, in the order they appear: heading, paragraph.
struct Section
{
    std::string_view heading;
    std::string_view paragraph;
};

constexpr std::array<Section, AllPlanes.size()> sections {{
    {"Your Plane of Expression: Physical (body):",
     "Physical Plane of Expression tells how you react and can adjust to the physical world around you. This is "
     "related with our 5 senses (touch, taste, and smell). Basically it explains your material strengths and "
     "weaknesses."},
    {"Your Plane of Expression: Mental (mind): ",
     "Mental Plane of Expression describes your thought process and how your mind works in different situations. It "
     "helps you to know about and understand how things work logically. It also helps you express yourselves while "
     "learning, thinking and problem solving."},
    {"Your Plane of Expression: Emotional (heart): ",
     "Your heart rules your emotional senses. This plane of expression helps you realize your sensitivity. You "
     "approach your life principally reacting to certain situations. Basically it explores your EQ (emotional "
     "quotient) and inner perceptive."},
    {"Your Plane of Expression: Intuitive (spirit):",
     "This plane reveals how sensitive you are about your inner self. You utilize intuitive gifts at your best. It "
     "helps you to know your level of spirituality and understanding. The Intuitive Plane of Expression reveals your "
     "level of sensitive understanding."},
}};

std::string firstPiece(const Reading& reading)
{
    std::string piece = "Your Plane of Expression is towards ";
    if (reading.Dominant)
        piece += planeWord(*reading.Dominant);
    piece.append(paragraphEnd).append("Your Personal Expression: ").append(crlf);
    for (const Plane plane : AllPlanes) {
        piece.append(planeWord(plane)).append(" Ability ");
        piece += std::to_string(reading.Percent[index(plane)]);
        piece.append(" - ").append(bandWord(reading.Strength[index(plane)]));
        // The last summary line has no trailing blank.
        if (plane != Plane::Intuitive)
            piece.append(" ").append(crlf);
    }
    piece.append(paragraphEnd);
    return piece;
}

std::string joined(std::string_view a, std::string_view b)
{
    std::string text;
    text.reserve(a.size() + b.size());
    text.append(a).append(b);
    return text;
}

} // namespace

ReportPieces ComposeReport(const Reading& reading)
{
    ReportPieces pieces;
    pieces[0] = firstPiece(reading);
    pieces[1] = joined(introduction, paragraphEnd);
    std::size_t next = 2;
    for (const Section& section : sections) {
        pieces[next++] = joined(section.heading, crlf);
        pieces[next++] = joined(section.paragraph, paragraphEnd);
    }
    pieces[next] = paragraphEnd;
    return pieces;
}

std::string reportText(const ReportPieces& pieces)
{
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

} // namespace Tessivane
