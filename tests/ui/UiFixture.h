#pragma once
// Common set-up for the dialog utility tests: the plug-in bundle from the source tree, a clean
// toolkit after each test.
#include <gtest/gtest.h>

#include "TestSupport/ScopedPDEBundle.h"
#include "TestSupport/ToolkitTestSupport.h"
#include "platform/toolkit/Toolkit.h"

class UiTest : public ::testing::Test {
 protected:
  static constexpr const char* kBundleFolder = CORVEL_SOURCE_DIR "/bundle";
  static constexpr const char* kBundleIdentifier = "com.ktv.print.pde.CorvelPDEMTQix";

  void SetUp() override { ASSERT_NE(mBundle, nullptr); }
  void TearDown() override { ResetToolkit(); }

  static ControlRef Find(WindowRef window, const char (&signature)[5], int32_t id) {
    return FindControl(window, signature, id);
  }

  static std::string Text(ControlRef control) {
    std::string text;
    GetControlText(control, &text);
    return text;
  }

  ScopedPDEBundle mPDEBundle{kBundleFolder};
  CFBundleRef mBundle = mPDEBundle.bundle;
};
