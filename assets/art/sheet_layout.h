#pragma once
// Where the contact sheet puts its bands of pictures: bands flow left to
// right in rows; a band too wide for what is left of a row starts a new one,
// and a band too wide for the sheet wraps within itself and takes its rows
// for itself alone, so no band is drawn over another.
#include <vector>

namespace art {

struct SheetBox {
  int x = 0, y = 0, w = 0, h = 0;
};

struct SheetLayout {
  std::vector<SheetBox> titles;              // one per band, the title's line
  std::vector<std::vector<SheetBox>> cells;  // per band, per picture: picture and its label below
  int height = 0;
};

inline constexpr int kSheetMargin = 12;
inline constexpr int kSheetLabelHeight = 16;
inline constexpr int kSheetTitleHeight = 18;
inline constexpr int kSheetMinCellWidth = 70;

struct SheetBandSize {
  int titleWidth = 0;             // of the title's text
  std::vector<SheetBox> pictures;  // width and height of each picture as shown
};

SheetLayout LayOutSheet(const std::vector<SheetBandSize>& bands, int sheetWidth);

}  // namespace art
