#pragma once
#include <QString>

class QWidget;

namespace gs {

// Opens a web address or local page with the desktop's default handler. A
// failure is ignored: there is nothing useful the dialog could do about it.
void Navigate(QWidget* form, const QString& address);

}  // namespace gs
