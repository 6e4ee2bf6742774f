#include "sound_recipes.h"

namespace gs::soundgen {

// The mix a listener expects: the cannon loudest, then the shotgun, the
// crash, the knocks, the bow and the whizz, the voices, and the pops last.
//
// The length of each file is set by how the scenes cue it, since a cue on a
// sound still playing is not heard: a cue repeated on every scene frame of
// its second (or two) must find its sound still playing until the second is
// over, and one that comes back after a gap must find it ended by then.
//   - Held for a second: whizz, impact, bow, bow pop, grunt, moo and plop
//     last 1.1 s (a bow pop's two seconds are a second apart: under 2 s).
//   - The gobble is held two seconds in the first scene: 2.05 s.
//   - The pop comes back 280 ms after it starts (frames 13 and 16 of the
//     fight, 100 ms each), and is held up to 100 ms: 0.22 s.
//   - The thumps come 525 ms or more apart and are held up to 80 ms: 0.4 s.
//   - The shotgun is locked to the pilgrim's volley, whose muzzle flashes
//     come every 800 ms while the cue is held: 0.78 s, so that it has
//     ended by the cue frame 800 ms on even when the sound device reports
//     its end a buffer (23 ms) late, and at the fastest pace runs at most
//     20 ms a flash ahead of the picture. Held a whole second
//     elsewhere, it fires twice there, as a double-barrelled gun does.
//   - The cannon is cued on three frames running and fires again 8 s on: it
//     may roll away for 1.6 s. The crash and the moo are cued once.
std::span<const SoundRecipe> SoundRecipes() {
  static const SoundRecipe kRecipes[] = {
      {"Turkey2.wav", Gobble, -19.0, 2.05},      {"crash.wav", GlassCrash, -14.8, 1.1},
      {"thump.wav", Thump, -16.0, 0.4},          {"whizz.wav", Whizz, -18.0, 1.1},
      {"Impact01.wav", Impact, -16.0, 1.1},      {"Pop1.wav", Pop, -22.0, 0.22},
      {"gun.wav", ShotgunBlast, -13.3, 0.78},    {"gunbig.wav", CannonBoom, -11.5, 1.6},
      {"bow.wav", BowTwang, -17.5, 1.1},         {"bowpop.wav", BowPop, -22.0, 1.1},
      {"Grunt.wav", Grunt, -19.0, 1.1},          {"cow1.wav", Moo, -19.0, 2.16},
      {"plop.wav", Plop, -22.0, 1.1},
  };
  return kRecipes;
}

}  // namespace gs::soundgen
