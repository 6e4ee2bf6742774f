#include "desktop/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace gs {

int RunErrorBox(const std::string& title, const std::string& text) {
  const char* display = std::getenv("DISPLAY");
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  // Without any display Qt would abort the whole program.
  if ((!display || !display[0]) && (!platform || !platform[0])) return 1;
  static int argc = 1;
  static char name[] = "gobbleshot1";
  static char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok);
  box.exec();
  return 0;
}

}  // namespace gs
