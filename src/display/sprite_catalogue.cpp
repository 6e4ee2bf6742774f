#include "display/sprite_catalogue.h"

#include <cstdlib>
#include <sstream>

#include "display/display.h"

namespace gs {
namespace {

constexpr int32_t T = kKeyTransparent;
constexpr int32_t O = kKeyOpaque;

#define ROW(h, frames, key, period, x, y) CatalogueRow{&SpriteHolders::h, #h, frames, key, period, x, y}

const CatalogueRow kRows[] = {
    // Notices and wipe bars.
    ROW(hMonitorNotice, "monitor", O, 0, 150, 250),
    ROW(hTuneNotice, "TuneMsg", O, 0, 150, 250),
    ROW(hVertBarL, "vertbar", O, 0, 0, 0),
    ROW(hVertBarR, "vertbar", O, 0, 800, 0),
    ROW(hHorizBarT, "horizbar", O, 0, 0, 0),
    ROW(hHorizBarB, "horizbar", O, 0, 0, 600),
    // Backdrop, scenery and guns.
    ROW(hBackground, "bg", O, 0, 0, 0),
    ROW(hGunHole1, "GunHole", T, 0, 150, 320),
    ROW(hGunHole2, "GunHole", T, 0, 200, 250),
    ROW(hGunHole3, "GunHole", T, 0, 250, 300),
    ROW(hWood, "Wood", T, 0, 200, 500),
    ROW(hShack, "Shack2", T, 0, 57, 40),
    ROW(hGlass1, "bglass1", T, 0, 100, 100),
    ROW(hGlass2, "bglass1", T, 0, 700, 525),
    ROW(hGlass3, "bglass1", T, 0, 300, 400),
    ROW(hInside, "Inside", T, 0, 107, 181),
    ROW(hGun, "Gun01 Gun02 Gun03 Gun04", T, 125, 550, 525),
    ROW(hCannon, "Cannon1 Cannon2 Cannon3 Cannon4", T, 400, 200, 529),
    // T1 pictures.
    ROW(hT1_01, "T1-01 T1-02 T1-03", T, 100, 473, 200),
    ROW(hT1_04b, "T1-04b", T, 0, 473, 200),
    ROW(hT1_04, "T1-04", T, 0, 473, 200),
    ROW(hT1_05, "T1-05 T1-06", T, 100, 473, 200),
    ROW(hT1_06a, "T1-06a", T, 0, 473, 200),
    ROW(hT1_07, "T1-07 T1-08 T1-09 T1-08 T1-07 T1-10 T1-11 T1-10 T1-11 T1-10 T1-11 T1-07*2 T1-12*4", T, 100, 473,
        200),
    ROW(hT1_13, "T1-13", T, 0, 433, 282),
    // T2 pictures.
    ROW(hT2_01, "T2-01 T2-02 T2-03 T2-02", T, 100, 173, 200),
    ROW(hT2_04, "T2-04*4 T2-05*4 T2-06*5 T2-07", T, 400, 173, 200),
    ROW(hT2_08, "T2-08 T2-09", T, 100, 173, 200),
    ROW(hT2_10, "T2-10", T, 0, 173, 200),
    ROW(hT2_11, "T2-11 T2-12", T, 100, 173, 200),
    ROW(hT2_13, "T2-13 @12 T2-14", T, 900, 173, 200),
    ROW(hT2_15, "T2-15 T2-16", T, 100, 173, 200),
    ROW(hT2_17, "T2-17 T2-18", T, 100, 173, 200),
    ROW(hT2_19, "T2-19", T, 0, 173, 200),
    ROW(hT2_20, "T2-20 T2-21", T, 100, 173, 200),
    ROW(hT2_22, "T2-22 T2-23", T, 100, 173, 200),
    ROW(hT2_24, "T2-24*3 T2-25 T2-26 T2-27", T, 125, 173, 200),
    ROW(hT2_28, "T2-28", T, 0, 215, 210),
    // T3 pictures.
    ROW(hT3_01, "T3-01 T3-02 T3-03 T3-04 T3-05", T, 100, 320, 200),
    ROW(hT3_06, "T3-06 T3-07 T3-08 T3-09 T3-10 T3-11 T3-12 T3-13", T, 100, 320, 200),
    ROW(hT3_14, "T3-14 T3-15 T3-15b T3-15c T3-15 T3-15b T3-15c T3-15 T3-15b T3-15c T3-16*2 T3-17*4", T, 500, 320,
        200),
    ROW(hT3_18, "T3-18 T3-19", T, 100, 320, 200),
    ROW(hT3_20, "T3-20", T, 0, 320, 200),
    ROW(hT3_21, "T3-21 T3-22 T3-23*5", T, 300, 320, 200),
    ROW(hT3_24, "T3-24", T, 0, 320, 200),
    ROW(hT3_25, "T3-25", T, 0, 320, 200),
    ROW(hT3_26, "T3-26", T, 0, 320, 200),
    ROW(hT3_27, "T3-27 T3-28 T3-29 T3-30 T3-31 T3-32 T3-33 T3-34 T3-35 T3-36", T, 100, 320, 194),
    // Pilgrim pictures.
    ROW(hPilgrimA, "pilgrimA pilgrimB pilgrimC pilgrimD pilgrimC pilgrimB", T, 100, 330, 600),
    ROW(hPilgrim01,
        "pilgrim01 pilgrim02 pilgrim03 pilgrim02 pilgrim03 pilgrim02 pilgrim03 pilgrim02 pilgrim03 pilgrim02 "
        "pilgrim03 pilgrim04 pilgrim05 pilgrim06",
        T, 100, 330, 320),
    ROW(hPilgrim07, "pilgrim07 pilgrim07b pilgrim07c pilgrim07b", T, 100, 330, 233),
    ROW(hPilgrimC, "pilgrimC", T, 0, 330, 196),
    ROW(hPilgrim09, "pilgrim09 pilgrim10 pilgrim09", T, 100, 330, 198),
    ROW(hPilgrim11, "pilgrim11 pilgrim12 pilgrim13", T, 100, 330, 188),
    ROW(hPilgrim14, "pilgrim14 pilgrim15", T, 100, 330, 188),
    ROW(hPilgrim16, "pilgrim16 pilgrim16b", T, 100, 330, 188),
    ROW(hPilgrim17, "pilgrim17 pilgrim18", T, 100, 330, 188),
    ROW(hPilgrim19, "pilgrim19 pilgrim20", T, 400, 330, 186),
    ROW(hPilgrim21, "pilgrim21 pilgrim22", T, 150, 342, 186),
    ROW(hPilgrim23, "pilgrim23*3 pilgrim24 pilgrim25 pilgrim26*2 pilgrim27", T, 150, 338, 178),
    ROW(hPilgrim28, "pilgrim28", T, 0, 338, 390),
    // P&T pictures, smoke, walkers and cows.
    ROW(hPT01, "P&T01 P&T02", T, 100, 330, 390),
    ROW(hPT03, "P&T03 P&T04", T, 100, 330, 390),
    ROW(hPT05, "P&T05", T, 0, 330, 390),
    ROW(hPT06, "P&T06", T, 0, 244, 399),
    ROW(hPT07,
        "P&T07 P&T08*3 P&T09 P&T10 P&T09 P&T10 P&T09 P&T10 P&T09 P&T10 P&T11*2 P&T12 P&T13 P&T14 P&T15 P&T16", T,
        100, 330, 398),
    ROW(hPT17, "P&T17", T, 0, 330, 398),
    ROW(hPT18,
        "P&T18*2 P&T19 P&T20*3 P&T21 P&T22 P&T18*2 P&T19 P&T20*3 P&T21 P&T22 P&T18*2 P&T19 P&T20*3 P&T21", T, 75,
        328, 344),
    ROW(hPT23, "P&T23 P&T24 P&T25", T, 500, 333, 391),
    ROW(hPT26, "P&T26 P&T27", T, 100, 334, 391),
    ROW(hSmoke, "Smoke01 Smoke02 Smoke03 Smoke04", T, 100, 450, 430),
    ROW(hTC01, "T&C01 T&C02 T&C03", T, 100, 800, 420),
    ROW(hTCP01, "TCP01 TCP02", T, 200, 334, 391),
    ROW(hCow1, "Cow1 Cow2", T, 50, 610, 450),
    ROW(hCow3, "Cow3*3 Cow4 Cow5 Cow6 Cow7 Cow6 Cow5 Cow8", O, 200, 350, 250),
};

#undef ROW

}  // namespace

std::span<const CatalogueRow> SpriteCatalogue() { return kRows; }

std::vector<CatalogueFrame> ExpandFrames(const CatalogueRow& row) {
  std::vector<CatalogueFrame> out;
  std::istringstream words(row.frames);
  std::string word;
  int32_t frame = 1;
  while (words >> word) {
    if (word[0] == '@') {
      frame = std::atoi(word.c_str() + 1);
      continue;
    }
    int repeat = 1;
    if (auto star = word.find('*'); star != std::string::npos) {
      repeat = std::atoi(word.c_str() + star + 1);
      word.resize(star);
    }
    for (int i = 0; i < repeat; ++i) out.push_back({frame++, word + ".bmp"});
  }
  return out;
}

}  // namespace gs
