#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gs {
namespace {

FileContents Failed(std::string problem) {
  FileContents r;
  r.problem = std::move(problem);
  return r;
}

}  // namespace

FileContents ReadRegularFile(const std::string& path, size_t maxBytes) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    FileContents r = Failed(errno == ENOENT ? "missing" : std::strerror(errno));
    r.missing = errno == ENOENT;
    return r;
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) return Failed(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return Failed("not a regular file");
  if (static_cast<unsigned long long>(st.st_size) > maxBytes)
    return Failed("too large (" + std::to_string(st.st_size) + " bytes, at most " + std::to_string(maxBytes) + ")");
  FileContents r;
  r.text.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
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

}  // namespace gs
