#include "sheet_layout.h"

#include <algorithm>

namespace art {

namespace {

int CellWidth(const SheetBox& b) { return std::max(b.w, kSheetMinCellWidth); }

}  // namespace

SheetLayout LayOutSheet(const std::vector<SheetBandSize>& bands, int sheetWidth) {
  SheetLayout out;
  const int right = sheetWidth - kSheetMargin;
  int x = kSheetMargin, y = kSheetMargin;
  int rowBottom = y;  // the lowest point of anything in the current row
  for (const SheetBandSize& band : bands) {
    int cellsWidth = 0;
    for (const SheetBox& b : band.pictures) cellsWidth += CellWidth(b) + kSheetMargin;
    const int width = std::max(cellsWidth, std::min(band.titleWidth, right - kSheetMargin) + kSheetMargin);
    const bool wraps = kSheetMargin + width > right;
    // A new row when the band does not fit beside what is there, and always
    // for a band that wraps (its later lines start at the left margin).
    if (x > kSheetMargin && (wraps || x + width > right)) {
      x = kSheetMargin;
      y = rowBottom + kSheetMargin;
    }
    out.titles.push_back({x, y, std::min(width, right - x + kSheetMargin) - kSheetMargin, kSheetTitleHeight});
    std::vector<SheetBox> cells;
    int cx = x, cy = y + kSheetTitleHeight, lineHeight = 0;
    for (const SheetBox& b : band.pictures) {
      if (cx > x && cx + CellWidth(b) > right) {
        cx = x;
        cy += lineHeight + kSheetLabelHeight + kSheetMargin;
        lineHeight = 0;
      }
      cells.push_back({cx, cy, b.w, b.h + kSheetLabelHeight});
      cx += CellWidth(b) + kSheetMargin;
      lineHeight = std::max(lineHeight, b.h);
    }
    const int bandBottom = cy + lineHeight + kSheetLabelHeight;
    rowBottom = std::max(rowBottom, bandBottom);
    out.cells.push_back(std::move(cells));
    if (wraps) {
      // Nothing beside a wrapped band: the next one starts below it.
      x = kSheetMargin;
      y = rowBottom + kSheetMargin;
    } else {
      x += width + kSheetMargin;
    }
  }
  out.height = rowBottom + kSheetMargin;
  return out;
}

}  // namespace art
