#include "setup_dialog/run_setup_dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "setup_dialog/setup.h"

namespace gs {
namespace {

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0];
}

}  // namespace

int RunSetupDialog(SettingsStore& store, const std::string& dataDir) {
  std::unique_ptr<QApplication> app;
  if (!QApplication::instance()) {
    // Without any display Qt would abort the whole program.
    if (!HasEnv("QT_QPA_PLATFORM") && !HasEnv("DISPLAY") && !HasEnv("WAYLAND_DISPLAY")) {
      std::fputs("gobbleshot1: no display to show the settings on\n", stderr);
      return 1;
    }
    static int argc = 1;
    static char name[] = "gobbleshot1";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }
  Setup dialog(store, QString::fromStdString(dataDir));
  QEventLoop loop;
  QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.ShowCentred();
  loop.exec();
  return 0;
}

}  // namespace gs
