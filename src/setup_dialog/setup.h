#pragma once
#include <QDialog>
#include <QString>
#include <functional>

#include "settings/settings_schema.h"

class QCheckBox;
class QLineEdit;
class QScrollBar;
class QTabWidget;

namespace gs {

// The settings dialog "Gobbleshot Control Box". Every change the user makes
// is saved to the store at once. Opening the dialog saves nothing but the
// first run of a store the saver never started on; a stored value a control
// cannot show is shown clamped and left as stored until the user changes
// that control.
class Setup : public QDialog {
  Q_OBJECT

 public:
  // How web addresses are opened; Navigate by default, replaceable for tests.
  using Navigator = std::function<void(QWidget* form, const QString& address)>;

  Setup(SettingsStore& store, QString dataDir, QWidget* parent = nullptr);

  void SetNavigator(Navigator navigator) { navigate_ = std::move(navigator); }
  // Opens the dialog without an owner, centred on the screen.
  void ShowCentred();

  QString HelpAddress() const;
  static QString HomePageAddress();

 private:
  void BuildSettingsTab(QWidget* page);
  void BuildTuneTab(QWidget* page);
  void BuildButtons();
  void Load();

  void ConnectCheckBox(QCheckBox* box, Setting setting);
  void ConnectVolumeBar(QScrollBar* bar, Setting setting);
  void ConnectTrackedBar(QScrollBar* bar, QLineEdit* valueBox, Setting setting);
  void ConnectTextBox(QLineEdit* box, Setting setting);
  void Save(Setting setting, const QString& value);

  void cmdAbout_Click();
  void cmdHelp_Click();
  void cmdWeb_Click();

  SettingsStore& store_;
  QString dataDir_;
  Navigator navigate_;
  bool loading_ = false;

  QTabWidget* SSTab1 = nullptr;
  QCheckBox *ChkTurkey = nullptr, *ChkGuns = nullptr, *ChkCow = nullptr;
  QCheckBox *chkClock = nullptr, *chkShowMessage = nullptr, *chkPowerSave = nullptr;
  QScrollBar *hsbTurkey = nullptr, *hsbGuns = nullptr, *hsbCow = nullptr;
  QScrollBar *hsbMouseS = nullptr, *hsbTunePC = nullptr;
  QLineEdit *txtFontSize = nullptr, *txtMouseS = nullptr, *txtFontSizeMsg = nullptr;
  QLineEdit *txtMessage = nullptr, *txtTunePC = nullptr;
};

}  // namespace gs
