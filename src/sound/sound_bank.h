#pragma once
#include <cstdint>
#include <span>

#include "sound/sound_slots.h"

namespace gs {

enum class SoundGroup { Turkey, Guns, Cow };

// One wave file of the bank and the slot that holds its id.
struct SoundBankRow {
  int32_t SoundSlots::*slot;
  const char* slotName;
  const char* file;
  SoundGroup group;
};

// The thirteen sounds in load order, group by group.
std::span<const SoundBankRow> SoundBank();

}  // namespace gs
