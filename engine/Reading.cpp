#include "Reading.h"

#include <string>

namespace Tessivane {

namespace {

constexpr bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Upper bound of each band (inclusive) for Weak and Average; above is Strong.
struct BandLimits
{
    int weakMax;
    int averageMax;
};

constexpr std::array<BandLimits, 4> bandLimits {{{25, 32}, {17, 23}, {20, 34}, {11, 17}}};

// Indexed by letter - 'A'.
constexpr std::array<Plane, 26> letterPlanes {
    Plane::Mental, // A
    Plane::Emotional, // B
    Plane::Intuitive, // C
    Plane::Physical, // D
    Plane::Physical, // E
    Plane::Intuitive, // F
    Plane::Mental, // G
    Plane::Mental, // H
    Plane::Emotional, // I
    Plane::Mental, // J
    Plane::Intuitive, // K
    Plane::Mental, // L
    Plane::Physical, // M
    Plane::Mental, // N
    Plane::Emotional, // O
    Plane::Mental, // P
    Plane::Intuitive, // Q
    Plane::Emotional, // R
    Plane::Emotional, // S
    Plane::Emotional, // T
    Plane::Intuitive, // U
    Plane::Intuitive, // V
    Plane::Physical, // W
    Plane::Emotional, // X
    Plane::Intuitive, // Y
    Plane::Emotional, // Z
};

std::int16_t percentOf(std::uint64_t count, std::uint64_t length)
{
    if (length == 0)
        return 0;
    // count <= length, and length is bounded by memory, far below 2^64 / 100.
    return static_cast<std::int16_t>(count * 100 / length);
}

} // namespace

std::string_view planeWord(Plane plane)
{
    constexpr std::string_view words[] = {"Mental", "Physical", "Emotional", "Intuitive"};
    return words[static_cast<std::size_t>(plane)];
}

std::string_view bandWord(Band band)
{
    constexpr std::string_view words[] = {"Weak", "Average", "Strong"};
    return words[static_cast<std::size_t>(band)];
}

std::u16string_view trimBlanks(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

std::uint64_t characterCount(std::u16string_view text)
{
    std::uint64_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
            ++i;
        ++count;
    }
    return count;
}

std::optional<Plane> PlaneOfLetter(char32_t character)
{
    if (character < U'A' || character > U'Z')
        return std::nullopt;
    return letterPlanes[character - U'A'];
}

Band BandOf(Plane plane, int percentage)
{
    const BandLimits limits = bandLimits[index(plane)];
    if (percentage <= limits.weakMax)
        return Band::Weak;
    if (percentage <= limits.averageMax)
        return Band::Average;
    return Band::Strong;
}

std::optional<Plane> DominantPlane(const std::array<std::int16_t, 4>& percent)
{
    for (const Plane candidate : AllPlanes) {
        bool aboveAll = true;
        for (const Plane other : AllPlanes) {
            if (other != candidate && percent[index(candidate)] <= percent[index(other)])
                aboveAll = false;
        }
        if (aboveAll)
            return candidate;
    }
    return std::nullopt;
}

Tally tallyName(std::u16string_view firstName, std::u16string_view middleName, std::u16string_view lastName)
{
    std::u16string joined;
    joined.reserve(firstName.size() + middleName.size() + lastName.size());
    joined.append(trimBlanks(firstName)).append(trimBlanks(middleName)).append(trimBlanks(lastName));

    Tally tally;
    tally.length = characterCount(joined);
    for (const char16_t unit : joined) {
        // Surrogate halves are never capitals, so walking code units counts exactly.
        if (const auto plane = PlaneOfLetter(unit))
            ++tally.count[index(*plane)];
    }
    return tally;
}

Reading ComputeReading(std::u16string_view firstName, std::u16string_view middleName, std::u16string_view lastName)
{
    const Tally tally = tallyName(firstName, middleName, lastName);
    Reading reading;
    for (const Plane plane : AllPlanes) {
        const std::int16_t percent = percentOf(tally.count[index(plane)], tally.length);
        reading.Percent[index(plane)] = percent;
        reading.Strength[index(plane)] = BandOf(plane, percent);
    }
    reading.Dominant = DominantPlane(reading.Percent);
    return reading;
}

} // namespace Tessivane
