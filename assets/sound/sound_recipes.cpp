#include "sound_recipes.h"

namespace gs::soundgen {

std::span<const SoundRecipe> SoundRecipes() {
  static const SoundRecipe kRecipes[] = {
      {"Turkey2.wav", Gobble},     {"crash.wav", GlassCrash}, {"thump.wav", Thump},
      {"whizz.wav", Whizz},        {"Impact01.wav", Impact},  {"Pop1.wav", Pop},
      {"gun.wav", ShotgunBlast},   {"gunbig.wav", CannonBoom}, {"bow.wav", BowTwang},
      {"bowpop.wav", BowPop},      {"Grunt.wav", Grunt},      {"cow1.wav", Moo},
      {"plop.wav", Plop},
  };
  return kRecipes;
}

}  // namespace gs::soundgen
