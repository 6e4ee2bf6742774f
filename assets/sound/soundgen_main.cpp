// Writes the show's thirteen wave files into the folder given as argument.
#include <cstdio>
#include <string>

#include "loudness.h"
#include "sound_recipes.h"
#include "wave_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  int failures = 0;
  for (const gs::soundgen::SoundRecipe& recipe : gs::soundgen::SoundRecipes()) {
    gs::soundgen::Samples samples = recipe.make();
    gs::soundgen::Master(samples, recipe.loudness, recipe.seconds);
    const std::string path = folder + "/" + recipe.file;
    if (!gs::soundgen::WriteWaveFile(path, samples)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
