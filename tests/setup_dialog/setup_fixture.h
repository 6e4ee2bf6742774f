#pragma once
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "settings/memory_settings_store.h"
#include "setup_dialog/setup.h"

namespace gs::testing {

using Saved = MemorySettingsStore::SavedValue;

template <typename W = QWidget>
W* Find(QWidget& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Holds the thumb and moves it one value at a time to the value to, then lets go.
void DragThumb(QScrollBar* bar, int to);
std::vector<std::string> ValuesSavedTo(const MemorySettingsStore& store, Setting setting);

// The settings dialog on a store in memory; opened by the test.
class SetupTest : public ::testing::Test {
 protected:
  void Open();
  void OpenInitialised();

  MemorySettingsStore store;
  std::unique_ptr<gs::Setup> dialog;
  std::vector<QString> opened;
};

}  // namespace gs::testing
