#include "settings/save_files.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace gs {
namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit on a chain of links
constexpr const char* kSavingInfix = ".saving.";
constexpr size_t kRandomPart = 6;  // mkstemp's XXXXXX

// The writer's process id in name, or 0 when name is not one of ours.
pid_t WriterOf(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() + kRandomPart + 1 || name.compare(0, prefix.size(), prefix) != 0) return 0;
  const std::string rest = name.substr(prefix.size());
  const size_t dot = rest.size() - kRandomPart - 1;
  if (rest[dot] != '.') return 0;
  pid_t pid = 0;
  for (size_t i = 0; i < dot; ++i) {
    if (rest[i] < '0' || rest[i] > '9' || pid > 99999999) return 0;
    pid = pid * 10 + (rest[i] - '0');
  }
  return pid;
}

bool ProcessGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string FollowLinks(const std::string& path) {
  std::filesystem::path p = path;
  for (int i = 0; i < kMaxLinks; ++i) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p.string();
    std::filesystem::path next = std::filesystem::read_symlink(p, ec);
    if (ec) return p.string();
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return path;
}

std::string SaveTemporaryTemplate(const std::string& target) {
  return target + kSavingInfix + std::to_string(::getpid()) + ".XXXXXX";
}

void RemoveAbandonedSaveFiles(const std::string& target) {
  const std::filesystem::path t = target;
  const std::filesystem::path folder = t.parent_path().empty() ? std::filesystem::path(".") : t.parent_path();
  const std::string prefix = t.filename().string() + kSavingInfix;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const pid_t writer = WriterOf(it->path().filename().string(), prefix);
    if (writer <= 0 || writer == ::getpid() || !ProcessGone(writer)) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) ::unlink(it->path().c_str());
  }
}

}  // namespace gs
