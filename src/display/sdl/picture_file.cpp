#include "display/sdl/picture_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/problem_report.h"
#include "platform/regular_file.h"

namespace gs {
namespace {

// Pixels at 32 bits, a colour table and headers: what a file within the
// bounds can hold at most.
constexpr size_t kMaxFileBytes = static_cast<size_t>(kMaxPictureWidth) * kMaxPictureHeight * 4 + 65536;

// What is wrong with the header, or "" when the picture may be decoded.
std::string HeaderProblem(std::string_view b) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return "not a BMP picture";
  const uint32_t infoSize = LittleEndian32(b, 14);
  int64_t w = 0, h = 0;
  if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
    w = LittleEndian16(b, 18);
    h = LittleEndian16(b, 20);
  } else if (infoSize >= 40) {
    w = static_cast<int32_t>(LittleEndian32(b, 18));
    h = static_cast<int32_t>(LittleEndian32(b, 22));
    h = std::llabs(h);  // negative: stored top row first
  } else {
    return "not a BMP picture";
  }
  if (w <= 0 || h <= 0) return "a picture without pixels";
  if (w > kMaxPictureWidth || h > kMaxPictureHeight)
    return "too large (" + std::to_string(w) + " x " + std::to_string(h) + " pixels, at most " +
           std::to_string(kMaxPictureWidth) + " x " + std::to_string(kMaxPictureHeight) + ")";
  return "";
}

}  // namespace

UniqueSurface LoadPictureFile(const std::string& path) {
  std::optional<std::string> bytes = ReadDataFile(path, kMaxFileBytes, "picture", HeaderProblem);
  if (!bytes) return nullptr;
  UniqueSurface s(SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1));
  if (!s) ReportProblemOnce(path, std::string("picture cannot be decoded: ") + SDL_GetError());
  return s;
}

}  // namespace gs
