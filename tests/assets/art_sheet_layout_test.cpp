// The contact sheet's layout: nothing drawn over anything else.
#include <gtest/gtest.h>

#include "sheet_layout.h"

namespace art {
namespace {

bool Overlap(const SheetBox& a, const SheetBox& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Every title and every cell (picture with its label) against every other.
void ExpectNoOverlap(const SheetLayout& layout, int sheetWidth) {
  std::vector<SheetBox> all = layout.titles;
  for (const auto& band : layout.cells) all.insert(all.end(), band.begin(), band.end());
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_GE(all[i].x, 0) << i;
    EXPECT_LE(all[i].x + all[i].w, sheetWidth) << i;
    EXPECT_LE(all[i].y + all[i].h, layout.height) << i;
    for (size_t j = i + 1; j < all.size(); ++j) EXPECT_FALSE(Overlap(all[i], all[j])) << i << " and " << j;
  }
}

SheetBandSize Band(int titleWidth, int count, int w, int h) {
  SheetBandSize b{titleWidth, {}};
  for (int i = 0; i < count; ++i) b.pictures.push_back({0, 0, w, h});
  return b;
}

TEST(SheetLayout, ABandThatWrapsNeverRunsOverItsNeighbours) {
  // A short band, then one too wide for the sheet, then short ones again;
  // picture heights differ so that rows have ragged bottoms.
  const std::vector<SheetBandSize> bands = {Band(60, 2, 100, 150), Band(90, 9, 120, 80),  Band(40, 1, 50, 300),
                                            Band(200, 1, 30, 20),  Band(60, 3, 380, 200), Band(60, 12, 60, 60)};
  const SheetLayout layout = LayOutSheet(bands, 800);
  ASSERT_EQ(layout.titles.size(), bands.size());
  for (size_t b = 0; b < bands.size(); ++b) ASSERT_EQ(layout.cells[b].size(), bands[b].pictures.size());
  ExpectNoOverlap(layout, 800);
  // Bands that fit share a row; the first two here do not.
  EXPECT_EQ(layout.titles[2].y, layout.titles[3].y);
  EXPECT_GT(layout.titles[1].y, layout.titles[0].y);
}

TEST(SheetLayout, ManySmallBandsFillRowsAndLongTitlesKeepTheirRoom) {
  std::vector<SheetBandSize> bands;
  for (int i = 0; i < 40; ++i)
    bands.push_back(Band(i % 3 == 0 ? 150 : 40, 1 + i % 4, 40 + 13 * (i % 7), 30 + 17 * (i % 5)));
  const SheetLayout layout = LayOutSheet(bands, 1000);
  ExpectNoOverlap(layout, 1000);
  EXPECT_GE(layout.titles[0].w, 150);
}

}  // namespace
}  // namespace art
