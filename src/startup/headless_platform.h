#pragma once
#include <cstdio>
#include <string>

#include "scene_host/form_platform.h"

namespace gs {

// A desktop that is not there: no pointer, no running-saver flag, no other
// windows; an error box becomes a line on standard error. For the headless
// renderer and the benchmarks.
class HeadlessPlatform : public FormPlatform {
 public:
  explicit HeadlessPlatform(const char* program) : program_(program) {}
  void ShowPointer(bool) override {}
  void SetSaverRunning(bool) override {}
  void ShowErrorBox(const std::string& title, const std::string&) override {
    std::fprintf(stderr, "%s: %s\n", program_, title.c_str());
  }
  void DestroyOtherWindows() override {}

 private:
  const char* program_;
};

}  // namespace gs
