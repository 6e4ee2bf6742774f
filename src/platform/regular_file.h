#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gs {

// What reading a whole file gave.
struct FileContents {
  bool ok = false;
  bool missing = false;  // there is no such file (or a link to nothing)
  std::string text;      // the bytes, when ok
  std::string problem;   // what is wrong, when not ok: "not a regular file", ...
};

// Reads a whole file that must be a regular file of at most maxBytes (a
// link to one is fine). The open never blocks: a FIFO, a socket or a device
// in its place is refused, not waited on.
FileContents ReadRegularFile(const std::string& path, size_t maxBytes);

// Reads a data file of the show (a picture, a sound) for decoding: a
// regular file of at most maxBytes whose header passes check, which answers
// what is wrong or "". A file that fails is said once on standard error as
// "<path>: <kind> <problem>", and the answer is nullopt; when its folder
// cannot be entered at all, the folder is said once instead, for all its
// files.
std::optional<std::string> ReadDataFile(const std::string& path, size_t maxBytes, std::string_view kind,
                                        std::string (*check)(std::string_view bytes));

// The unsigned little-endian numbers at bytes[at..at+1] and bytes[at..at+3].
uint16_t LittleEndian16(std::string_view bytes, size_t at);
uint32_t LittleEndian32(std::string_view bytes, size_t at);

}  // namespace gs
