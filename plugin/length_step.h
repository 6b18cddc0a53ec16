// The step of a length box by its up-down control, shared by the Correlation
// page and the Advanced Correlation dialog. Neither control has a buddy or a
// range: the handler of UDN_DELTAPOS rewrites the box's text itself.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "leading_number.h"

// The text after one step. The text reads as atoi reads it (blanks, a sign,
// the leading digits; 0 without digits), except that a negative number counts
// as 0 and a number beyond 32 bits as the largest one, so that a hand-edited
// profile cannot make a step wrap around. An up-down control without a range
// runs from 100 down to 0, so its up arrow reports a negative delta: that
// raises the number, any other delta lowers it, and neither end moves past its bound.
inline std::string SteppedLength(std::string_view text, int iDelta) {
    constexpr std::uint32_t kLargest = std::numeric_limits<std::uint32_t>::max();
    auto nLength = static_cast<std::uint32_t>(ParseLeadingNumber(text, 0, kLargest));
    if (iDelta < 0) {
        if (nLength < kLargest) ++nLength;
    } else if (nLength != 0) {
        --nLength;
    }
    return std::to_string(nLength);
}
