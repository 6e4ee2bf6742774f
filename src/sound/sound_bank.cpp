#include "sound/sound_bank.h"

namespace gs {
namespace {

#define SND(slot, file, group) SoundBankRow{&SoundSlots::slot, #slot, file, SoundGroup::group}

const SoundBankRow kBank[] = {
    SND(sndTurkey, "Turkey2.wav", Turkey), SND(sndCrash, "crash.wav", Turkey), SND(sndThump, "thump.wav", Turkey),
    SND(sndWhizz, "whizz.wav", Turkey),    SND(sndImpact, "Impact01.wav", Turkey), SND(sndPop, "Pop1.wav", Turkey),
    SND(sndGun, "gun.wav", Guns),          SND(sndGunBig, "gunbig.wav", Guns),  SND(sndBow, "bow.wav", Guns),
    SND(sndBowPop, "bowpop.wav", Guns),    SND(sndGrunt, "Grunt.wav", Cow),     SND(sndCow, "cow1.wav", Cow),
    SND(sndPlop, "plop.wav", Cow),
};

#undef SND

}  // namespace

std::span<const SoundBankRow> SoundBank() { return kBank; }

}  // namespace gs
