#pragma once
// All rendered pictures of one generator run, looked up by name.
#include <map>
#include <string>

#include "bmp_writer.h"

namespace art {

struct Rendered {
  RgbImage image;
  bool keyed = true;
};

using RenderedSet = std::map<std::string, Rendered>;

}  // namespace art
