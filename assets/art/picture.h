#pragma once
// One picture of the show, drawn by code, and the registry that collects all
// of them for the generator.
//
// Adding pictures from a new file (nothing else needs to change: every
// assets/art/*.cpp is compiled straight into gs_artgen):
//
//   #include "picture.h"
//   #include "style.h"
//   namespace {
//   void AddMine(art::PictureList& out) {
//     out.push_back({"T1-07", 120, 140, true, [](cairo_t* cr) { ... }});
//   }
//   const art::PictureGroup kMine(AddMine);
//   }  // namespace
#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace art {

struct Picture {
  std::string name;  // file stem, e.g. "T1-07" (written as "<name>.bmp")
  int width = 0;
  int height = 0;
  // true: drawn on a transparent surface; everything left transparent
  // becomes the key colour, pure magenta. false: opaque, draw must fill the
  // whole rectangle.
  bool keyed = true;
  std::function<void(cairo_t*)> draw;
  // Dithered onto the display's RGB565 grid (for smooth gradients).
  bool dither565 = false;
};

using PictureList = std::vector<Picture>;

// A static PictureGroup in any art file registers its pictures. The add
// function runs when the generator collects, not at static-init time.
struct PictureGroup {
  explicit PictureGroup(void (*add)(PictureList&));
};

// Every registered picture, sorted by name so that output never depends on
// the order of static initialisation.
PictureList CollectPictures();

}  // namespace art
