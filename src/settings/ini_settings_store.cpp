#include "settings/ini_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "settings/ini_document.h"
#include "settings/name_fold.h"

namespace gs {
namespace {

std::string SectionFor(std::string_view app, std::string_view section) {
  if (SameName(app, kAppName)) return std::string(section);
  return std::string(app) + "\\" + std::string(section);
}

std::string ParentOf(const std::string& path) {
  std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string DefaultSettingsPath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && home[0] ? home : ".") + "/.config";
  }
  return base + "/gobbleshot1/settings.ini";
}

IniSettingsStore::IniSettingsStore(std::string path) : path_(std::move(path)) {}

std::optional<std::string> IniSettingsStore::ReadFile() const {
  FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return std::string();
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string text;
  char buffer[16384];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    text.append(buffer, static_cast<size_t>(n));
    if (text.size() > kMaxFileBytes) return std::nullopt;
  }
  return text;
}

bool IniSettingsStore::WriteFileAtomically(const std::string& text) const {
  std::string tmpl = path_ + ".XXXXXX";
  FileDescriptor tmp(::mkostemp(tmpl.data(), O_CLOEXEC));
  if (tmp.get() < 0) return false;
  struct stat st {};
  mode_t mode = (::stat(path_.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  bool ok = ::fchmod(tmp.get(), mode) == 0 && WriteAll(tmp.get(), text) && ::fsync(tmp.get()) == 0;
  ok = (::close(tmp.release()) == 0) && ok;
  if (!ok || ::rename(tmpl.c_str(), path_.c_str()) != 0) {
    ::unlink(tmpl.c_str());
    return false;
  }
  FileDescriptor dir(::open(ParentOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

void IniSettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
  std::string fullSection = SectionFor(app, section);
  if (!IniDocument::IsWritableSection(fullSection) || !IniDocument::IsWritableKey(key)) return;

  std::error_code ec;
  std::filesystem::create_directories(ParentOf(path_), ec);
  std::string lockPath = path_ + ".lock";
  FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (lock.get() < 0) return;
  int rc;
  do {
    rc = ::flock(lock.get(), LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) return;

  std::optional<std::string> text = ReadFile();
  if (!text) return;  // never replace a file we could not read
  IniDocument doc = IniDocument::Parse(*text);
  if (!doc.Set(fullSection, key, value)) return;
  WriteFileAtomically(doc.Serialize());
  // Closing the lock descriptor releases the lock.
}

std::string IniSettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                  std::string_view defaultValue) {
  std::optional<std::string> text = ReadFile();
  if (!text) return std::string(defaultValue);
  std::optional<std::string> value = IniDocument::Parse(*text).Get(SectionFor(app, section), key);
  return value ? *value : std::string(defaultValue);
}

}  // namespace gs
