#pragma once
#include <span>
#include <vector>

namespace gs::soundgen {

using Samples = std::vector<double>;

// One wave file of the show and the recipe that synthesises it.
struct SoundRecipe {
  const char* file;
  Samples (*make)();
};

// All thirteen, in the order the show loads them.
std::span<const SoundRecipe> SoundRecipes();

Samples Gobble();
Samples GlassCrash();
Samples Thump();
Samples Whizz();
Samples Impact();
Samples Pop();
Samples ShotgunBlast();
Samples CannonBoom();
Samples BowTwang();
Samples BowPop();
Samples Grunt();
Samples Moo();
Samples Plop();

}  // namespace gs::soundgen
