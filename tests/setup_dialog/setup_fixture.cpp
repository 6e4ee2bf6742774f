#include "setup_fixture.h"

#include <QApplication>
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

void DragThumb(QScrollBar* bar, int to) {
  bar->setSliderDown(true);
  for (int at = bar->sliderPosition(); at != to;) bar->setSliderPosition(at += at < to ? 1 : -1);
  bar->setSliderDown(false);
}

std::vector<std::string> ValuesSavedTo(const MemorySettingsStore& store, Setting setting) {
  std::vector<std::string> values;
  for (const Saved& s : store.Saves())
    if (s.key == SchemaEntry(setting).key) values.push_back(s.value);
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
