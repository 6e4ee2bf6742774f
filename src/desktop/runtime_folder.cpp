#include "desktop/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace gs {
namespace {

// A folder only this user may change: its own, not a link, and no write
// for group or others. A folder someone else can write into would let them
// plant links where the flag and the lock are written.
bool IsPrivateFolder(const std::string& p) {
  struct stat st {};
  return !p.empty() && p[0] == '/' && ::lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 && ::access(p.c_str(), W_OK | X_OK) == 0;
}

std::string WithoutTrailingSlashes(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string WithSlash(std::string s) {
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

// Names tried in the shared temporary folder before giving up: one taken by
// someone else moves us on to the next, so all of this user's runs agree on
// the first free one.
constexpr int kPrivateFolderNames = 50;

}  // namespace

std::string ChooseRuntimeFolder(const char* xdg, const std::string& runUser, const std::string& temporary) {
  if (xdg && IsPrivateFolder(WithoutTrailingSlashes(xdg))) return WithSlash(WithoutTrailingSlashes(xdg));
  if (IsPrivateFolder(runUser)) return WithSlash(runUser);
  // The temporary folder is shared by every user: keep a private folder of
  // our own there, so that one user's lock and flag never meet another's.
  const std::string base = WithoutTrailingSlashes(temporary) + "/gobbleshot1-" + std::to_string(::geteuid());
  for (int i = 0; i < kPrivateFolderNames; ++i) {
    const std::string own = i == 0 ? base : base + "-" + std::to_string(i);
    ::mkdir(own.c_str(), 0700);
    struct stat st {};
    if (::lstat(own.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0)
      return WithSlash(own);
  }
  return std::string();
}

std::string RuntimeFolder() {
  std::error_code ec;
  std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
  if (ec || !tmp.is_absolute()) tmp = "/tmp";
  return ChooseRuntimeFolder(std::getenv("XDG_RUNTIME_DIR"), "/run/user/" + std::to_string(::geteuid()), tmp.string());
}

}  // namespace gs
