#pragma once
// Common set-up for the toolkit tests: the sample interface file, control lookup, and a clean
// toolkit state after each test.
#include <gtest/gtest.h>

#include "TestSupport/ToolkitTestSupport.h"
#include "platform/toolkit/Toolkit.h"

class ToolkitTest : public InterfaceFileFixture {
 protected:
  ToolkitTest()
      : InterfaceFileFixture(CORVEL_SOURCE_DIR "/tests/platform/toolkit/data/Sample.xml") {}

  // A window of the sample file, shown (a hidden window takes no user input).
  WindowRef Open(const std::string& name) {
    WindowRef window = Create(name);
    ShowWindow(window);
    return window;
  }

  static ControlRef Find(WindowRef window, const char (&signature)[5], int32_t id) {
    return FindControl(window, signature, id);
  }
};
