#pragma once
#include <SDL.h>

#include <string>

#include "display/sdl/sdl_handles.h"

namespace gs {

// The largest picture the show can use: twice the screen each way, which
// is more than any sprite needs even partly off the screen.
constexpr int kMaxPictureWidth = 1600;
constexpr int kMaxPictureHeight = 1200;

// Decodes a BMP picture file. The file must be a regular file whose header
// claims no more than the bounds above, so that neither a FIFO nor a header
// claiming 100000 x 100000 pixels can hang the show or take its memory.
// Answers nullptr, after one line on standard error naming the file and what
// is wrong, for a missing, unreadable, oversized or broken file.
UniqueSurface LoadPictureFile(const std::string& path);

}  // namespace gs
