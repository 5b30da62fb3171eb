#pragma once
// Common set-up for the toolkit tests: the sample interface file, control lookup, and a clean
// toolkit state after each test.
#include <gtest/gtest.h>

#include "TestSupport/ToolkitTestSupport.h"
#include "platform/toolkit/Toolkit.h"

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CreateNibReferenceFromFile(
                  CORVEL_SOURCE_DIR "/tests/platform/toolkit/data/Sample.xml", &mNib),
              noErr);
    mNibOwner.reset(mNib);
  }

  void TearDown() override { ResetToolkit(); }

  // A window of the sample file, shown (a hidden window takes no user input).
  WindowRef Open(const std::string& name) {
    WindowRef window = nullptr;
    EXPECT_EQ(CreateWindowFromNib(mNib, name, &window), noErr);
    ShowWindow(window);
    return window;
  }

  static ControlRef Find(WindowRef window, const char (&signature)[5], int32_t id) {
    return FindControl(window, signature, id);
  }

  IBNibRef mNib = nullptr;
  NibOwner mNibOwner;
};
