#pragma once
#include <string>
#include <unordered_map>

namespace gs {

// The file names of the data folder, read once, so that the catalogue's names
// find their files whatever the letter case on disk ("pilgrimC.BMP" and
// "pilgrimC.bmp" are one file).
class DataFolderIndex {
 public:
  DataFolderIndex() = default;
  // folder ends with '/'. A folder that cannot be read gives an empty index.
  explicit DataFolderIndex(const std::string& folder);

  // folder + the name on disk that matches name without regard to case; folder
  // + name itself when nothing matches (the layers treat it as a missing file).
  std::string Resolve(const std::string& name) const;

 private:
  std::string folder_;
  std::unordered_map<std::string, std::string> byFoldedName_;
};

}  // namespace gs
