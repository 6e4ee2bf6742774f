#pragma once
#include <QString>

class QWidget;

namespace gs {

// The About box's text: the version line first, then who we are.
QString AboutText();

// A modal message box titled "Gobbleshot1" with one OK button and no icon.
void ShowAboutBox(QWidget* owner);

}  // namespace gs
