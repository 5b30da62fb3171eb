#pragma once
// What the toolkit and dialog tests both need: control lookup and a clean toolkit between cases.
#include <cstdint>

#include "platform/FourCC.h"
#include "platform/toolkit/Toolkit.h"

// The control with this signature and id in `window`; null when there is none.
inline ControlRef FindControl(WindowRef window, const char (&signature)[5], int32_t id) {
  const ControlID controlID{FourCC(signature), id};
  ControlRef control = nullptr;
  GetControlByID(window, &controlID, &control);
  return control;
}

// Disposes of every window a case left open and drops the modal driver, the beep count and the
// observer.
inline void ResetToolkit() { ResetToolkitState(); }
