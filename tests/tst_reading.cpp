#include "Reading.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tessivane;

namespace {

using P = std::array<std::int16_t, 4>;
using B = std::array<Band, 4>;
constexpr Band W = Band::Weak;
constexpr Band A = Band::Average;
constexpr Band S = Band::Strong;

struct ReadingCase
{
    const char* name;
    std::u16string first, middle, last;
    P percent;
    B strength;
    std::optional<Plane> dominant;
};

std::u16string repeat(std::u16string_view piece, std::size_t times)
{
    std::u16string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

const ReadingCase readingCases[] = {
    {"four planes tie", u"AB", u"", u"CD", {25, 25, 25, 25}, {W, S, A, S}, std::nullopt},
    {"mental dominates", u"AAAA", u"", u"B", {80, 0, 20, 0}, {S, W, W, W}, Plane::Mental},
    {"two strong planes tie", u"HAJ", u"", u"DEW", {50, 50, 0, 0}, {S, S, W, W}, std::nullopt},
    {"pasted small letters count in length only", u"abc", u"", u"D", {0, 25, 0, 0}, {W, S, W, W}, Plane::Physical},
    {"inner blank counts", u"A B", u"", u"C", {25, 0, 25, 25}, {W, W, A, S}, std::nullopt},
    {"outer blanks and blank middle vanish", u"  A  ", u"   ", u"B", {50, 0, 50, 0}, {S, W, S, W}, std::nullopt},
    {"hyphen and digit count", u"A-1", u"", u"B", {25, 0, 25, 0}, {W, W, A, W}, std::nullopt},
    {"truncation", u"DE", u"", u"BBBBBBBBB", {0, 18, 81, 0}, {W, A, S, W}, Plane::Emotional},
    {"nothing but small letters", u"x", u"", u"y", {0, 0, 0, 0}, {W, W, W, W}, std::nullopt},
    {"middle name is trimmed and counted", u"A", u" EM ", u"K", {25, 50, 0, 25}, {W, S, W, S}, Plane::Physical},
    {"tab at an end stays", u"\tA", u"", u"B\t", {25, 0, 25, 0}, {W, W, A, W}, std::nullopt},
    {"no-break space is not trimmed", u"\u00A0A", u"", u"B", {33, 0, 33, 0}, {S, W, A, W}, std::nullopt},
    {"accented capitals belong to no plane", u"\u00C9A", u"", u"\u00D6", {33, 0, 0, 0}, {S, W, W, W}, Plane::Mental},
    {"fullwidth capitals belong to no plane", u"\uFF21A", u"", u"B", {33, 0, 33, 0}, {S, W, A, W}, std::nullopt},
    // An emoji is one character although it is two UTF-16 units.
    {"emoji counts once", u"A\U0001F600", u"", u"B", {33, 0, 33, 0}, {S, W, A, W}, std::nullopt},
    {"lone surrogate counts once", u"A\xD800", u"", u"B", {33, 0, 33, 0}, {S, W, A, W}, std::nullopt},
    // Shared truncated percentage: Mental has 41 letters, Emotional 40, both read 20.
    {"tie on truncated percentages",
     repeat(u"A", 41),
     u"",
     repeat(u"B", 40) + repeat(u"a", 119),
     {20, 0, 20, 0},
     {W, W, W, W},
     std::nullopt},
    // Beyond the old 16-bit limits: 40,000 characters and 30,000 letters of one plane.
    {"long name, wide counts",
     repeat(u"A", 30000),
     u"",
     repeat(u"E", 10000),
     {75, 25, 0, 0},
     {S, S, W, W},
     Plane::Mental},
    {"blank names give the zero reading", u"  ", u"", u" ", {0, 0, 0, 0}, {W, W, W, W}, std::nullopt},
    {"all empty gives the zero reading", u"", u"", u"", {0, 0, 0, 0}, {W, W, W, W}, std::nullopt},
};

class ReadingTable : public testing::TestWithParam<ReadingCase>
{
};

TEST_P(ReadingTable, ComputesPercentBandAndDominant)
{
    const ReadingCase& c = GetParam();
    const Reading reading = ComputeReading(c.first, c.middle, c.last);
    EXPECT_EQ(reading.Percent, c.percent);
    EXPECT_EQ(reading.Strength, c.strength);
    EXPECT_EQ(reading.Dominant, c.dominant);
}

INSTANTIATE_TEST_SUITE_P(Names, ReadingTable, testing::ValuesIn(readingCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST(LetterTable, EveryCapitalHasThePlaneOfTheTable)
{
    const std::pair<std::string_view, Plane> table[] = {
        {"AGHJLNP", Plane::Mental},
        {"DEMW", Plane::Physical},
        {"BIORSTXZ", Plane::Emotional},
        {"CFKQUVY", Plane::Intuitive},
    };
    int letters = 0;
    for (const auto& [set, plane] : table) {
        for (const char letter : set) {
            EXPECT_EQ(PlaneOfLetter(static_cast<char32_t>(letter)), plane) << letter;
            ++letters;
        }
    }
    EXPECT_EQ(letters, 26);
}

TEST(LetterTable, NothingButTheCapitalsHasAPlane)
{
    for (const char32_t character :
         {U'@', U'[', U'a', U'z', U'0', U' ', U'-', U'\'', U'\u00C0', U'\u0410', U'\U0001F600'})
        EXPECT_EQ(PlaneOfLetter(character), std::nullopt) << static_cast<std::uint32_t>(character);
}

struct BandEdge
{
    Plane plane;
    int percent;
    Band band;
};

TEST(Bands, EveryEdgeOfEveryPlane)
{
    const BandEdge edges[] = {
        {Plane::Mental, 0, W},     {Plane::Mental, 25, W},     {Plane::Mental, 26, A},    {Plane::Mental, 32, A},
        {Plane::Mental, 33, S},    {Plane::Mental, 100, S},    {Plane::Physical, 0, W},   {Plane::Physical, 17, W},
        {Plane::Physical, 18, A},  {Plane::Physical, 23, A},   {Plane::Physical, 24, S},  {Plane::Physical, 100, S},
        {Plane::Emotional, 0, W},  {Plane::Emotional, 20, W},  {Plane::Emotional, 21, A}, {Plane::Emotional, 34, A},
        {Plane::Emotional, 35, S}, {Plane::Emotional, 100, S}, {Plane::Intuitive, 0, W},  {Plane::Intuitive, 11, W},
        {Plane::Intuitive, 12, A}, {Plane::Intuitive, 17, A},  {Plane::Intuitive, 18, S}, {Plane::Intuitive, 100, S},
    };
    for (const auto& edge : edges)
        EXPECT_EQ(BandOf(edge.plane, edge.percent), edge.band) << planeWord(edge.plane) << ' ' << edge.percent;
}

TEST(Dominant, StrictlyAboveEachOtherPlane)
{
    EXPECT_EQ(DominantPlane({1, 0, 0, 0}), Plane::Mental);
    EXPECT_EQ(DominantPlane({0, 0, 0, 1}), Plane::Intuitive);
    EXPECT_EQ(DominantPlane({10, 30, 30, 5}), std::nullopt);
    EXPECT_EQ(DominantPlane({40, 30, 30, 5}), Plane::Mental);
    EXPECT_EQ(DominantPlane({0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(DominantPlane({5, 9, 10, 10}), std::nullopt);
}

TEST(Trim, OnlyTheSpaceCharacter)
{
    EXPECT_EQ(trimBlanks(u"  a b  "), u"a b");
    EXPECT_EQ(trimBlanks(u"   "), u"");
    EXPECT_EQ(trimBlanks(u""), u"");
    EXPECT_EQ(trimBlanks(u"\t a \r\n"), u"\t a \r\n");
}

TEST(Tally, MillionCharacterNameIsExact)
{
    // 1,000,000 characters: 333,333 Mental, 1 Physical, the rest small letters.
    const std::u16string first = repeat(u"N", 333333) + u"D";
    const std::u16string last = repeat(u"n", 1000000 - 333334);
    const Tally tally = tallyName(first, u"", last);
    EXPECT_EQ(tally.length, 1000000u);
    EXPECT_EQ(tally.count[index(Plane::Mental)], 333333u);
    EXPECT_EQ(tally.count[index(Plane::Physical)], 1u);
    const Reading reading = ComputeReading(first, u"", last);
    EXPECT_EQ(reading.Percent, (P {33, 0, 0, 0}));
    EXPECT_EQ(reading.Dominant, Plane::Mental);
}

} // namespace
