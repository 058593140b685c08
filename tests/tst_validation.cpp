#include "Validation.h"

#include <gtest/gtest.h>

using namespace Tessivane;

namespace {

// A complete, valid set of entries: 1 January 1990.
Entries valid()
{
    return Entries {u"JOHN", u"", u"SMITH", u"1", u"January", u"1990", 0, 0};
}

Entries withDate(int dayIndex, int monthIndex, std::u16string year)
{
    Entries entries = valid();
    entries.DayIndex = dayIndex;
    entries.DayText = std::u16string(u"x"); // the text only matters for emptiness
    entries.MonthIndex = monthIndex;
    entries.MonthText = u"m";
    entries.YearText = std::move(year);
    return entries;
}

struct ValidationCase
{
    const char* name;
    Entries entries;
    bool accepted;
    const char* message; // nullptr when none
    std::optional<EntryField> focus;
};

Entries edit(Entries entries, auto change)
{
    change(entries);
    return entries;
}

constexpr auto FirstName = EntryField::FirstName;
constexpr auto LastName = EntryField::LastName;
const char* const february = "Please Enter Correct Date Or Month!";
const char* const thirtyDays = "Please Enter Correct Date Or Month !";

const ValidationCase validationCases[] = {
    {"valid entries", valid(), true, nullptr, std::nullopt},
    {"first and last empty: first name only",
     edit(valid(), [](Entries& e) { e.FirstName.clear(), e.LastName.clear(); }), false, "Please Enter Your First Name",
     FirstName},
    {"last name empty, middle filled", edit(valid(), [](Entries& e) { e.LastName.clear(), e.MiddleName = u"M"; }),
     false, "Please Enter Your Last Name", LastName},
    {"blank first name is not empty", edit(valid(), [](Entries& e) { e.FirstName = u"   "; }), true, nullptr,
     std::nullopt},
    {"all names blank has no reading",
     edit(valid(), [](Entries& e) { e.FirstName = u"   ", e.MiddleName = u" ", e.LastName = u" "; }), false,
     "Please Enter Your First Name", FirstName},
    {"blank names refused before the date checks",
     edit(valid(), [](Entries& e) { e.FirstName = u" ", e.LastName = u" ", e.DayText.clear(); }), false,
     "Please Enter Your First Name", FirstName},
    {"blank first and last with a middle name",
     edit(valid(), [](Entries& e) { e.FirstName = u" ", e.MiddleName = u"M", e.LastName = u" "; }), true, nullptr,
     std::nullopt},
    {"tab is not a blank", edit(valid(), [](Entries& e) { e.FirstName = u"\t", e.LastName = u" "; }), true, nullptr,
     std::nullopt},
    {"no day and no last name: last name first",
     edit(valid(), [](Entries& e) { e.LastName.clear(), e.DayText.clear(), e.DayIndex = -1; }), false,
     "Please Enter Your Last Name", LastName},
    {"no day", edit(valid(), [](Entries& e) { e.DayText.clear(), e.MonthText.clear(), e.YearText.clear(); }), false,
     "Please Specify Your Birth Date", EntryField::Day},
    {"no month", edit(valid(), [](Entries& e) { e.MonthText.clear(), e.YearText.clear(); }), false,
     "Please Specify Your Birth Month", EntryField::Month},
    {"no year", edit(valid(), [](Entries& e) { e.YearText.clear(); }), false, "Please Specify Your Birth Year",
     EntryField::Year},
    {"year not a number", withDate(29, 1, u"19x0"), false, "Please Specify Your Birth Year", EntryField::Year},
    {"year with a sign", withDate(0, 0, u"-1990"), false, "Please Specify Your Birth Year", EntryField::Year},
    {"year with a blank", withDate(0, 0, u" 1990"), false, "Please Specify Your Birth Year", EntryField::Year},
    {"year of arabic-indic digits", withDate(0, 0, u"\u0661\u0669\u0669\u0660"), false,
     "Please Specify Your Birth Year", EntryField::Year},
    {"year of forty digits", withDate(28, 1, u"1234567890123456789012345678901234567890"), false, february,
     std::nullopt},
    {"29 February 2000", withDate(28, 1, u"2000"), true, nullptr, std::nullopt},
    {"29 February 2004", withDate(28, 1, u"2004"), true, nullptr, std::nullopt},
    {"29 February 1900 never existed", withDate(28, 1, u"1900"), false, february, std::nullopt},
    {"29 February 2100", withDate(28, 1, u"2100"), false, february, std::nullopt},
    {"29 February 2001", withDate(28, 1, u"2001"), false, february, std::nullopt},
    {"28 February 2001", withDate(27, 1, u"2001"), true, nullptr, std::nullopt},
    {"30 February 2000", withDate(29, 1, u"2000"), false, february, std::nullopt},
    {"31 February 2000", withDate(30, 1, u"2000"), false, february, std::nullopt},
    {"31 April", withDate(30, 3, u"1990"), false, thirtyDays, std::nullopt},
    {"31 June", withDate(30, 5, u"1990"), false, thirtyDays, std::nullopt},
    {"31 September", withDate(30, 8, u"1990"), false, thirtyDays, std::nullopt},
    {"31 November", withDate(30, 10, u"1990"), false, thirtyDays, std::nullopt},
    {"30 April", withDate(29, 3, u"1990"), true, nullptr, std::nullopt},
    {"31 January", withDate(30, 0, u"1990"), true, nullptr, std::nullopt},
    {"31 March", withDate(30, 2, u"1990"), true, nullptr, std::nullopt},
    {"31 May", withDate(30, 4, u"1990"), true, nullptr, std::nullopt},
    {"31 July", withDate(30, 6, u"1990"), true, nullptr, std::nullopt},
    {"31 August", withDate(30, 7, u"1990"), true, nullptr, std::nullopt},
    {"31 October", withDate(30, 9, u"1990"), true, nullptr, std::nullopt},
    {"31 December", withDate(30, 11, u"1990"), true, nullptr, std::nullopt},
    {"index out of range is no crash", withDate(400, -7, u"1990"), true, nullptr, std::nullopt},
};

TEST(Validation, OrderMessagesAndFocus)
{
    for (const ValidationCase& c : validationCases) {
        SCOPED_TRACE(c.name);
        const Verdict verdict = ValidateEntries(c.entries);
        EXPECT_EQ(verdict.Accepted, c.accepted);
        EXPECT_EQ(verdict.Message, c.message ? std::optional<std::string>(c.message) : std::nullopt);
        EXPECT_EQ(verdict.FocusTarget, c.focus);
    }
}

TEST(Validation, GregorianLeapYears)
{
    for (const long long year : {1600LL, 2000LL, 2400LL, 1904LL, 2024LL, 0LL})
        EXPECT_TRUE(isLeapYear(year)) << year;
    for (const long long year : {1700LL, 1800LL, 1900LL, 2100LL, 2023LL, 1901LL})
        EXPECT_FALSE(isLeapYear(year)) << year;
}

} // namespace
