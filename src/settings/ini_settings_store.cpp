#include "settings/ini_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/problem_report.h"
#include "platform/regular_file.h"
#include "settings/ini_document.h"
#include "settings/name_fold.h"
#include "settings/save_files.h"

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

std::optional<std::string> IniSettingsStore::ReadFile(std::string* problem) const {
  FileContents file = ReadRegularFile(path_, kMaxFileBytes);
  if (file.ok) return std::move(file.text);
  if (file.missing) return std::string();
  if (problem) *problem = file.problem;
  return std::nullopt;
}

std::optional<std::string> IniSettingsStore::ReadProblem() const {
  std::string problem;
  if (ReadFile(&problem)) return std::nullopt;
  return problem;
}

bool IniSettingsStore::WriteFileAtomically(const std::string& text) const {
  const std::string target = FollowLinks(path_);
  RemoveAbandonedSaveFiles(target);
  std::string tmpl = SaveTemporaryTemplate(target);
  FileDescriptor tmp(::mkostemp(tmpl.data(), O_CLOEXEC));
  if (tmp.get() < 0) {
    ReportProblemOnce(target, std::string("cannot save the settings: ") + std::strerror(errno));
    return false;
  }
  struct stat st {};
  mode_t mode = (::stat(target.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  bool ok = ::fchmod(tmp.get(), mode) == 0 && WriteAll(tmp.get(), text) && ::fsync(tmp.get()) == 0;
  ok = (::close(tmp.release()) == 0) && ok;
  if (!ok || ::rename(tmpl.c_str(), target.c_str()) != 0) {
    ReportProblemOnce(target, std::string("cannot save the settings: ") + std::strerror(errno));
    ::unlink(tmpl.c_str());
    return false;
  }
  FileDescriptor dir(::open(ParentOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

int IniSettingsStore::LockForSaving() const {
  // Read-only is enough for a lock, so a lock file left by a run as another
  // user (sudo) that we may still read does not stop our saves; one we may
  // not even read gives way to a lock on the folder, which is ours.
  std::string lockPath = path_ + ".lock";
  int fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0 && (errno == EACCES || errno == ELOOP))
    fd = ::open(ParentOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    ReportProblemOnce(lockPath, std::string("cannot lock the settings for saving: ") + std::strerror(errno));
    return -1;
  }
  int rc;
  do {
    rc = ::flock(fd, LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ReportProblemOnce(lockPath, std::string("cannot lock the settings for saving: ") + std::strerror(errno));
    ::close(fd);
    return -1;
  }
  return fd;
}

void IniSettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
  std::string fullSection = SectionFor(app, section);
  if (!IniDocument::IsWritableSection(fullSection) || !IniDocument::IsWritableKey(key)) return;

  std::error_code ec;
  std::filesystem::create_directories(ParentOf(path_), ec);
  FileDescriptor lock(LockForSaving());
  if (lock.get() < 0) return;

  std::string problem;
  std::optional<std::string> text = ReadFile(&problem);
  if (!text) {  // never replace a file we could not read
    ReportProblemOnce(path_, "cannot be read (" + problem + "), so nothing is saved to it");
    return;
  }
  IniDocument doc = IniDocument::Parse(*text);
  if (!doc.Set(fullSection, key, value)) return;
  WriteFileAtomically(doc.Serialize());
  // Closing the lock descriptor releases the lock.
}

std::string IniSettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                  std::string_view defaultValue) {
  std::string problem;
  std::optional<std::string> text = ReadFile(&problem);
  if (!text) {
    ReportProblemOnce(path_, "cannot be read (" + problem + ")");
    return std::string(defaultValue);
  }
  std::optional<std::string> value = IniDocument::Parse(*text).Get(SectionFor(app, section), key);
  return value ? *value : std::string(defaultValue);
}

}  // namespace gs
