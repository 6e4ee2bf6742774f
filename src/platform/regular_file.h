#pragma once
#include <cstddef>
#include <string>

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

}  // namespace gs
