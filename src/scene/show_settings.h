#pragma once
#include <cstdint>
#include <string>

namespace gs {

// The settings as the show read them at start; a change in the dialog
// reaches the show at its next start.
struct ShowSettings {
  int16_t MouseSens = 0, ShowMessage = 0, TunePC = 0, Clock = 0;
  std::string Message, FontSizeMsg, FontSize;
  int16_t VolumeTurkey = 0, VolumeGuns = 0, VolumeCow = 0;
  int16_t SoundTurkey = 0, SoundGuns = 0, SoundCow = 0;
  // 1: the saver on its own windows keeps the monitors on while it plays.
  int16_t PwrSave = 0;
};

}  // namespace gs
