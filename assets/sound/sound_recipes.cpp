#include "sound_recipes.h"

namespace gs::soundgen {

// The mix a listener expects: the cannon loudest, then the shotgun, the
// crash, the knocks, the bow and the whizz, the voices, and the pops last.
std::span<const SoundRecipe> SoundRecipes() {
  static const SoundRecipe kRecipes[] = {
      {"Turkey2.wav", Gobble, -19.0},      {"crash.wav", GlassCrash, -14.0},  {"thump.wav", Thump, -16.0},
      {"whizz.wav", Whizz, -18.0},         {"Impact01.wav", Impact, -16.0},   {"Pop1.wav", Pop, -22.0},
      {"gun.wav", ShotgunBlast, -12.0},    {"gunbig.wav", CannonBoom, -10.0}, {"bow.wav", BowTwang, -17.5},
      {"bowpop.wav", BowPop, -22.0},       {"Grunt.wav", Grunt, -19.0},       {"cow1.wav", Moo, -19.0},
      {"plop.wav", Plop, -22.0},
  };
  return kRecipes;
}

}  // namespace gs::soundgen
