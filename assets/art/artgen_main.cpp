// gs_artgen: draws every picture of the show and writes the bitmaps, the
// contact sheet and the preview still's source.
//
//   gs_artgen --data <folder> [--preview <file.cpp>] [--no-sheet]
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "bmp_writer.h"
#include "contact_sheet.h"
#include "picture.h"
#include "picture_render.h"
#include "preview_still_builder.h"
#include "rendered_set.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Writes only when the content changed, so that an unchanged preview still
// does not make the build recompile it.
bool WriteIfChanged(const fs::path& path, const std::string& content) {
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (old == content) return true;
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  return static_cast<bool>(out.flush());
}

bool Valid(const art::Picture& p) {
  return !p.name.empty() && p.name.find_first_of("/\\") == std::string::npos && p.width > 0 &&
         p.height > 0 && p.width <= 4096 && p.height <= 4096 && p.draw;
}

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  fs::path dataDir, previewPath;
  bool sheet = true;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--data" && i + 1 < argc)
      dataDir = argv[++i];
    else if (a == "--preview" && i + 1 < argc)
      previewPath = argv[++i];
    else if (a == "--no-sheet")
      sheet = false;
    else {
      std::fprintf(stderr, "usage: gs_artgen --data <folder> [--preview <file.cpp>] [--no-sheet]\n");
      return 2;
    }
  }
  if (dataDir.empty()) {
    std::fprintf(stderr, "gs_artgen: --data <folder> is required\n");
    return 2;
  }

  const art::PictureList pictures = art::CollectPictures();
  std::map<std::string, std::string> byFoldedName;
  bool bad = false;
  for (const art::Picture& p : pictures) {
    if (!Valid(p)) {
      std::fprintf(stderr, "gs_artgen: error: picture \"%s\" has no name, a bad size (%dx%d) or no drawing\n",
                   p.name.c_str(), p.width, p.height);
      bad = true;
      continue;
    }
    auto [it, fresh] = byFoldedName.emplace(Lower(p.name), p.name);
    if (!fresh) {
      std::fprintf(stderr,
                   "gs_artgen: error: picture name \"%s\" is registered twice (file names are matched "
                   "without regard to case; clashes with \"%s\")\n",
                   p.name.c_str(), it->second.c_str());
      bad = true;
    }
  }
  if (bad) return 1;

  std::error_code ec;
  fs::create_directories(dataDir, ec);
  art::RenderedSet rendered;
  for (const art::Picture& p : pictures) {
    art::Rendered r{art::RenderPicture(p), p.keyed};
    const fs::path file = dataDir / (p.name + ".bmp");
    if (!art::WriteBmp24(file.string(), r.image)) {
      std::fprintf(stderr, "gs_artgen: error: cannot write %s\n", file.c_str());
      return 1;
    }
    rendered.emplace(p.name, std::move(r));
  }

  // Bitmaps left over from pictures that were renamed or removed would be
  // found by a case-insensitive lookup in place of the real ones.
  for (const auto& entry : fs::directory_iterator(dataDir, ec)) {
    const fs::path& f = entry.path();
    if (Lower(f.extension().string()) != ".bmp") continue;
    const std::string stem = f.stem().string();
    auto it = byFoldedName.find(Lower(stem));
    if (it == byFoldedName.end() || it->second != stem) fs::remove(f, ec);
  }

  if (sheet && !art::WriteContactSheet((dataDir / "contact-sheet.png").string(), rendered)) {
    std::fprintf(stderr, "gs_artgen: error: cannot write the contact sheet\n");
    return 1;
  }
  if (!previewPath.empty()) {
    fs::create_directories(previewPath.parent_path(), ec);
    if (!WriteIfChanged(previewPath, art::PreviewStillSource(art::ComposePreviewStill(rendered)))) {
      std::fprintf(stderr, "gs_artgen: error: cannot write %s\n", previewPath.c_str());
      return 1;
    }
  }

  rendered.clear();
  cairo_debug_reset_static_data();
  FcFini();
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("gs_artgen: %zu pictures in %.2f s\n", pictures.size(), secs);
  return 0;
}
