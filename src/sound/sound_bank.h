#pragma once
#include <cstdint>
#include <span>

namespace gs {

class Form1;

enum class SoundGroup { Turkey, Guns, Cow };

// One wave file of the bank and the Form1 slot that holds its id.
struct SoundBankRow {
  int32_t Form1::*slot;
  const char* slotName;
  const char* file;
  SoundGroup group;
};

// The thirteen sounds in load order, group by group.
std::span<const SoundBankRow> SoundBank();

}  // namespace gs
