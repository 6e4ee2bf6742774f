// The settings dialog as it opens: its layout and the values it shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include "settings/ini_settings_store.h"
#include "settings/settings_schema.h"
#include "setup_fixture.h"
#include "support/temp_dir.h"

namespace gs::testing {
namespace {

TEST_F(SetupTest, CaptionsAreNeitherCutOffNorOutsideTheWindow) {
  OpenInitialised();
  EXPECT_EQ(dialog->size(), QSize(517, 421));
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (!w->objectName().contains(QRegularExpression("^(Label|chk|Chk|cmd)"))) continue;
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

TEST_F(SetupTest, OpeningBeforeTheFirstRunCompletesItAndKeepsWhatTheUserSet) {
  SaveSetting(store, Setting::Clock, "1");
  SaveSetting(store, Setting::Message, "My own words");
  Open();
  EXPECT_TRUE(Find<QCheckBox>(*dialog, "chkClock")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMessage")->text(), "My own words");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtFontSize")->text(), "24");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtFontSizeMsg")->text(), "16");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "4");
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTurkey")->value(), 0);
  EXPECT_EQ(store.Saves().size(), kSettingCount - 2);  // the first-run values only
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::SetReg), "2");
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::Message), "My own words");

  // Opened again, it writes nothing.
  Open();
  dialog->close();
  EXPECT_TRUE(store.Saves().empty());
}

TEST_F(SetupTest, OpeningWritesNothingAndShowsValuesNoControlCanShowClamped) {
  ApplyFirstRunRule(store);
  for (auto [setting, value] :
       {std::pair{Setting::MouseSens, "99"}, {Setting::TunePC, "-4"}, {Setting::VolumeTurkey, "-9999"},
        {Setting::VolumeGuns, "12"}, {Setting::VolumeCow, "loud"}, {Setting::SoundTurkey, "5"},
        {Setting::SoundGuns, "-1"}, {Setting::Clock, "yes"}})
    SaveSetting(store, setting, value);
  Open();
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbMouseS")->value(), 20);
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "20");
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTunePC")->value(), 0);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTurkey")->value(), -2500);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbGuns")->value(), 0);
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbCow")->value(), 0);
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "ChkTurkey")->isChecked());  // the show plays exactly 1 only
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "ChkGuns")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "chkClock")->isChecked());
  dialog->close();
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::MouseSens), "99");

  // Values the controls can show, as stored.
  SaveSetting(store, Setting::TunePC, "1");
  SaveSetting(store, Setting::MouseSens, "2");
  Open();
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "2");
}

TEST(SetupOnFile, OpeningAndClosingLeavesTheFileByteForByte) {
  testing::TempDir dir;
  IniSettingsStore file(dir.File("settings.ini"));
  ApplyFirstRunRule(file);
  SaveSetting(file, Setting::MouseSens, "1");
  SaveSetting(file, Setting::VolumeCow, " 7.5 junk");
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
