#pragma once
// Common set-up for the toolkit tests: the sample interface file, control lookup, and a clean
// toolkit (no windows, no modal driver) after each test.
#include <gtest/gtest.h>

#include "platform/toolkit/Toolkit.h"

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CreateNibReferenceFromFile(CORVEL_SOURCE_DIR "/tests/platform/toolkit/data/Sample.xml", &mNib), noErr);
  }

  void TearDown() override {
    SetModalDriver({});
    for (WindowRef window : GetWindowList()) DisposeWindow(window);
    DisposeNibReference(mNib);
  }

  WindowRef Open(const std::string& name) {
    WindowRef window = nullptr;
    EXPECT_EQ(CreateWindowFromNib(mNib, name, &window), noErr);
    return window;
  }

  static ControlRef Find(WindowRef window, const char (&signature)[5], int32_t id) {
    const ControlID controlID{FourCC(signature), id};
    ControlRef control = nullptr;
    GetControlByID(window, &controlID, &control);
    return control;
  }

  IBNibRef mNib = nullptr;
};
