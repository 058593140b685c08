#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Tessivane {

// What the validator reads from the input window, untrimmed.
struct Entries
{
    std::u16string FirstName;
    std::u16string MiddleName;
    std::u16string LastName;
    std::u16string DayText; // empty when no day is selected
    std::u16string MonthText;
    std::u16string YearText;
    int DayIndex = -1; // 0 is the 1st
    int MonthIndex = -1; // 0 is January
};

enum class EntryField { FirstName, LastName, Day, Month, Year };

struct Verdict
{
    bool Accepted = false;
    std::optional<std::string> Message; // none when accepted
    std::optional<EntryField> FocusTarget; // none: the focus stays where it is

    bool operator==(const Verdict&) const = default;
};

// Gregorian rule.
bool isLeapYear(long long year);

// Checks the entries in a fixed order and stops at the first problem. A name
// made only of blanks passes the emptiness checks, but a joined name that is
// empty after trimming has no reading and is refused like an empty first name.
// A year text that is not a plain decimal whole number (digits only) counts as
// no year selected.
Verdict ValidateEntries(const Entries& entries);

} // namespace Tessivane
