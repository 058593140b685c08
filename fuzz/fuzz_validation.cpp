// ValidateEntries: one verdict for any entries, its message and focus consistent.
#include "FuzzInput.h"
#include "Validation.h"

#include <map>

using namespace Tessivane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto parts = Fuzz::Parts(data + 2, size - 2, 6);
    Entries entries {Fuzz::Utf16(parts[0]),          Fuzz::Utf16(parts[1]),         Fuzz::Utf16(parts[2]),
                     Fuzz::Utf16(parts[3]),          Fuzz::Utf16(parts[4]),         Fuzz::Utf16(parts[5]),
                     static_cast<int>(data[0]) - 40, static_cast<int>(data[1]) - 20};

    static const std::map<std::string, std::optional<EntryField>> messages {
        {"Please Enter Your First Name", EntryField::FirstName}, {"Please Enter Your Last Name", EntryField::LastName},
        {"Please Specify Your Birth Date", EntryField::Day},     {"Please Specify Your Birth Month", EntryField::Month},
        {"Please Specify Your Birth Year", EntryField::Year},    {"Please Enter Correct Date Or Month!", std::nullopt},
        {"Please Enter Correct Date Or Month !", std::nullopt},
    };
    const Verdict verdict = ValidateEntries(entries);
    FUZZ_CHECK(verdict.Accepted == !verdict.Message.has_value());
    if (verdict.Accepted) {
        FUZZ_CHECK(!verdict.FocusTarget);
        FUZZ_CHECK(!entries.FirstName.empty() && !entries.LastName.empty() && !entries.YearText.empty());
    } else {
        const auto known = messages.find(*verdict.Message);
        FUZZ_CHECK(known != messages.end());
        FUZZ_CHECK(known->second == verdict.FocusTarget);
    }
    if (entries.FirstName.empty())
        FUZZ_CHECK(verdict.Message == std::optional<std::string>("Please Enter Your First Name"));
    return 0;
}
