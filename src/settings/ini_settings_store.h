#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/unique_fd.h"
#include "settings/ini_document.h"
#include "settings/settings_store.h"

namespace gs {

// $XDG_CONFIG_HOME/gobbleshot1/settings.ini, else $HOME/.config/..., else
// <home folder in the user database>/.config/...; each only when it is an
// absolute path, so the settings never land in the working folder. "" when
// none of them is: a store on "" reads nothing and saves nothing.
std::string DefaultSettingsPath();

// The same choice with its inputs given (for tests): xdg and home may be null.
std::string ChooseSettingsPath(const char* xdg, const char* home, const std::string& userHome);

// What is said when there is no settings path.
inline constexpr std::string_view kNoSettingsFolder =
    "no folder to keep them in (neither XDG_CONFIG_HOME nor HOME names one, and the user database gives "
    "no home folder)";

// The settings of one application in a hand-editable INI file: [Section]
// headers and key=value lines. Values of the application "Gobbleshot1" (any
// letter case) live in their own section; any other application name is kept
// in the same file under the section "<app>\<section>".
//
// FindAll (and so Get) reads the file afresh each time. Save takes an exclusive lock on
// "<file>.lock", re-reads the file, changes the one value, writes a temporary
// file beside it, syncs it and renames it over the old one, so that two
// processes never lose each other's changes and a reader never sees half a
// file. A file that exists but cannot be read, or that its owner made
// read-only, is never overwritten. When the file is a symbolic link, the file
// it points to is written and the link stays. Every failure is said once on
// standard error.
//
// Programs other than ours rewrite the file in place (editors, shell
// redirection), so a read may catch it half written. The store remembers its
// last whole read: a later read that is shorter or lacks any of its keys is
// not trusted. A save then reads again once the file has stopped changing
// and keeps the keys that are still missing from the whole read; a get
// answers a missing key from the whole read.
class IniSettingsStore : public SettingsStore {
 public:
  explicit IniSettingsStore(std::string path);

  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  std::vector<std::optional<std::string>> FindAll(std::string_view app,
                                                  std::span<const SettingName> names) override;

  const std::string& path() const { return path_; }

  // What is wrong when the file exists but cannot be read (too large, not a
  // regular file, no permission); nullopt when it reads or does not exist.
  // The text read is kept for the next Get or FindAll, so that a check at
  // start-up does not cost a second read.
  std::optional<std::string> ReadProblem();

  // True when the file exists and its owner may not write it.
  bool IsReadOnly() const;

  // Files larger than this are treated as unreadable.
  static constexpr size_t kMaxFileBytes = 4u << 20;

 private:
  // Parses text, or answers the remembered document when text is the last
  // whole read; whole tells whether the read can be trusted, and a trusted
  // one is remembered. The answer lives until the next call.
  const IniDocument& Understand(std::string text, bool& whole);
  // The document a save changes, or nullopt when the file cannot be read;
  // keysKept tells whether keys of the last whole read had to be put back.
  std::optional<IniDocument> ReadForSaving(std::string* problem, bool& keysKept);

  // The file's text; "" for a missing file; nullopt when it cannot be read
  // (and then problem says why).
  std::optional<std::string> ReadFile(std::string* problem = nullptr) const;
  bool WriteFileAtomically(const std::string& text) const;
  // An exclusive lock for one save, held until the answer goes; it holds
  // nothing when none can be had.
  UniqueFd LockForSaving() const;

  std::string path_;
  std::optional<std::string> checkedText_;  // read by ReadProblem, not yet used
  std::string wholeText_;                  // the last read that was whole
  std::optional<IniDocument> wholeDocument_;  // and its parse
  IniDocument untrusted_;                     // a read that was not whole
};

}  // namespace gs
