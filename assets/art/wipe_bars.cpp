// The black bars of the closing wipe. They are drawn without clearing, two
// pixels further each frame, so only their colour and length matter.
#include "picture.h"

namespace {

void Black(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
}

void AddWipeBars(art::PictureList& out) {
  out.push_back({"vertbar", 4, 600, false, Black});
  out.push_back({"horizbar", 800, 4, false, Black});
}

const art::PictureGroup kWipeBars(AddWipeBars);

}  // namespace
