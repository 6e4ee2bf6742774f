#include "scene_host/data_folder_index.h"

#include <filesystem>

#include "platform/text.h"

namespace gs {

DataFolderIndex::DataFolderIndex(const std::string& folder) : folder_(folder) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    // Two names differing only in case: keep the first in sorted order so the
    // choice does not depend on the directory's order.
    auto [slot, inserted] = byFoldedName_.emplace(FoldCase(name), name);
    if (!inserted && name < slot->second) slot->second = name;
  }
}

std::string DataFolderIndex::Resolve(const std::string& name) const {
  auto it = byFoldedName_.find(FoldCase(name));
  return folder_ + (it == byFoldedName_.end() ? name : it->second);
}

}  // namespace gs
