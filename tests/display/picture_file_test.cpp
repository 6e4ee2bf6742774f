// Picture files as a messy data folder may hold them: FIFOs, folders,
// headers that claim more pixels than any screen, truncated and foreign files.
#include "display/sdl/picture_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace gs {
namespace {

namespace fs = std::filesystem;

// A 24-bit BMP header claiming w x h pixels, followed by body bytes of pixels.
std::string BmpHeader(int32_t w, int32_t h, size_t body) {
  std::string b(54, '\0');
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(2, static_cast<uint32_t>(54 + body));
  put(10, 54);
  put(14, 40);
  put(18, static_cast<uint32_t>(w));
  put(22, static_cast<uint32_t>(h));
  b[26] = 1, b[28] = 24;
  return b + std::string(body, '\x40');
}

class PictureFiles : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string p = (dir / name).string();
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  // Loads path, which must fail with one line naming it and problem.
  void ExpectRefused(const std::string& path, const std::string& problem) {
    ::testing::internal::CaptureStderr();
    const UniqueSurface s = LoadPictureFile(path);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(s, nullptr) << path;
    EXPECT_EQ(err.rfind("gobbleshot1: " + path + ": picture " + problem, 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  }
  testing::TempDir temp;
  const fs::path dir = temp.path();
};

TEST_F(PictureFiles, OnlyRegularFilesWithinTheShowsBoundsAreDecoded) {
  // The bounds themselves are fine, at both header kinds' orientations.
  const UniqueSurface ok = LoadPictureFile(Write("max.bmp", BmpHeader(kMaxPictureWidth, -kMaxPictureHeight,
                                                                      size_t{kMaxPictureWidth} * kMaxPictureHeight * 3)));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->w, kMaxPictureWidth);
  EXPECT_EQ(ok->h, kMaxPictureHeight);

  ExpectRefused(Write("wide.bmp", BmpHeader(kMaxPictureWidth + 1, 10, 1400000)), "too large (1601 x 10 pixels");
  ExpectRefused(Write("tall.bmp", BmpHeader(10, -(kMaxPictureHeight + 1), 1400000)), "too large (10 x 1201 pixels");
  ExpectRefused(Write("huge.bmp", BmpHeader(20000, 20000, 1400000)), "too large (20000 x 20000 pixels");
  ExpectRefused(Write("vast.bmp", BmpHeader(100000, 100000, 1000)), "too large (100000 x 100000 pixels");
  ExpectRefused(Write("empty.bmp", BmpHeader(0, 10, 0)), "a picture without pixels");
  ExpectRefused(Write("text.bmp", "hello, not a picture"), "not a BMP picture");
  ExpectRefused(Write("nothing.bmp", ""), "not a BMP picture");
  ExpectRefused(Write("cut.bmp", BmpHeader(100, 100, 30)), "cannot be decoded");
  ExpectRefused((dir / "missing.bmp").string(), "missing");
  fs::create_directories(dir / "folder.bmp");
  ExpectRefused((dir / "folder.bmp").string(), "not a regular file");
  const std::string fifo = (dir / "fifo.bmp").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ExpectRefused(fifo, "not a regular file");  // at once: nobody ever writes to it
  ExpectRefused("/dev/zero", "not a regular file");
  // Larger than any picture within the bounds can be.
  const std::string big = Write("big.bmp", "");
  ASSERT_EQ(::truncate(big.c_str(), 64 << 20), 0);
  ExpectRefused(big, "too large (67108864 bytes");
}

// A folder that is not there, or is no folder, fails every file in it the
// same way: one line says so, not one per file.
TEST_F(PictureFiles, AnUnusableDataFolderIsSaidInOneLine) {
  testing::WriteText((dir / "plain").string(), "a file, not a folder");
  for (const char* folder : {"gone/", "plain/"}) {
    ::testing::internal::CaptureStderr();
    for (const char* name : {"bg.bmp", "shack.BMP", "cow1.bmp", "Turkey.bmp"})
      EXPECT_EQ(LoadPictureFile((dir / folder).string() + name), nullptr);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    const std::string said = "gobbleshot1: " + (dir / folder).string() + ": the data folder cannot be used (";
    EXPECT_EQ(err.rfind(said, 0), 0u) << err;
  }
}

}  // namespace
}  // namespace gs
