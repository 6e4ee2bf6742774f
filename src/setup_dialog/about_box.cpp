#include "setup_dialog/about_box.h"

#include <QMessageBox>
#include <QStringList>

#include "setup_dialog/setup.h"

namespace gs {

QString AboutText() {
  return QStringList{
      "Gobbleshot v2.99",
      "An animated Thanksgiving screen saver for Linux.",
      "Made by the Gobbleshot1 project; all pictures and sounds are its own.",
      "Home page: " + Setup::HomePageAddress(),
  }
      .join('\n');
}

void ShowAboutBox(QWidget* owner) {
  QMessageBox box(QMessageBox::NoIcon, "Gobbleshot1", AboutText(), QMessageBox::Ok, owner);
  box.setObjectName("AboutBox");
  box.exec();
}

}  // namespace gs
