#include "setup_dialog/navigate.h"

#include <QDesktopServices>
#include <QUrl>

namespace gs {

void Navigate(QWidget* /*form*/, const QString& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

}  // namespace gs
