#include <algorithm>

#include "picture.h"

namespace art {
namespace {

// Function-local so that registrars in other files may run before this one.
std::vector<void (*)(PictureList&)>& Adders() {
  static std::vector<void (*)(PictureList&)> adders;
  return adders;
}

}  // namespace

PictureGroup::PictureGroup(void (*add)(PictureList&)) { Adders().push_back(add); }

PictureList CollectPictures() {
  PictureList all;
  for (auto add : Adders()) add(all);
  std::stable_sort(all.begin(), all.end(), [](const Picture& a, const Picture& b) { return a.name < b.name; });
  return all;
}

}  // namespace art
