#pragma once
#include <cstdint>

namespace gs {

// The display's id of every sprite of the show, in catalogue order (0 until
// built). The catalogue names its rows by these members.
struct SpriteHolders {
  int32_t hMonitorNotice = 0, hTuneNotice = 0, hVertBarL = 0, hVertBarR = 0, hHorizBarT = 0, hHorizBarB = 0;
  int32_t hBackground = 0, hGunHole1 = 0, hGunHole2 = 0, hGunHole3 = 0, hWood = 0, hShack = 0, hGlass1 = 0,
          hGlass2 = 0, hGlass3 = 0, hInside = 0, hGun = 0, hCannon = 0;
  int32_t hT1_01 = 0, hT1_04b = 0, hT1_04 = 0, hT1_05 = 0, hT1_06a = 0, hT1_07 = 0, hT1_13 = 0;
  int32_t hT2_01 = 0, hT2_04 = 0, hT2_08 = 0, hT2_10 = 0, hT2_11 = 0, hT2_13 = 0, hT2_15 = 0, hT2_17 = 0,
          hT2_19 = 0, hT2_20 = 0, hT2_22 = 0, hT2_24 = 0, hT2_28 = 0;
  int32_t hT3_01 = 0, hT3_06 = 0, hT3_14 = 0, hT3_18 = 0, hT3_20 = 0, hT3_21 = 0, hT3_24 = 0, hT3_25 = 0,
          hT3_26 = 0, hT3_27 = 0;
  int32_t hPilgrimA = 0, hPilgrim01 = 0, hPilgrim07 = 0, hPilgrimC = 0, hPilgrim09 = 0, hPilgrim11 = 0,
          hPilgrim14 = 0, hPilgrim16 = 0, hPilgrim17 = 0, hPilgrim19 = 0, hPilgrim21 = 0, hPilgrim23 = 0,
          hPilgrim28 = 0;
  int32_t hPT01 = 0, hPT03 = 0, hPT05 = 0, hPT06 = 0, hPT07 = 0, hPT17 = 0, hPT18 = 0, hPT23 = 0, hPT26 = 0,
          hSmoke = 0, hTC01 = 0, hTCP01 = 0, hCow1 = 0, hCow3 = 0;
};

}  // namespace gs
