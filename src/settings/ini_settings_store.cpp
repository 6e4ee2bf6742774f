#include "settings/ini_settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/problem_report.h"
#include "platform/regular_file.h"
#include "platform/text.h"
#include "platform/unique_fd.h"
#include "settings/ini_document.h"
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

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

// The home folder the user database gives the user; "" when it gives none.
std::string UserDatabaseHome() {
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
         buffer.size() < (1u << 20))
    buffer.resize(buffer.size() * 2);
  return found && found->pw_dir ? std::string(found->pw_dir) : std::string();
}

// Some editors save as UTF-16; such a file is left as it is.
bool IsUtf16(std::string_view text) { return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"); }

// Waiting for a file that another program is rewriting in place: a pause
// in the middle of its writing is taken for the end only after a while.
constexpr std::chrono::milliseconds kSettlePause{20};
constexpr std::chrono::milliseconds kQuietShorter{60};
constexpr std::chrono::milliseconds kQuietLostKeys{300};
constexpr std::chrono::milliseconds kSettleLimit{2000};

}  // namespace

std::string ChooseSettingsPath(const char* xdg, const char* home, const std::string& userHome) {
  std::string base;
  if (IsAbsolute(xdg)) base = xdg;
  else if (IsAbsolute(home)) base = home;
  else if (IsAbsolute(userHome.c_str())) base = userHome;
  else return {};
  while (!base.empty() && base.back() == '/') base.pop_back();  // HOME=/ gives /.config
  return base + (IsAbsolute(xdg) ? "" : "/.config") + "/gobbleshot1/settings.ini";
}

std::string DefaultSettingsPath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  // The user database is asked only when the environment names no folder.
  if (IsAbsolute(xdg) || IsAbsolute(home)) return ChooseSettingsPath(xdg, home, {});
  return ChooseSettingsPath(nullptr, nullptr, UserDatabaseHome());
}

IniSettingsStore::IniSettingsStore(std::string path) : path_(std::move(path)) {}

std::optional<std::string> IniSettingsStore::ReadFile(std::string* problem) const {
  FileContents file = ReadRegularFile(path_, kMaxFileBytes);
  if (file.ok && IsUtf16(file.text)) {
    if (problem) *problem = "saved as UTF-16; save it as UTF-8 to use it";
    return std::nullopt;
  }
  if (file.ok) return std::move(file.text);
  if (file.missing) return std::string();
  if (problem) *problem = file.problem;
  return std::nullopt;
}

std::optional<std::string> IniSettingsStore::ReadProblem() {
  std::string problem;
  checkedText_ = ReadFile(&problem);
  if (checkedText_) return std::nullopt;
  return problem;
}

bool IniSettingsStore::WriteFileAtomically(const std::string& text) const {
  const std::string target = FollowLinks(path_);
  RemoveAbandonedSaveFiles(target);
  std::string tmpl = SaveTemporaryTemplate(target);
  UniqueFd tmp(::mkostemp(tmpl.data(), O_CLOEXEC));
  if (!tmp) {
    ReportProblemOnce(target, std::string("cannot save the settings: ") + std::strerror(errno));
    return false;
  }
  struct stat st {};
  mode_t mode = (::stat(target.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  bool ok = ::fchmod(tmp.Get(), mode) == 0 && WriteAll(tmp.Get(), text) && ::fsync(tmp.Get()) == 0;
  ok = tmp.Close() && ok;
  if (!ok || ::rename(tmpl.c_str(), target.c_str()) != 0) {
    ReportProblemOnce(target, std::string("cannot save the settings: ") + std::strerror(errno));
    ::unlink(tmpl.c_str());
    return false;
  }
  UniqueFd dir(::open(ParentOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir) ::fsync(dir.Get());
  return true;
}

UniqueFd IniSettingsStore::LockForSaving() const {
  // Read-only is enough for a lock, so a lock file left by a run as another
  // user (sudo) that we may still read does not stop our saves; one we may
  // not even read gives way to a lock on the folder, which is ours.
  std::string lockPath = path_ + ".lock";
  UniqueFd fd(::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!fd && (errno == EACCES || errno == ELOOP))
    fd.Reset(::open(ParentOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd) {
    ReportProblemOnce(lockPath, std::string("cannot lock the settings for saving: ") + std::strerror(errno));
    return {};
  }
  int rc;
  do {
    rc = ::flock(fd.Get(), LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ReportProblemOnce(lockPath, std::string("cannot lock the settings for saving: ") + std::strerror(errno));
    return {};
  }
  return fd;
}

bool IniSettingsStore::IsReadOnly() const {
  struct stat st {};
  return !path_.empty() && ::stat(FollowLinks(path_).c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

const IniDocument& IniSettingsStore::Understand(std::string text, bool& whole) {
  whole = true;
  if (wholeDocument_ && text == wholeText_) return *wholeDocument_;
  IniDocument doc = IniDocument::Parse(text);
  whole = !wholeDocument_ || (text.size() >= wholeText_.size() && doc.HasEveryKeyOf(*wholeDocument_));
  if (!whole) {
    untrusted_ = std::move(doc);
    return untrusted_;
  }
  wholeText_ = std::move(text);
  wholeDocument_ = std::move(doc);
  return *wholeDocument_;
}

std::optional<IniDocument> IniSettingsStore::ReadForSaving(std::string* problem, bool& keysKept) {
  keysKept = false;
  std::optional<std::string> text = ReadFile(problem);
  if (!text) return std::nullopt;
  bool whole = true;
  IniDocument doc = Understand(*text, whole);
  if (whole) return doc;
  // Caught half written, or cut down by hand: read again until the file is
  // whole, or has stayed as it is for a while.
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point lastChange = start;
  // A file that only got shorter has merely had a value shortened, unless it
  // was cut inside its last one; one that lost keys is likelier still torn.
  auto quiet = [&] { return doc.HasEveryKeyOf(*wholeDocument_) ? kQuietShorter : kQuietLostKeys; };
  while (Clock::now() - start < kSettleLimit && Clock::now() - lastChange < quiet()) {
    std::this_thread::sleep_for(kSettlePause);
    std::optional<std::string> again = ReadFile(problem);
    if (!again) return std::nullopt;
    if (*again == *text) continue;
    text = std::move(again);
    lastChange = Clock::now();
    doc = Understand(*text, whole);
    if (whole) return doc;
  }
  doc = Understand(*text, whole);
  if (!whole) keysKept = doc.KeepKeysOf(*wholeDocument_);
  return doc;
}

void IniSettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
  checkedText_.reset();  // a later read must see this save
  if (path_.empty()) {
    ReportProblemOnce("settings", std::string(kNoSettingsFolder) + ", so nothing is saved");
    return;
  }
  std::string fullSection = SectionFor(app, section);
  if (!IniDocument::IsWritableSection(fullSection) || !IniDocument::IsWritableKey(key)) return;

  const std::string folder = ParentOf(path_);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    ReportProblemOnce(folder, "cannot make the settings folder (" + ec.message() + "), so nothing is saved");
    return;
  }
  const UniqueFd lock = LockForSaving();
  if (!lock) return;
  if (IsReadOnly()) {
    ReportProblemOnce(path_, "is read-only, so nothing is saved to it");
    return;
  }

  std::string problem;
  bool keysKept = false;
  std::optional<IniDocument> doc = ReadForSaving(&problem, keysKept);
  if (!doc) {  // never replace a file we could not read
    ReportProblemOnce(path_, "cannot be read (" + problem + "), so nothing is saved to it");
    return;
  }
  if (!doc->Set(fullSection, key, value) && !keysKept) return;
  std::string text = doc->Serialize();
  if (WriteFileAtomically(text)) {
    wholeText_ = std::move(text);
    wholeDocument_ = std::move(doc);
  }
  // Closing the lock descriptor releases the lock.
}

std::vector<std::optional<std::string>> IniSettingsStore::FindAll(std::string_view app,
                                                                  std::span<const SettingName> names) {
  std::vector<std::optional<std::string>> values(names.size());
  if (path_.empty()) {
    ReportProblemOnce("settings", std::string(kNoSettingsFolder) + ", so nothing is saved");
    return values;
  }
  std::string problem;
  std::optional<std::string> text = std::move(checkedText_);
  checkedText_.reset();
  if (!text) text = ReadFile(&problem);
  if (!text) {
    ReportProblemOnce(path_, "cannot be read (" + problem + ")");
    return values;
  }
  bool whole = true;
  const IniDocument& doc = Understand(std::move(*text), whole);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string fullSection = SectionFor(app, names[i].section);
    values[i] = doc.Get(fullSection, names[i].key);
    if (!values[i] && !whole) values[i] = wholeDocument_->Get(fullSection, names[i].key);
  }
  return values;
}

}  // namespace gs
