#pragma once

// Splits a fuzzer's bytes into parts: a part ends at a 0xFF byte (at most
// count - 1 such cuts), so the fuzzer can learn to vary each part on its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Tessivane::Fuzz {

inline std::vector<std::string> Parts(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && parts.size() < count)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    }
    parts.resize(count);
    return parts;
}

// Bytes taken pairwise as UTF-16 code units, so lone surrogates occur too.
inline std::u16string Utf16(const std::string& bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i])
                                      | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

} // namespace Tessivane::Fuzz

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            __builtin_printf("invariant broken: %s\n", #condition);                                                    \
            __builtin_trap();                                                                                          \
        }                                                                                                              \
    } while (false)
