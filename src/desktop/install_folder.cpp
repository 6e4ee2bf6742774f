#include "desktop/install_folder.h"

#include <unistd.h>

#include <filesystem>

namespace gs {
namespace {

std::string WithSlash(std::string s) {
  if (s.empty() || s.back() != '/') s.push_back('/');
  return s;
}

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
