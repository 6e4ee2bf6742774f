// SdlDisplay: fonts found through fontconfig, and text drawing.
#include "display/sdl/sdl_display.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>

namespace gs {

namespace {

std::string ResolveFontFile(const std::string& face) {
  std::string result;
  if (!FcInit()) return result;
  for (const std::string& name : {face, std::string("sans-serif")}) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
    if (!pat) continue;
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
      result = reinterpret_cast<const char*>(file);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pat);
    if (!result.empty()) break;
  }
  return result;
}

}  // namespace

TTF_Font* SdlDisplay::FontFor(const std::string& face, int cellHeight) {
  static std::map<std::string, std::string> resolved;
  auto r = resolved.find(face);
  if (r == resolved.end()) r = resolved.emplace(face, ResolveFontFile(face)).first;
  if (r->second.empty() || !ttfUp_) return nullptr;
  auto key = std::make_pair(r->second, cellHeight);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  // A font that cannot be opened is remembered as such: the overlays ask
  // for their font on every frame.
  TTF_Font* font = TTF_OpenFont(r->second.c_str(), cellHeight);
  // SDL_ttf sizes a font by its em; the cell (ascent + descent) is taller,
  // so step down to the largest em whose cell fits.
  for (int em = cellHeight; font && em > 1 && TTF_FontHeight(font) > cellHeight;) TTF_SetFontSize(font, --em);
  fonts_[key] = font;
  return font;
}

// The size is the height of the font's cell in pixels, as a Windows font
// height of +size is: lines drawn that far apart do not overlap.
void SdlDisplay::SetTextFont(const std::string& face, int32_t size, int32_t, bool, bool, bool) {
  font_ = FontFor(face.empty() ? std::string("sans-serif") : face, std::clamp<int32_t>(size, 1, 200));
}

void SdlDisplay::DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) {
  if (!font_ || !compose_ || text.empty() || x >= kW || y >= kH) return;
  SDL_Surface* s = texts_.Get(text, font_, colour, kW - x);
  if (!s) return;
  ApplyPendingClear();
  SDL_Rect dst{x, y, s->w, s->h};
  Touch(dst);
  SDL_BlitSurface(s, nullptr, compose_.get(), &dst);
}

}  // namespace gs
