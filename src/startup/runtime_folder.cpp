#include "startup/runtime_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace gs {
namespace {

bool IsUsableFolder(const std::filesystem::path& p) {
  std::error_code ec;
  return !p.empty() && std::filesystem::is_directory(p, ec) && ::access(p.c_str(), W_OK | X_OK) == 0;
}

std::string WithSlash(std::string s) {
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

}  // namespace

std::string RuntimeFolder() {
  if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && IsUsableFolder(xdg)) return WithSlash(xdg);
  std::filesystem::path user = "/run/user/" + std::to_string(::getuid());
  if (IsUsableFolder(user)) return WithSlash(user.string());
  std::error_code ec;
  std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
  return WithSlash(ec ? std::string("/tmp") : tmp.string());
}

std::string InstallFolderOfExecutable() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::filesystem::path dir = ec ? std::filesystem::current_path(ec) : exe.parent_path();
  std::filesystem::path beside = dir / "share" / "gobbleshot1";
  if (std::filesystem::is_directory(beside, ec)) return WithSlash(beside.string());
  return WithSlash((dir.parent_path() / "share" / "gobbleshot1").string());
}

}  // namespace gs
