#include "setup_fixture.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>


namespace gs::testing {
namespace {

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

}  // namespace

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

std::vector<std::string> ValuesSavedTo(const MemorySettingsStore& store, Setting setting) {
  std::vector<std::string> values;
  for (const Saved& s : store.Saves())
    if (s.key == SpecOf(setting).key) values.push_back(s.value);
  return values;
}

void SetupTest::Open() {
  store.ClearSaves();
  dialog = std::make_unique<gs::Setup>(store, GS_DATA_DIR);
  dialog->SetNavigator([this](QWidget*, const QString& address) { opened.push_back(address); });
  dialog->ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
}

void SetupTest::OpenInitialised() {
  ApplyFirstRunRule(store);
  Open();
}

}  // namespace gs::testing
