#pragma once

// The reading engine, plain standard C++.
//
// Data flow: the three name texts go through ComputeReading (trim, join, count
// the capitals of each plane, turn counts into truncated percentages, grade each
// plane, pick the dominant one) into a Reading; ComposeReport turns a Reading into
// the report text; ValidateEntries decides beforehand whether the entries may be
// read at all. Nothing here keeps state between calls.
//
// Names arrive as UTF-16 (the text of the input boxes). A character outside the
// Basic Multilingual Plane is one character, not two code units.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Tessivane {

enum class Plane { Mental, Physical, Emotional, Intuitive };
enum class Band { Weak, Average, Strong };

inline constexpr std::array<Plane, 4> AllPlanes {Plane::Mental, Plane::Physical, Plane::Emotional, Plane::Intuitive};

constexpr std::size_t index(Plane plane)
{
    return static_cast<std::size_t>(plane);
}

std::string_view planeWord(Plane plane);
std::string_view bandWord(Band band);

struct Reading
{
    std::array<std::int16_t, 4> Percent {}; // 0..100, indexed by Plane
    std::array<Band, 4> Strength {};
    std::optional<Plane> Dominant;

    bool operator==(const Reading&) const = default;
};

// Letter counts behind a reading; 64-bit so that no name that fits in memory overflows.
struct Tally
{
    std::array<std::uint64_t, 4> count {}; // capitals of each plane
    std::uint64_t length = 0; // characters of the joined, trimmed name
};

// Removes leading and trailing U+0020 only; tabs and other blanks stay.
std::u16string_view trimBlanks(std::u16string_view text);

// Number of characters: a surrogate pair counts once, a lone surrogate once.
std::uint64_t characterCount(std::u16string_view text);

// The plane of one of the capitals A..Z; every other character has none.
std::optional<Plane> PlaneOfLetter(char32_t character);

// Percentage must be 0..100.
Band BandOf(Plane plane, int percentage);

// The plane strictly above each of the other three, or none on a shared top.
std::optional<Plane> DominantPlane(const std::array<std::int16_t, 4>& percent);

Tally tallyName(std::u16string_view firstName, std::u16string_view middleName, std::u16string_view lastName);

// percent = count * 100 / length, truncated. An empty joined name (possible only
// when every name is blank) gives the all-zero reading: 0 everywhere, all Weak,
// no dominant plane.
Reading ComputeReading(std::u16string_view firstName, std::u16string_view middleName, std::u16string_view lastName);

} // namespace Tessivane
