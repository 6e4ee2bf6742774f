#include "setup_dialog/setup.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QUrl>
#include <algorithm>
#include <string_view>

#include "settings/settings_schema.h"
#include "setup_dialog/about_box.h"
#include "setup_dialog/navigate.h"

namespace gs {
namespace {

// The layout is drawn in twips; 15 twips make one pixel at 96 dpi.
QRect Twips(int left, int top, int width, int height) {
  auto px = [](int twips) { return (twips + 7) / 15; };
  return QRect(px(left), px(top), px(width), px(height));
}

template <typename W>
W* Place(W* widget, const char* name, QRect rect) {
  widget->setObjectName(name);
  widget->setGeometry(rect);
  return widget;
}

// Captions are never shortened: a box too narrow for its text with this
// machine's fonts grows to the right (and a wrapped label grows downwards).
void FitText(QWidget* widget) {
  QRect r = widget->geometry();
  auto* label = qobject_cast<QLabel*>(widget);
  if (label && label->wordWrap()) {
    r.setHeight(std::max(r.height(), label->heightForWidth(r.width())));
  } else {
    QSize hint = widget->sizeHint();
    r.setWidth(std::max(r.width(), hint.width()));
    r.setHeight(std::max(r.height(), std::min(hint.height(), r.height() + 6)));
  }
  widget->setGeometry(r);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect, bool wrap = false) {
  auto* label = Place(new QLabel(text, parent), name, rect);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FitText(label);
  return label;
}

// A box that follows a caption on the same row moves right when the caption
// had to grow, and its frame widens with it, so the box never covers text.
void KeepRightOf(QWidget* box, const QWidget* caption) {
  const int left = caption->geometry().right() + 3;
  if (box->x() >= left) return;
  box->move(left, box->y());
  QWidget* frame = box->parentWidget();
  if (frame && box->geometry().right() + 6 > frame->width())
    frame->resize(box->geometry().right() + 7, frame->height());
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, QRect rect) {
  auto* box = Place(new QCheckBox(text, parent), name, rect);
  FitText(box);
  return box;
}

QScrollBar* MakeBar(QWidget* parent, const char* name, int min, int max, QRect rect) {
  auto* bar = Place(new QScrollBar(Qt::Horizontal, parent), name, rect);
  bar->setRange(min, max);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  return bar;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect rect) {
  auto* box = Place(new QLineEdit(parent), name, rect);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, QColor(255, 255, 128));
  palette.setColor(QPalette::Text, Qt::black);
  box->setPalette(palette);
  box->setAutoFillBackground(true);
  box->setTextMargins(0, 0, 0, 0);
  return box;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& title, QRect rect) {
  auto* frame = Place(new QGroupBox(title, parent), name, rect);
  int needed = frame->minimumSizeHint().width();
  if (needed > rect.width()) frame->resize(needed, rect.height());
  return frame;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect rect) {
  auto* button = Place(new QPushButton(text, parent), name, rect);
  button->setAutoDefault(false);
  FitText(button);
  return button;
}

}  // namespace

Setup::Setup(SettingsStore& store, QString dataDir, QWidget* parent)
    : QDialog(parent), store_(store), dataDir_(std::move(dataDir)), navigate_(&Navigate) {
  setObjectName("Setup");
  setWindowTitle("Gobbleshot Control Box");
  // A compact face close to the classic dialog font, so the captions keep
  // their places.
  QFont face("Liberation Sans");
  face.setPointSizeF(8.25);
  setFont(face);
  setFixedSize(Twips(0, 0, 7755, 6315).size());
  // Frame captions sit on the frame's top line, so the controls placed in a
  // frame keep the room they were laid out with. The face is restated because
  // a style sheet replaces the font the widgets would inherit.
  setStyleSheet(
      "QWidget { font-family: \"Liberation Sans\"; font-size: 8.25pt; }"
      "#txtTunePC { font-size: 9.75pt; font-weight: bold; }"
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 6px; top: 0px; padding: 0px 2px; }");

  SSTab1 = Place(new QTabWidget(this), "SSTab1", Twips(60, 45, 7620, 5535));
  auto* settingsPage = new QWidget;
  auto* tunePage = new QWidget;
  SSTab1->addTab(settingsPage, "Settings");
  SSTab1->addTab(tunePage, "Tune the Screensaver");
  BuildSettingsTab(settingsPage);
  BuildTuneTab(tunePage);
  BuildButtons();
  SSTab1->setCurrentIndex(0);
  Load();
}

void Setup::BuildSettingsTab(QWidget* page) {
  // The container's place on the tab page, below the tab strip.
  auto* Picture5 = Place(new QWidget(page), "Picture5", QRect(QPoint(4, 4), Twips(0, 0, 7320, 4920).size()));

  auto* Frame1 = MakeFrame(Picture5, "Frame1", "Sounds", Twips(105, 90, 3630, 1455));
  MakeLabel(Frame1, "Label1", "Low -- Volume -- High", Twips(1320, 120, 1695, 255));
  ChkTurkey = MakeCheckBox(Frame1, "ChkTurkey", "Turkey", Twips(120, 360, 1215, 255));
  hsbTurkey = MakeBar(Frame1, "hsbTurkey", -2500, 0, Twips(1320, 360, 2175, 255));
  ChkGuns = MakeCheckBox(Frame1, "ChkGuns", "Guns", Twips(120, 720, 1215, 255));
  hsbGuns = MakeBar(Frame1, "hsbGuns", -2500, 0, Twips(1320, 720, 2160, 255));
  ChkCow = MakeCheckBox(Frame1, "ChkCow", "Cow", Twips(120, 1080, 1215, 255));
  hsbCow = MakeBar(Frame1, "hsbCow", -2500, 0, Twips(1320, 1080, 2175, 255));

  auto* Frame24 = MakeFrame(Picture5, "Frame24", "Clock", Twips(4035, 555, 2985, 615));
  chkClock = MakeCheckBox(Frame24, "chkClock", "Show Clock", Twips(120, 240, 1215, 255));
  chkClock->setToolTip("Show or Remove Clock");
  QLabel* clockSize = MakeLabel(Frame24, "Label4", "Font Size: ", Twips(1515, 270, 855, 255));
  txtFontSize = MakeTextBox(Frame24, "txtFontSize", Twips(2370, 225, 495, 285));
  KeepRightOf(txtFontSize, clockSize);
  txtFontSize->setToolTip("Type size of font for clock");

  auto* Frame23 = MakeFrame(Picture5, "Frame23", "Mouse Sensitivity", Twips(90, 1710, 7050, 855));
  Frame23->setToolTip("Change the sensitivity of the mouse");
  hsbMouseS = MakeBar(Frame23, "hsbMouseS", 2, 20, Twips(120, 240, 6240, 255));
  txtMouseS = MakeTextBox(Frame23, "txtMouseS", Twips(6420, 225, 495, 285));
  MakeLabel(Frame23, "Label32", "Light Touch", Twips(120, 480, 855, 255));
  QLabel* heavy = MakeLabel(Frame23, "Label33", "HeavyTouch", Twips(5280, 495, 975, 255));
  // "HeavyTouch" sits under the bar's right end: if it had to grow, grow it leftwards.
  heavy->move(std::min(heavy->x(), hsbMouseS->geometry().right() + 1 - heavy->width()), heavy->y());

  auto* Frame5 = MakeFrame(Picture5, "Frame5", "Show Message", Twips(135, 2895, 6990, 1335));
  chkShowMessage = MakeCheckBox(Frame5, "chkShowMessage", "Show Message", Twips(120, 240, 1095, 375));
  QLabel* messageSize = MakeLabel(Frame5, "Label8", "Font Size:", Twips(2970, 510, 735, 255));
  txtFontSizeMsg = MakeTextBox(Frame5, "txtFontSizeMsg", Twips(3720, 495, 495, 285));
  KeepRightOf(txtFontSizeMsg, messageSize);
  MakeLabel(Frame5, "Label7", "Type your message below:", Twips(120, 720, 1815, 255));
  txtMessage = MakeTextBox(Frame5, "txtMessage", Twips(120, 960, 6690, 285));

  chkPowerSave = MakeCheckBox(Picture5, "chkPowerSave", "Disable any Power Saving settings",
                              Twips(2295, 4425, 2850, 315));
  chkPowerSave->setToolTip(
      "If you have your Monitor set to turn off enabling this will keep that setting, otherwise the "
      "screensaver will ignore those settings");

  ConnectCheckBox(ChkTurkey, Setting::SoundTurkey);
  ConnectCheckBox(ChkGuns, Setting::SoundGuns);
  ConnectCheckBox(ChkCow, Setting::SoundCow);
  ConnectCheckBox(chkClock, Setting::Clock);
  ConnectCheckBox(chkShowMessage, Setting::ShowMessage);
  ConnectCheckBox(chkPowerSave, Setting::PwrSave);
  ConnectVolumeBar(hsbTurkey, Setting::VolumeTurkey);
  ConnectVolumeBar(hsbGuns, Setting::VolumeGuns);
  ConnectVolumeBar(hsbCow, Setting::VolumeCow);
  ConnectTrackedBar(hsbMouseS, txtMouseS, Setting::MouseSens);
  ConnectTextBox(txtFontSize, Setting::FontSize);
  ConnectTextBox(txtFontSizeMsg, Setting::FontSizeMsg);
  ConnectTextBox(txtMessage, Setting::Message);
}

void Setup::BuildTuneTab(QWidget* page) {
  auto* Picture3 = Place(new QWidget(page), "Picture3", QRect(QPoint(4, 4), Twips(0, 0, 7320, 4920).size()));
  auto* Frame22 = MakeFrame(Picture3, "Frame22",
                            "Tune the Screensaver  (If the objects are moving too fastor too slow)",
                            Twips(90, 285, 7050, 3465));
  Frame22->setToolTip("If the fish are moving too fast no matter  what setting use this to adjust");

  MakeLabel(Frame22, "Label31",
            "This only slows down how fast your PC reads through the code of THIS screen saver.  It will "
            "not effect ANY other part of your PC.",
            Twips(105, 390, 6750, 480), true);
  hsbTunePC = MakeBar(Frame22, "hsbTunePC", 0, 20, Twips(120, 945, 6105, 375));
  txtTunePC = MakeTextBox(Frame22, "txtTunePC", Twips(6285, 930, 615, 405));
  QFont bold = txtTunePC->font();
  bold.setPointSizeF(9.75);
  bold.setBold(true);
  txtTunePC->setFont(bold);
  MakeLabel(Frame22, "Label16",
            "Pentium 1, 150 MHz >>>>>>>>>>>>Pentium 4, 2.0 GHz >>>>>>>>> Dual Processors",
            Twips(135, 1380, 7125, 285));
  MakeLabel(Frame22, "Label2", "Guide:", Twips(150, 1950, 705, 225));
  MakeLabel(Frame22, "Label17",
            "Pentium 1 , 150 MHz setting should be 0-2 Pentium 4, 1.9 GHz setting should be around 6-10",
            Twips(150, 2175, 3585, 465), true);
  MakeLabel(Frame22, "Label19",
            "Knowing your CPU speed (Ex: Pentium 1.9 GHz) is not important. Simply select a setting and run "
            "the screensaver.  When you find a setting pleasing, use it.",
            Twips(195, 2895, 6900, 480), true);

  ConnectTrackedBar(hsbTunePC, txtTunePC, Setting::TunePC);
}

void Setup::BuildButtons() {
  auto* Picture1 = Place(new QWidget(this), "Picture1", Twips(0, 5625, 7755, 690));
  auto* cmdAbout = MakeButton(Picture1, "cmdAbout", "&About", Twips(2505, 60, 945, 495));
  cmdAbout->setToolTip("Version Number ");
  auto* cmdHelp = MakeButton(Picture1, "cmdHelp", "&Online HELP", Twips(3525, 60, 1095, 495));
  cmdHelp->setToolTip("Opens A Help File");
  auto* cmdWeb = MakeButton(Picture1, "cmdWeb", "&Go to our website", Twips(5745, 45, 1020, 510));
  auto* cmdOK = MakeButton(Picture1, "cmdOK", "&OK", Twips(6885, 45, 615, 495));
  // A grown button must not run into its neighbour or off the strip.
  int right = Picture1->width() - 4;
  for (QPushButton* b : {cmdOK, cmdWeb, cmdHelp, cmdAbout}) {
    if (b->geometry().right() > right) b->move(right - b->width(), b->y());
    right = std::min(right, b->x() - 4);
  }

  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdAbout, &QPushButton::clicked, this, &Setup::cmdAbout_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &Setup::cmdHelp_Click);
  connect(cmdWeb, &QPushButton::clicked, this, &Setup::cmdWeb_Click);
}

void Setup::Load() {
  // Controls show what is stored, clamped to what they can show; nothing else
  // is saved until the user changes a control.
  loading_ = true;
  // A store the saver has never started on gets its first run now, so the
  // dialog shows the first-run values rather than the read defaults.
  SettingsSnapshot read(store_);
  ApplyFirstRunRule(store_, read);
  auto setBar = [&read](QScrollBar* bar, Setting setting) { bar->setValue(read.Integer(setting)); };
  // The show plays a 0/1 setting only when it is exactly 1.
  auto setBox = [&read](QCheckBox* box, Setting setting) { box->setChecked(read.Integer(setting) == 1); };
  auto setText = [](QLineEdit* box, const std::string& text) { box->setText(QString::fromStdString(text)); };

  setBar(hsbMouseS, Setting::MouseSens);
  setBox(chkShowMessage, Setting::ShowMessage);
  setBar(hsbTunePC, Setting::TunePC);
  setText(txtMessage, read.Text(Setting::Message));
  setText(txtFontSizeMsg, read.Text(Setting::FontSizeMsg));
  setBox(chkClock, Setting::Clock);
  setText(txtFontSize, read.Text(Setting::FontSize));
  setBox(chkPowerSave, Setting::PwrSave);
  setBar(hsbTurkey, Setting::VolumeTurkey);
  setBar(hsbGuns, Setting::VolumeGuns);
  setBar(hsbCow, Setting::VolumeCow);
  setBox(ChkTurkey, Setting::SoundTurkey);
  setBox(ChkGuns, Setting::SoundGuns);
  setBox(ChkCow, Setting::SoundCow);
  txtMouseS->setText(QString::number(hsbMouseS->value()));
  txtTunePC->setText(QString::number(hsbTunePC->value()));
  for (QLineEdit* box : {txtMessage, txtFontSizeMsg, txtFontSize}) box->setCursorPosition(0);
  loading_ = false;
}

void Setup::Save(Setting setting, const QString& value) {
  if (loading_) return;
  SaveSetting(store_, setting, value.toStdString());
}

void Setup::ConnectCheckBox(QCheckBox* box, Setting setting) {
  connect(box, &QCheckBox::clicked, this, [this, setting](bool checked) { Save(setting, checked ? "1" : "0"); });
}

void Setup::ConnectVolumeBar(QScrollBar* bar, Setting setting) {
  // Without tracking the value changes only where a drag ends, or by one on
  // each arrow or trough click.
  bar->setTracking(false);
  connect(bar, &QScrollBar::valueChanged, this,
          [this, setting](int value) { Save(setting, QString::number(value)); });
}

void Setup::ConnectTrackedBar(QScrollBar* bar, QLineEdit* valueBox, Setting setting) {
  bar->setTracking(true);
  connect(bar, &QScrollBar::valueChanged, this, [this, valueBox, setting](int value) {
    if (loading_) return;
    valueBox->setText(QString::number(value));
    Save(setting, QString::number(value));
  });
}

void Setup::ConnectTextBox(QLineEdit* box, Setting setting) {
  connect(box, &QLineEdit::textChanged, this, [this, setting](const QString& text) { Save(setting, text); });
}

void Setup::ShowCentred() {
  show();
  if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  raise();
  activateWindow();
}

QString Setup::HelpAddress() const {
  return QUrl::fromLocalFile(dataDir_ + "/support.htm").toString();
}

QString Setup::HomePageAddress() { return "https://gobbleshot1.example.org/"; }

void Setup::cmdAbout_Click() { ShowAboutBox(this); }
void Setup::cmdHelp_Click() { navigate_(this, HelpAddress()); }
void Setup::cmdWeb_Click() { navigate_(this, HomePageAddress()); }

}  // namespace gs
