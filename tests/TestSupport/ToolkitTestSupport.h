#pragma once
// What the toolkit and dialog tests both need: control lookup, a clean toolkit between cases and
// the windows of an interface file.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/FourCC.h"
#include "platform/toolkit/Toolkit.h"
#include "platform/toolkit/ToolkitOwners.h"

// The control with this signature and id in `window`; null when there is none.
inline ControlRef FindControl(WindowRef window, OSType signature, int32_t id) {
  const ControlID controlID{signature, id};
  ControlRef control = nullptr;
  GetControlByID(window, &controlID, &control);
  return control;
}
inline ControlRef FindControl(WindowRef window, const char (&signature)[5], int32_t id) {
  return FindControl(window, FourCC(signature), id);
}

// The control's text; empty when it has none (or there is no control).
inline std::string ControlText(ControlRef control) {
  std::string text;
  GetControlText(control, &text);
  return text;
}

// Disposes of every window a case left open and drops the modal driver, the beep count and the
// observer.
inline void ResetToolkit() { ResetToolkitState(); }

// A test on the windows of one interface file, opened for the test; the toolkit is reset after it.
class InterfaceFileFixture : public ::testing::Test {
 protected:
  explicit InterfaceFileFixture(std::string file) : mFile(std::move(file)) {}
  void SetUp() override {
    ASSERT_EQ(CreateNibReferenceFromFile(mFile.c_str(), &mNib), noErr) << mFile;
    mNibOwner.reset(mNib);
  }
  void TearDown() override { ResetToolkit(); }

  // A window of the file, not yet shown.
  WindowRef Create(const std::string& name) {
    WindowRef window = nullptr;
    EXPECT_EQ(CreateWindowFromNib(mNib, name, &window), noErr) << name;
    return window;
  }

  std::string mFile;
  IBNibRef mNib = nullptr;
  NibOwner mNibOwner;
};
