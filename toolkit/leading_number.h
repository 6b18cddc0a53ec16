// Numbers read from text as the C function atoi reads them: leading white
// space, an optional sign, then decimal digits up to the first other
// character; no digits give 0. Where atoi's result would be undefined (a
// value beyond the range asked for), the result saturates at the nearer bound.
#pragma once

#include <cctype>
#include <cstdint>
#include <limits>
#include <string_view>

inline std::int64_t ParseLeadingNumber(std::string_view text, std::int64_t nMin, std::int64_t nMax) {
    // Past this magnitude no bound a caller can ask for is nearer.
    constexpr std::uint64_t kCap = std::uint64_t{1} << 62;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        bNegative = text[i++] == '-';
    std::uint64_t nMagnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        const auto nDigit = static_cast<std::uint64_t>(text[i] - '0');
        nMagnitude = nMagnitude > (kCap - nDigit) / 10 ? kCap : nMagnitude * 10 + nDigit;
    }
    const std::int64_t nValue = bNegative ? -static_cast<std::int64_t>(nMagnitude) : static_cast<std::int64_t>(nMagnitude);
    return nValue < nMin ? nMin : nValue > nMax ? nMax : nValue;
}

// atoi as an int, saturating instead of overflowing.
inline int AtoiSaturated(std::string_view text) {
    return static_cast<int>(ParseLeadingNumber(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
