// The cow on the lawn at (610, 450) beside the final picture: swishing her
// tail and chewing, two frames at 50 ms.
#include "cow_figure.h"
#include "picture.h"

namespace {

using namespace art;

void AddLawnCow(PictureList& out) {
  out.push_back({"Cow1", 190, 140, true, [](cairo_t* cr) { DrawCow(cr, 4, 4, 0.98, {.tail = -0.6, .jaw = 0}); }});
  out.push_back({"Cow2", 190, 140, true, [](cairo_t* cr) { DrawCow(cr, 4, 4, 0.98, {.tail = 0.6, .jaw = 1}); }});
}

const PictureGroup kLawnCow(AddLawnCow);

}  // namespace
