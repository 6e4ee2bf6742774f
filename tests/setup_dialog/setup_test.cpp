// The settings dialog as it opens: its texts, its layout and the values it shows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>

#include "settings/ini_settings_store.h"
#include "settings/settings_schema.h"
#include "setup_dialog/about_box.h"
#include "setup_fixture.h"
#include "support/temp_dir.h"

namespace gs::testing {
namespace {

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
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "ChkTurkey")->isChecked());  // the show plays exactly 1 only
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

}  // namespace
}  // namespace gs::testing
