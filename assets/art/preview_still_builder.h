#pragma once
#include <string>

#include "palette_quantiser.h"
#include "rendered_set.h"

namespace art {

inline constexpr int kPreviewWidth = 153;
inline constexpr int kPreviewHeight = 115;

// The opening view of the show (backdrop, shack, firewood and a turkey if one
// is drawn yet) scaled to the preview size, in at most 256 colours.
PalettedImage ComposePreviewStill(const RenderedSet& pictures);

// C++ source defining gs::GetPreviewStill() over the picture's data.
std::string PreviewStillSource(const PalettedImage& still);

}  // namespace art
