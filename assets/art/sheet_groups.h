#pragma once
// The sprites of the show and the pictures each one plays, in frame order
// (each picture once, where it first appears). Only the contact sheet uses
// this, to lay pictures out the way they are seen.
#include <string>
#include <vector>

namespace art {

struct SheetGroup {
  std::string sprite;
  std::vector<std::string> pictures;
};

const std::vector<SheetGroup>& SheetGroups();

}  // namespace art
