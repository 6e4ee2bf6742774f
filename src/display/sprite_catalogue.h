#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "display/sprite_holders.h"

namespace gs {

// One sprite of the scene: its holder, its frames, key mode, frame
// period and start place.
struct CatalogueRow {
  int32_t SpriteHolders::*holder;
  const char* holderName;
  // Frame files by stem, separated by blanks: "a b*3" is a for frame 1 and b
  // for frames 2 to 4; "@12" moves on to frame 12 without loading the frames
  // skipped.
  const char* frames;
  int32_t keyMode;
  int32_t periodMs;  // 0: not animated
  int32_t x, y;
};

struct CatalogueFrame {
  int32_t frame;
  std::string file;  // stem + ".bmp"
};

// Every row in build order; the two notices come first and are built only
// while their notice is pending.
std::span<const CatalogueRow> SpriteCatalogue();
std::vector<CatalogueFrame> ExpandFrames(const CatalogueRow& row);

}  // namespace gs
