#pragma once
#include <cstdint>
#include <string_view>

namespace gs {

// Stored text to the 16-bit Integer the readers use. Decimal text with an
// optional sign and blanks around it; a fraction rounds half to even; text that
// is not a number gives 0; numbers beyond the 16-bit range are clamped to it.
int16_t ToInteger(std::string_view text);

// Stored text to a Boolean: "True"/"False" in any letter case (blanks around
// allowed), or a number (0 false, any other true). Anything else is false.
bool ToBoolean(std::string_view text);

}  // namespace gs
