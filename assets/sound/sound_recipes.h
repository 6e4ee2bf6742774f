#pragma once
#include <span>
#include <vector>

namespace gs::soundgen {

using Samples = std::vector<double>;

// One wave file of the show, the recipe that synthesises it, its place in
// the mix (the momentary maximum, EBU R128, LUFS, it is mastered to) and
// its length in seconds, silence included.
struct SoundRecipe {
  const char* file;
  Samples (*make)();
  double loudness;
  double seconds;
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
