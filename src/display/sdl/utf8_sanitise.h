#pragma once
#include <string>

namespace gs {

// Returns text as valid UTF-8: every malformed or overlong sequence, stray
// continuation byte, surrogate and control character (other than none) is
// replaced by U+FFFD, so the font renderer never sees bad input.
std::string SanitiseUtf8(const std::string& text);

}  // namespace gs
