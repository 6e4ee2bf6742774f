#pragma once
#include <string>

#include "rendered_set.h"

namespace art {

// A review sheet: every picture on a checkered ground with its name, one
// band per sprite in frame order, then any picture no sprite plays. Missing
// pictures show as red boxes. False when the file cannot be written.
bool WriteContactSheet(const std::string& pngPath, const RenderedSet& pictures);

}  // namespace art
