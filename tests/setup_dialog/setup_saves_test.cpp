// The settings dialog as it is used: what each control saves, and its buttons.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "settings/settings_schema.h"
#include "setup_dialog/about_box.h"
#include "setup_dialog/run_setup_dialog.h"
#include "setup_fixture.h"

namespace gs::testing {
namespace {

TEST_F(SetupTest, TextBoxesSaveEveryKeystrokeAsTyped) {
  OpenInitialised();
  auto* fontSize = Find<QLineEdit>(*dialog, "txtFontSize");
  fontSize->setFocus();
  fontSize->selectAll();
  QTest::keyClicks(fontSize, "36");
  EXPECT_EQ(ValuesSavedTo(store, Setting::FontSize), (std::vector<std::string>{"3", "36"}));
  EXPECT_EQ(store.Saves().back().section, "system");

  auto* message = Find<QLineEdit>(*dialog, "txtMessage");
  message->setFocus();
  message->selectAll();
  QTest::keyClick(message, Qt::Key_Backspace);
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::Message), "");
  QTest::keyClicks(message, " Hi ");
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::Message), " Hi ");

  auto* fontSizeMsg = Find<QLineEdit>(*dialog, "txtFontSizeMsg");
  fontSizeMsg->setFocus();
  fontSizeMsg->selectAll();
  QTest::keyClicks(fontSizeMsg, "x");
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::FontSizeMsg), "x");  // nothing is validated

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
    Setting setting;
  } boxes[] = {{"chkClock", "system", Setting::Clock},       {"chkShowMessage", "system", Setting::ShowMessage},
               {"chkPowerSave", "System", Setting::PwrSave}, {"ChkTurkey", "Sound", Setting::SoundTurkey},
               {"ChkGuns", "Sound", Setting::SoundGuns},     {"ChkCow", "Sound", Setting::SoundCow}};
  for (const Box& b : boxes) {
    store.ClearSaves();
    auto* box = Find<QCheckBox>(*dialog, b.name);
    bool wasOn = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    std::string first = wasOn ? "0" : "1", second = wasOn ? "1" : "0";
    const std::string key(SpecOf(b.setting).key);
    EXPECT_EQ(store.Saves(), (std::vector<Saved>{{"Gobbleshot1", b.section, key, first},
                                                 {"Gobbleshot1", b.section, key, second}}))
        << b.name;
  }
}

TEST_F(SetupTest, DraggingMouseSensitivitySavesEveryValuePassed) {
  OpenInitialised();
  auto* bar = Find<QScrollBar>(*dialog, "hsbMouseS");
  DragThumb(bar, 150);
  std::vector<std::string> saved = ValuesSavedTo(store, Setting::MouseSens);
  ASSERT_GE(saved.size(), 3u);
  for (size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(saved[i], std::to_string(5 + static_cast<int>(i)));
  EXPECT_EQ(saved.back(), std::to_string(bar->value()));
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text().toStdString(), saved.back());
  EXPECT_EQ(store.Saves().back().section, "system");

  store.ClearSaves();
  DragThumb(Find<QScrollBar>(*dialog, "hsbTunePC"), -100);
  saved = ValuesSavedTo(store, Setting::TunePC);
  ASSERT_GE(saved.size(), 2u);
  EXPECT_EQ(saved.front(), "5");
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text().toStdString(), saved.back());
}

TEST_F(SetupTest, VolumeBarsSaveOnlyWhereADragEndsAndOnEachClick) {
  OpenInitialised();
  auto* turkey = Find<QScrollBar>(*dialog, "hsbTurkey");
  DragThumb(turkey, -60);
  std::vector<std::string> saved = ValuesSavedTo(store, Setting::VolumeTurkey);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], std::to_string(turkey->value()));
  EXPECT_LT(turkey->value(), 0);

  // All the way to the quiet end.
  store.ClearSaves();
  DragThumb(turkey, -turkey->width());
  EXPECT_EQ(ValuesSavedTo(store, Setting::VolumeTurkey), (std::vector<std::string>{"-2500"}));
  EXPECT_EQ(store.Saves().back().section, "Volume");

  // An arrow click and a trough click each move by one and save at once.
  auto* cow = Find<QScrollBar>(*dialog, "hsbCow");
  store.ClearSaves();
  QTest::mouseClick(cow, Qt::LeftButton, Qt::NoModifier, QPoint(3, cow->height() / 2));  // left arrow
  EXPECT_EQ(ValuesSavedTo(store, Setting::VolumeCow), (std::vector<std::string>{"-1"}));
  QTest::mouseClick(cow, Qt::LeftButton, Qt::NoModifier, QPoint(cow->width() / 3, cow->height() / 2));
  EXPECT_EQ(ValuesSavedTo(store, Setting::VolumeCow), (std::vector<std::string>{"-1", "-2"}));
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
  ApplyFirstRunRule(store);
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
}  // namespace gs::testing
