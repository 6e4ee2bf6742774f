#include "settings/setup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "settings/about_box.h"
#include "settings/ini_settings_store.h"
#include "settings/memory_settings_store.h"
#include "settings/run_setup_dialog.h"
#include "settings/settings_schema.h"
#include "temp_dir.h"

namespace gs {
namespace {

using Saved = MemorySettingsStore::SavedValue;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "setup_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

template <typename W = QWidget>
W* Find(QWidget& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QRect ThumbRect(QScrollBar* bar) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_None;
  opt.activeSubControls = QStyle::SC_None;
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  opt.upsideDown = bar->invertedAppearance();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

// Presses the thumb and moves it one pixel at a time by dx, then releases.
void DragThumb(QScrollBar* bar, int dx) {
  QPoint at = ThumbRect(bar).center();
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
  int step = dx > 0 ? 1 : -1;
  for (int moved = 0; moved != dx; moved += step) {
    at.rx() += step;
    QTest::mouseMove(bar, at);
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
}

std::vector<std::string> ValuesSavedTo(const MemorySettingsStore& store, const std::string& key) {
  std::vector<std::string> values;
  for (const Saved& s : store.Saves())
    if (s.key == key) values.push_back(s.value);
  return values;
}

class SetupTest : public ::testing::Test {
 protected:
  void Open() {
    store.ClearSaves();
    dialog = std::make_unique<gs::Setup>(store, GS_DATA_DIR);
    dialog->SetNavigator([this](QWidget*, const QString& address) { opened.push_back(address); });
    dialog->ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }
  void OpenInitialised() {
    SetRegistry(store);
    Open();
  }

  MemorySettingsStore store;
  std::unique_ptr<gs::Setup> dialog;
  std::vector<QString> opened;
};

TEST_F(SetupTest, EveryCaptionAndTooltipIsTheDialogsOwnText) {
  OpenInitialised();
  struct Row {
    const char* name;
    QString caption;
    QString tooltip;
  } rows[] = {
      {"Frame1", "Sounds", ""},
      {"Label1", "Low -- Volume -- High", ""},
      {"ChkTurkey", "Turkey", ""},
      {"ChkGuns", "Guns", ""},
      {"ChkCow", "Cow", ""},
      {"Frame24", "Clock", ""},
      {"chkClock", "Show Clock", "Show or Remove Clock"},
      {"Label4", "Font Size: ", ""},
      {"txtFontSize", nullptr, "Type size of font for clock"},
      {"Frame23", "Mouse Sensitivity", "Change the sensitivity of the mouse"},
      {"Label32", "Light Touch", ""},
      {"Label33", "HeavyTouch", ""},
      {"Frame5", "Show Message", ""},
      {"chkShowMessage", "Show Message", ""},
      {"Label8", "Font Size:", ""},
      {"Label7", "Type your message below:", ""},
      {"chkPowerSave", "Disable any Power Saving settings",
       "If you have your Monitor set to turn off enabling this will keep that setting, otherwise the "
       "screensaver will ignore those settings"},
      {"Frame22", "Tune the Screensaver  (If the objects are moving too fastor too slow)",
       "If the fish are moving too fast no matter  what setting use this to adjust"},
      {"Label31",
       "This only slows down how fast your PC reads through the code of THIS screen saver.  It will not "
       "effect ANY other part of your PC.",
       ""},
      {"Label16", "Pentium 1, 150 MHz >>>>>>>>>>>>Pentium 4, 2.0 GHz >>>>>>>>> Dual Processors", ""},
      {"Label2", "Guide:", ""},
      {"Label17",
       "Pentium 1 , 150 MHz setting should be 0-2 Pentium 4, 1.9 GHz setting should be around 6-10", ""},
      {"Label19",
       "Knowing your CPU speed (Ex: Pentium 1.9 GHz) is not important. Simply select a setting and run the "
       "screensaver.  When you find a setting pleasing, use it.",
       ""},
      {"cmdAbout", "&About", "Version Number "},
      {"cmdHelp", "&Online HELP", "Opens A Help File"},
      {"cmdWeb", "&Go to our website", ""},
      {"cmdOK", "&OK", ""},
  };
  EXPECT_EQ(dialog->windowTitle(), "Gobbleshot Control Box");
  for (const Row& row : rows) {
    QWidget* w = Find(*dialog, row.name);
    if (!w) continue;
    QString caption;
    if (auto* g = qobject_cast<QGroupBox*>(w)) caption = g->title();
    else if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
    if (!row.caption.isNull()) {
      EXPECT_EQ(caption, row.caption) << row.name;
    }
    EXPECT_EQ(w->toolTip(), row.tooltip) << row.name;
  }
  auto* tabs = Find<QTabWidget>(*dialog, "SSTab1");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "Settings");
  EXPECT_EQ(tabs->tabText(1), "Tune the Screensaver");
  EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(SetupTest, BarsTextBoxesAndLayoutFollowTheDesign) {
  OpenInitialised();
  EXPECT_EQ(dialog->size(), QSize(517, 421));
  struct Bar {
    const char* name;
    int min, max;
  } bars[] = {{"hsbTurkey", -2500, 0}, {"hsbGuns", -2500, 0}, {"hsbCow", -2500, 0},
              {"hsbMouseS", 2, 20},    {"hsbTunePC", 0, 20}};
  for (const Bar& b : bars) {
    auto* bar = Find<QScrollBar>(*dialog, b.name);
    EXPECT_EQ(bar->minimum(), b.min) << b.name;
    EXPECT_EQ(bar->maximum(), b.max) << b.name;
    EXPECT_EQ(bar->singleStep(), 1) << b.name;
    EXPECT_EQ(bar->pageStep(), 1) << b.name;
    EXPECT_EQ(bar->orientation(), Qt::Horizontal) << b.name;
  }
  for (const char* name : {"txtFontSize", "txtMouseS", "txtFontSizeMsg", "txtMessage", "txtTunePC"}) {
    auto* box = Find<QLineEdit>(*dialog, name);
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 128)) << name;
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black)) << name;
  }
  EXPECT_TRUE(Find<QLineEdit>(*dialog, "txtTunePC")->font().bold());

  // No caption is cut off, and everything stays inside the window.
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || !w->objectName().contains(QRegularExpression("^(Label|chk|Chk|cmd)")))
      continue;
    auto* label = qobject_cast<QLabel*>(w);
    if (label && label->wordWrap()) {
      EXPECT_GE(w->height(), label->heightForWidth(w->width())) << w->objectName().toStdString();
    } else {
      EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString();
    }
    QRect inDialog(w->mapTo(dialog.get(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(dialog->rect().contains(inDialog)) << w->objectName().toStdString();
  }
}

TEST_F(SetupTest, OpeningWritesNothingAndShowsClampedValues) {
  // An uninitialised store: every key reads "1", out of range for most bars.
  Open();
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbMouseS")->value(), 2);
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "2");
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTurkey")->value(), 0);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTunePC")->value(), 1);
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMessage")->text(), "1");
  dialog->close();
  EXPECT_TRUE(store.Saves().empty());

  // Values no control can show.
  store.Save(kAppName, "System", "MouseSens", "99");
  store.Save(kAppName, "System", "TunePC", "-4");
  store.Save(kAppName, "Volume", "VolumeTurkey", "-9999");
  store.Save(kAppName, "Volume", "VolumeGuns", "12");
  store.Save(kAppName, "Volume", "VolumeCow", "loud");
  store.Save(kAppName, "Sound", "SoundTurkey", "5");
  store.Save(kAppName, "Sound", "SoundGuns", "-1");
  store.Save(kAppName, "System", "Clock", "yes");
  Open();
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbMouseS")->value(), 20);
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "20");
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTunePC")->value(), 0);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTurkey")->value(), -2500);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbGuns")->value(), 0);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbCow")->value(), 0);
  EXPECT_TRUE(Find<QCheckBox>(*dialog, "ChkTurkey")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "ChkGuns")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "chkClock")->isChecked());
  EXPECT_EQ(store.Get(kAppName, "system", "MouseSens", ""), "99");

  // Initialised values show as stored.
  SetRegistry(store);
  store.Save(kAppName, "System", "TunePC", "1");
  store.Save(kAppName, "System", "MouseSens", "2");
  Open();
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "2");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMessage")->text(), "Place a message here or turn off");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtFontSize")->text(), "24");
}

TEST(SetupOnFile, OpeningAndClosingLeavesTheFileByteForByte) {
  testing::TempDir dir;
  IniSettingsStore file(dir.File("settings.ini"));
  SetRegistry(file);
  file.Save(kAppName, "System", "MouseSens", "1");
  file.Save(kAppName, "Volume", "VolumeCow", " 7.5 junk");
  const std::string before = testing::ReadText(file.path());
  {
    gs::Setup dialog(file, GS_DATA_DIR);
    dialog.ShowCentred();
    dialog.close();
  }
  EXPECT_EQ(testing::ReadText(file.path()), before);
}

TEST_F(SetupTest, TextBoxesSaveEveryKeystrokeAsTyped) {
  OpenInitialised();
  auto* fontSize = Find<QLineEdit>(*dialog, "txtFontSize");
  fontSize->setFocus();
  fontSize->selectAll();
  QTest::keyClicks(fontSize, "36");
  EXPECT_EQ(ValuesSavedTo(store, "FontSize"), (std::vector<std::string>{"3", "36"}));
  EXPECT_EQ(store.Saves().back().section, "system");

  auto* message = Find<QLineEdit>(*dialog, "txtMessage");
  message->setFocus();
  message->selectAll();
  QTest::keyClick(message, Qt::Key_Backspace);
  EXPECT_EQ(store.Get(kAppName, "System", "Message", "x"), "");
  QTest::keyClicks(message, " Hi ");
  EXPECT_EQ(store.Get(kAppName, "System", "Message", "x"), " Hi ");

  auto* fontSizeMsg = Find<QLineEdit>(*dialog, "txtFontSizeMsg");
  fontSizeMsg->setFocus();
  fontSizeMsg->selectAll();
  QTest::keyClicks(fontSizeMsg, "x");
  EXPECT_EQ(store.Get(kAppName, "System", "FontSizeMsg", "?"), "x");  // nothing is validated

  // The value boxes of the two tracked bars take typing but save nothing.
  store.ClearSaves();
  for (const char* name : {"txtMouseS", "txtTunePC"}) {
    auto* box = Find<QLineEdit>(*dialog, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "15");
  }
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbMouseS")->value(), 4);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTunePC")->value(), 6);
}

TEST_F(SetupTest, CheckBoxesSaveZeroOrOneOnEachClick) {
  OpenInitialised();
  struct Box {
    const char* name;
    const char* section;
    const char* key;
  } boxes[] = {{"chkClock", "system", "Clock"},        {"chkShowMessage", "system", "ShowMessage"},
               {"chkPowerSave", "System", "PwrSave"},  {"ChkTurkey", "Sound", "SoundTurkey"},
               {"ChkGuns", "Sound", "SoundGuns"},      {"ChkCow", "Sound", "SoundCow"}};
  for (const Box& b : boxes) {
    store.ClearSaves();
    auto* box = Find<QCheckBox>(*dialog, b.name);
    bool wasOn = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    std::string first = wasOn ? "0" : "1", second = wasOn ? "1" : "0";
    EXPECT_EQ(store.Saves(), (std::vector<Saved>{{"Gobbleshot1", b.section, b.key, first},
                                                 {"Gobbleshot1", b.section, b.key, second}}))
        << b.name;
  }
}

TEST_F(SetupTest, DraggingMouseSensitivitySavesEveryValuePassed) {
  OpenInitialised();
  auto* bar = Find<QScrollBar>(*dialog, "hsbMouseS");
  DragThumb(bar, 150);
  std::vector<std::string> saved = ValuesSavedTo(store, "MouseSens");
  ASSERT_GE(saved.size(), 3u);
  for (size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(saved[i], std::to_string(5 + static_cast<int>(i)));
  EXPECT_EQ(saved.back(), std::to_string(bar->value()));
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text().toStdString(), saved.back());
  EXPECT_EQ(store.Saves().back().section, "system");

  store.ClearSaves();
  DragThumb(Find<QScrollBar>(*dialog, "hsbTunePC"), -100);
  saved = ValuesSavedTo(store, "TunePC");
  ASSERT_GE(saved.size(), 2u);
  EXPECT_EQ(saved.front(), "5");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text().toStdString(), saved.back());
}

TEST_F(SetupTest, VolumeBarsSaveOnlyWhereADragEndsAndOnEachClick) {
  OpenInitialised();
  auto* turkey = Find<QScrollBar>(*dialog, "hsbTurkey");
  DragThumb(turkey, -60);
  std::vector<std::string> saved = ValuesSavedTo(store, "VolumeTurkey");
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], std::to_string(turkey->value()));
  EXPECT_LT(turkey->value(), 0);

  // All the way to the quiet end.
  store.ClearSaves();
  DragThumb(turkey, -turkey->width());
  EXPECT_EQ(store.Saves(), (std::vector<Saved>{{"Gobbleshot1", "Volume", "VolumeTurkey", "-2500"}}));

  // An arrow click and a trough click each move by one and save at once.
  auto* cow = Find<QScrollBar>(*dialog, "hsbCow");
  store.ClearSaves();
  QTest::mouseClick(cow, Qt::LeftButton, Qt::NoModifier, QPoint(3, cow->height() / 2));  // left arrow
  EXPECT_EQ(store.Saves(), (std::vector<Saved>{{"Gobbleshot1", "Volume", "VolumeCow", "-1"}}));
  QTest::mouseClick(cow, Qt::LeftButton, Qt::NoModifier, QPoint(cow->width() / 3, cow->height() / 2));
  EXPECT_EQ(ValuesSavedTo(store, "VolumeCow"), (std::vector<std::string>{"-1", "-2"}));
}

TEST_F(SetupTest, ButtonsShowAboutOpenHelpAndWebAndClose) {
  OpenInitialised();
  bool sawAbout = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    sawAbout = true;
    EXPECT_EQ(box->windowTitle(), "Gobbleshot1");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_TRUE(box->text().startsWith("Gobbleshot v2.99\n"));
    EXPECT_TRUE(box->text().contains("Gobbleshot1 project"));
    box->accept();
  });
  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdAbout"), Qt::LeftButton);
  EXPECT_TRUE(sawAbout);

  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdHelp"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdWeb"), Qt::LeftButton);
  ASSERT_EQ(opened.size(), 2u);
  QUrl help(opened[0]);
  EXPECT_TRUE(help.isLocalFile());
  EXPECT_TRUE(std::filesystem::is_regular_file(help.toLocalFile().toStdString())) << opened[0].toStdString();
  EXPECT_EQ(help.fileName(), "support.htm");
  EXPECT_EQ(opened[1], "https://gobbleshot1.example.org/");
  EXPECT_TRUE(store.Saves().empty());

  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
}

TEST(RunSetupDialog, RunsUntilTheDialogIsClosedAndAnswersZero) {
  MemorySettingsStore store;
  SetRegistry(store);
  store.ClearSaves();
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* setup = qobject_cast<gs::Setup*>(w); setup && setup->isVisible())
        QTest::mouseClick(setup->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  });
  EXPECT_EQ(RunSetupDialog(store, GS_DATA_DIR), 0);
  EXPECT_TRUE(store.Saves().empty());
}

}  // namespace
}  // namespace gs
