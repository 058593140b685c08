#include "Report.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tessivane;

namespace {

Reading readingOf(std::array<std::int16_t, 4> percent, std::array<Band, 4> strength, std::optional<Plane> dominant)
{
    Reading reading;
    reading.Percent = percent;
    reading.Strength = strength;
    reading.Dominant = dominant;
    return reading;
}

const std::string fixedPart
    = "These numbers shows a person's temperament and expression. You are described in four planes namely: "
      "Mental, Physical, Emotional and Intuitive. This shows which of the four planes are "
      "stronger in a person.\r\n"
      "\r\n"
      "Your Plane of Expression: Physical (body):\r\n"
      "Physical Plane of Expression tells how you react and can adjust to the physical world "
      "around you. This is related with our 5 senses (touch, taste, and smell). Basically it "
      "explains your material strengths and weaknesses.\r\n"
      "\r\n"
      "Your Plane of Expression: Mental (mind): \r\n"
      "Mental Plane of Expression describes your thought process and how your mind works in "
      "different situations. It helps you to know about and understand how things work "
      "logically. It also helps you express yourselves while learning, thinking and problem "
      "solving.\r\n"
      "\r\n"
      "Your Plane of Expression: Emotional (heart): \r\n"
      "Your heart rules your emotional senses. This plane of expression helps you realize your "
      "sensitivity. You approach your life principally reacting to certain situations. "
      "Basically it explores your EQ (emotional quotient) and inner perceptive.\r\n"
      "\r\n"
      "Your Plane of Expression: Intuitive (spirit):\r\n"
      "This plane reveals how sensitive you are about your inner self. You utilize intuitive "
      "gifts at your best. It helps you to know your level of spirituality and understanding. "
      "The Intuitive Plane of Expression reveals your level of sensitive understanding.\r\n"
      "\r\n"
      "\r\n"
      "\r\n";

struct ReportCase
{
    const char* name;
    Reading reading;
    std::string head; // lines 1 to 8
};

const ReportCase reportCases[] = {
    {"mental dominant", readingOf({80, 0, 20, 0}, {Band::Strong, Band::Weak, Band::Weak, Band::Weak}, Plane::Mental),
     "Your Plane of Expression is towards Mental\r\n\r\nYour Personal Expression: \r\n"
     "Mental Ability 80 - Strong \r\nPhysical Ability 0 - Weak \r\nEmotional Ability 20 - Weak \r\n"
     "Intuitive Ability 0 - Weak\r\n\r\n"},
    {"no dominant plane keeps the trailing blank",
     readingOf({25, 25, 25, 25}, {Band::Weak, Band::Strong, Band::Average, Band::Strong}, std::nullopt),
     "Your Plane of Expression is towards \r\n\r\nYour Personal Expression: \r\n"
     "Mental Ability 25 - Weak \r\nPhysical Ability 25 - Strong \r\nEmotional Ability 25 - Average \r\n"
     "Intuitive Ability 25 - Strong\r\n\r\n"},
    {"hundred and zero",
     readingOf({0, 0, 0, 100}, {Band::Weak, Band::Weak, Band::Weak, Band::Strong}, Plane::Intuitive),
     "Your Plane of Expression is towards Intuitive\r\n\r\nYour Personal Expression: \r\n"
     "Mental Ability 0 - Weak \r\nPhysical Ability 0 - Weak \r\nEmotional Ability 0 - Weak \r\n"
     "Intuitive Ability 100 - Strong\r\n\r\n"},
    {"three-digit and one-digit numbers",
     readingOf({100, 18, 5, 0}, {Band::Strong, Band::Average, Band::Weak, Band::Weak}, Plane::Mental),
     "Your Plane of Expression is towards Mental\r\n\r\nYour Personal Expression: \r\n"
     "Mental Ability 100 - Strong \r\nPhysical Ability 18 - Average \r\nEmotional Ability 5 - Weak \r\n"
     "Intuitive Ability 0 - Weak\r\n\r\n"},
};

TEST(Report, ExactTextByteForByte)
{
    for (const ReportCase& c : reportCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reportText(ComposeReport(c.reading)), c.head + fixedPart);
    }
}

TEST(Report, PiecesFollowTheWritingOrder)
{
    const ReportPieces pieces = ComposeReport(reportCases[0].reading);
    EXPECT_EQ(pieces[0], reportCases[0].head);
    EXPECT_EQ(pieces[2], "Your Plane of Expression: Physical (body):\r\n");
    EXPECT_EQ(pieces[4], "Your Plane of Expression: Mental (mind): \r\n");
    EXPECT_EQ(pieces[6], "Your Plane of Expression: Emotional (heart): \r\n");
    EXPECT_EQ(pieces[8], "Your Plane of Expression: Intuitive (spirit):\r\n");
    EXPECT_EQ(pieces[10], "\r\n\r\n");
    // The paragraphs have the lengths of the published texts.
    const std::size_t paragraphLengths[] = {204, 220, 258, 240, 253};
    const std::size_t paragraphPieces[] = {1, 3, 5, 7, 9};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(pieces[paragraphPieces[i]].size(), paragraphLengths[i] + 4) << i;
}

} // namespace
