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

#include "setup_dialog/run_setup_dialog.h"
#include "setup_fixture.h"

namespace gs::testing {
namespace {

TEST_F(SetupTest, TextBoxesSaveEveryKeystrokeAsTyped) {
  OpenInitialised();
  auto typeOver = [&](const char* name, const char* keys) {  // over the whole text, as a user selects it
    auto* box = Find<QLineEdit>(*dialog, name);
    box->setFocus();
    box->selectAll();
    if (*keys) QTest::keyClicks(box, keys);
    else QTest::keyClick(box, Qt::Key_Backspace);
  };
  typeOver("txtFontSize", "36");
  EXPECT_EQ(ValuesSavedTo(store, Setting::FontSize), (std::vector<std::string>{"3", "36"}));
  EXPECT_EQ(store.Saves().back().section, "system");
  typeOver("txtMessage", "");
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::Message), "");
  typeOver("txtMessage", " Hi ");
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::Message), " Hi ");
  typeOver("txtFontSizeMsg", "x");
  EXPECT_EQ(SettingsSnapshot(store).Text(Setting::FontSizeMsg), "x");  // nothing is validated

  // The value boxes of the two tracked bars take typing but save nothing.
  store.ClearSaves();
  typeOver("txtMouseS", "15");
  typeOver("txtTunePC", "15");
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
    const std::string key(SchemaEntry(b.setting).key);
    EXPECT_EQ(store.Saves(), (std::vector<Saved>{{"Gobbleshot1", b.section, key, first},
                                                 {"Gobbleshot1", b.section, key, second}}))
        << b.name;
  }
}

TEST_F(SetupTest, DraggingSavesEveryValuePassedOnTrackedBarsAndOnlyTheLastOnVolumeBars) {
  OpenInitialised();
  DragThumb(Find<QScrollBar>(*dialog, "hsbMouseS"), 9);
  EXPECT_EQ(ValuesSavedTo(store, Setting::MouseSens), (std::vector<std::string>{"5", "6", "7", "8", "9"}));
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtMouseS")->text(), "9");
  EXPECT_EQ(store.Saves().back().section, "system");
  DragThumb(Find<QScrollBar>(*dialog, "hsbTunePC"), 3);
  EXPECT_EQ(ValuesSavedTo(store, Setting::TunePC), (std::vector<std::string>{"5", "4", "3"}));
  EXPECT_EQ(Find<QLineEdit>(*dialog, "txtTunePC")->text(), "3");

  store.ClearSaves();
  auto* turkey = Find<QScrollBar>(*dialog, "hsbTurkey");
  DragThumb(turkey, -60);
  DragThumb(turkey, -2500);  // all the way to the quiet end
  EXPECT_EQ(ValuesSavedTo(store, Setting::VolumeTurkey), (std::vector<std::string>{"-60", "-2500"}));
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
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_TRUE(box->text().startsWith("Gobbleshot v2.99\n"));
    box->accept();
  });
  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdAbout"), Qt::LeftButton);
  EXPECT_TRUE(sawAbout);

  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdHelp"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>(*dialog, "cmdWeb"), Qt::LeftButton);
  ASSERT_EQ(opened.size(), 2u);
  QUrl help(opened[0]);
  EXPECT_TRUE(std::filesystem::is_regular_file(help.toLocalFile().toStdString())) << opened[0].toStdString();
  EXPECT_EQ(help.fileName(), "support.htm");
  EXPECT_EQ(opened[1], "https://gobbleshot1.example.org/");

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
