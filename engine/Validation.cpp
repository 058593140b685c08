#include "Validation.h"

#include "Reading.h"

#include <algorithm>
#include <array>
#include <utility>

namespace Tessivane {

namespace {

constexpr int february = 1;
constexpr std::array<int, 4> thirtyDayMonths {3, 5, 8, 10}; // April, June, September, November

Verdict refuse(std::string message, std::optional<EntryField> focus)
{
    return Verdict {false, std::move(message), focus};
}

// The year as a number, or none when the text is not one or more ASCII digits.
// Only the year modulo 400 matters, so arbitrarily long digit strings are fine.
std::optional<long long> yearModulo400(std::u16string_view text)
{
    if (text.empty())
        return std::nullopt;
    long long remainder = 0;
    for (const char16_t unit : text) {
        if (unit < u'0' || unit > u'9')
            return std::nullopt;
        remainder = (remainder * 10 + (unit - u'0')) % 400;
    }
    return remainder;
}

bool blankJoinedName(const Entries& entries)
{
    return trimBlanks(entries.FirstName).empty() && trimBlanks(entries.MiddleName).empty()
        && trimBlanks(entries.LastName).empty();
}

} // namespace

bool isLeapYear(long long year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

Verdict ValidateEntries(const Entries& entries)
{
    if (entries.FirstName.empty())
        return refuse("Please Enter Your First Name", EntryField::FirstName);
    if (entries.LastName.empty())
        return refuse("Please Enter Your Last Name", EntryField::LastName);
    if (blankJoinedName(entries))
        return refuse("Please Enter Your First Name", EntryField::FirstName);
    if (entries.DayText.empty())
        return refuse("Please Specify Your Birth Date", EntryField::Day);
    if (entries.MonthText.empty())
        return refuse("Please Specify Your Birth Month", EntryField::Month);
    const auto year = yearModulo400(entries.YearText);
    if (!year)
        return refuse("Please Specify Your Birth Year", EntryField::Year);

    if (entries.MonthIndex == february) {
        const int lastDayIndex = isLeapYear(*year) ? 28 : 27;
        if (entries.DayIndex > lastDayIndex && entries.DayIndex <= 30)
            return refuse("Please Enter Correct Date Or Month!", std::nullopt);
    }
    const bool thirtyDayMonth
        = std::find(thirtyDayMonths.begin(), thirtyDayMonths.end(), entries.MonthIndex) != thirtyDayMonths.end();
    if (thirtyDayMonth && entries.DayIndex == 30)
        return refuse("Please Enter Correct Date Or Month !", std::nullopt);
    return Verdict {true, std::nullopt, std::nullopt};
}

} // namespace Tessivane
