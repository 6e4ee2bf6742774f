#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/problem_report.h"
#include "platform/unique_fd.h"

namespace gs {
namespace {

FileContents Failed(std::string problem) {
  FileContents r;
  r.problem = std::move(problem);
  return r;
}

// Why no file can be read from folder, or "" when files in it can be.
std::string FolderProblem(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return errno == ENOENT ? "missing" : std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return "not a folder";
  if (::access(folder.c_str(), X_OK) != 0) return std::strerror(errno);
  return "";
}

}  // namespace

FileContents ReadRegularFile(const std::string& path, size_t maxBytes) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) {
    FileContents r = Failed(errno == ENOENT ? "missing" : std::strerror(errno));
    r.missing = errno == ENOENT;
    return r;
  }
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return Failed(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return Failed("not a regular file");
  if (static_cast<unsigned long long>(st.st_size) > maxBytes)
    return Failed("too large (" + std::to_string(st.st_size) + " bytes, at most " + std::to_string(maxBytes) + ")");
  FileContents r;
  r.text.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failed(std::strerror(errno));
    if (n == 0) break;
    r.text.append(buffer, static_cast<size_t>(n));
    // The file may grow while it is read.
    if (r.text.size() > maxBytes) return Failed("too large (more than " + std::to_string(maxBytes) + " bytes)");
  }
  r.ok = true;
  return r;
}

std::optional<std::string> ReadDataFile(const std::string& path, size_t maxBytes, std::string_view kind,
                                        std::string (*check)(std::string_view bytes)) {
  FileContents file = ReadRegularFile(path, maxBytes);
  if (!file.ok) {
    // Every file of a folder that cannot be entered fails alike: said once.
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
    if (std::string why = FolderProblem(folder); !why.empty()) {
      ReportProblemOnce(folder, "the data folder cannot be used (" + why +
                                    "); the show goes on without its pictures and sounds");
      return std::nullopt;
    }
  }
  std::string problem = file.ok ? check(file.text) : file.problem;
  if (problem.empty()) return std::move(file.text);
  ReportProblemOnce(path, std::string(kind) + " " + problem);
  return std::nullopt;
}

uint16_t LittleEndian16(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

uint32_t LittleEndian32(std::string_view b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + static_cast<size_t>(i)]);
  return v;
}

}  // namespace gs
