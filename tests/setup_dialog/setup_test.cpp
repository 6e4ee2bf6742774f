// The settings dialog as it opens: its layout and the values it shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include "setup_fixture.h"

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
  for (auto [setting, value] : {std::pair{Setting::MouseSens, "99"}, {Setting::TunePC, "1"},
                                {Setting::VolumeTurkey, "-9999"}, {Setting::SoundTurkey, "5"}, {Setting::Clock, "yes"}})
    SaveSetting(store, setting, value);
  Open();
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbMouseS")->value(), 20);
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "20");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text(), "1");
  EXPECT_EQ(Find<QScrollBar>(*dialog, "hsbTurkey")->value(), -2500);
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "ChkTurkey")->isChecked());  // the show plays exactly 1 only
  EXPECT_FALSE(Find<QCheckBox>(*dialog, "chkClock")->isChecked());
  dialog->close();
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::MouseSens), "99");
}

}  // namespace
}  // namespace gs::testing
