// SdlDisplay: fonts found through fontconfig, and text drawing.
#include "display/sdl/sdl_display.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>

#include "platform/problem_report.h"

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

// Font files of the packages the saver depends on, by path, for a system
// whose font configuration offers nothing usable (an empty or broken one).
constexpr const char* kFallbackFontFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
};

bool Opens(const std::string& file) {
  return UniqueFont(TTF_OpenFont(file.c_str(), 12)) != nullptr;
}

// The file for face: fontconfig's choice, or else a fallback file, said once.
std::string UsableFontFile(const std::string& face) {
  std::string file = ResolveFontFile(face);
  if (!file.empty() && Opens(file)) return file;
  for (const char* fallback : kFallbackFontFiles)
    if (Opens(fallback)) {
      ReportProblemOnce("fonts", "the font configuration offers no usable font; the texts use " +
                                     std::string(fallback));
      return fallback;
    }
  ReportProblemOnce("fonts", "the font configuration offers no usable font, and no font file of the packages "
                             "the saver depends on is there; the clock, the message and the notices are not drawn");
  return "";
}

}  // namespace

TTF_Font* SdlDisplay::FontFor(const std::string& face, int cellHeight) {
  if (!ttfUp_) return nullptr;
  static std::map<std::string, std::string> resolved;
  auto r = resolved.find(face);
  if (r == resolved.end()) r = resolved.emplace(face, UsableFontFile(face)).first;
  if (r->second.empty()) return nullptr;
  auto key = std::make_pair(r->second, cellHeight);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  // A font that cannot be opened is remembered as such: the overlays ask
  // for their font on every frame.
  UniqueFont font(TTF_OpenFont(r->second.c_str(), cellHeight));
  // SDL_ttf sizes a font by its em; the cell (ascent + descent) is taller,
  // so step down to the largest em whose cell fits.
  for (int em = cellHeight; font && em > 1 && TTF_FontHeight(font.get()) > cellHeight;)
    TTF_SetFontSize(font.get(), --em);
  return (fonts_[key] = std::move(font)).get();
}

// The size is the height of the font's cell in pixels, as a Windows font
// height of +size is: lines drawn that far apart do not overlap.
void SdlDisplay::SetTextFont(const std::string& face, int32_t size, int32_t, bool, bool, bool) {
  font_ = FontFor(face.empty() ? std::string("sans-serif") : face, std::clamp<int32_t>(size, 1, 200));
}

void SdlDisplay::BeginDrawing() {
  if (!presentedSinceDrawing_) return;
  presentedSinceDrawing_ = false;
  LiftTexts();
}

void SdlDisplay::LiftTexts() {
  for (size_t i = textCount_; i-- > 0;) {
    TextOnFrame& t = textsOnFrame_[i];
    SDL_Rect dst = t.area;
    SDL_BlitSurface(t.under.get(), nullptr, compose_.get(), &dst);
    Touch(t.area);
  }
  textCount_ = 0;
}

void SdlDisplay::DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) {
  if (!font_ || !compose_ || text.empty() || x >= kW || y >= kH) return;
  std::shared_ptr<const TextPicture> pic = texts_.Get(text, font_, colour, kW - x);
  if (!pic) return;
  BeginDrawing();
  ApplyPendingClear();
  const SDL_Rect ink{x, y, pic->ink->w, pic->ink->h};
  const SDL_Rect halo{x - pic->margin, y - pic->margin, pic->halo->w, pic->halo->h};
  const SDL_Rect frame{0, 0, kW, kH};
  SDL_Rect area{};
  if (!SDL_IntersectRect(&halo, &frame, &area)) return;
  // A frame drawn over and over without a present keeps only its latest
  // texts to take off; the older ones stay on it.
  if (textCount_ == kMaxTextsOnFrame) {
    textsOnFrame_.erase(textsOnFrame_.begin());
    --textCount_;
  }
  const size_t earlier = textCount_;
  if (textCount_ == textsOnFrame_.size()) textsOnFrame_.emplace_back();
  TextOnFrame& t = textsOnFrame_[textCount_];
  if (!t.under || t.under->w != area.w || t.under->h != area.h)
    t.under.reset(SDL_CreateRGBSurfaceWithFormat(0, area.w, area.h, 16, SDL_PIXELFORMAT_RGB565));
  if (t.under) {
    SDL_Rect src = area;
    SDL_BlitSurface(compose_.get(), &src, t.under.get(), nullptr);
    t.picture = pic;
    t.ink = ink;
    t.area = area;
    ++textCount_;
  }
  Touch(area);
  SDL_Rect dst = halo;
  SDL_BlitSurface(pic->halo.get(), nullptr, compose_.get(), &dst);
  // The halo goes under the letters of lines drawn before it too (the
  // notice's lines stand closer than their height).
  for (size_t i = 0; i < earlier; ++i) {
    const TextOnFrame& o = textsOnFrame_[i];
    SDL_Rect overlap{};
    if (!SDL_IntersectRect(&o.ink, &area, &overlap)) continue;
    SDL_Rect src{overlap.x - o.ink.x, overlap.y - o.ink.y, overlap.w, overlap.h};
    SDL_BlitSurface(o.picture->ink.get(), &src, compose_.get(), &overlap);
  }
  dst = ink;
  SDL_BlitSurface(pic->ink.get(), nullptr, compose_.get(), &dst);
}

}  // namespace gs
