#include "startup/runtime_folder.h"

#include <sys/stat.h>
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
  // The temporary folder is shared by every user: keep a private folder of
  // our own there, so that one user's lock and flag never meet another's.
  std::error_code ec;
  std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
  if (ec) tmp = "/tmp";
  std::filesystem::path own = tmp / ("gobbleshot1-" + std::to_string(::getuid()));
  ::mkdir(own.c_str(), 0700);
  struct stat st {};
  if (::lstat(own.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0)
    return WithSlash(own.string());
  return WithSlash(tmp.string());
}

namespace {

std::filesystem::path FolderOfExecutable() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

}  // namespace

std::string SetupProgramOfExecutable() {
  const std::filesystem::path dir = FolderOfExecutable();
  std::filesystem::path beside = dir / "gobbleshot1-setup";
  if (::access(beside.c_str(), X_OK) == 0) return beside.string();
  return (dir.parent_path() / "libexec" / "gobbleshot1" / "gobbleshot1-setup").string();
}

std::string InstallFolderOfExecutable() {
  std::error_code ec;
  const std::filesystem::path dir = FolderOfExecutable();
  std::filesystem::path beside = dir / "share" / "gobbleshot1";
  if (std::filesystem::is_directory(beside, ec)) return WithSlash(beside.string());
  // A copy of the program laid into <prefix>/libexec/xscreensaver/, where
  // some hosts look for savers, is two folders below the prefix.
  std::filesystem::path hostCopy = dir.parent_path().parent_path() / "share" / "gobbleshot1";
  if (dir.filename() == "xscreensaver" && std::filesystem::is_directory(hostCopy, ec))
    return WithSlash(hostCopy.string());
  return WithSlash((dir.parent_path() / "share" / "gobbleshot1").string());
}

}  // namespace gs
