#pragma once
// Notifications for a view that mirrors the model on screen. The model calls the observer after
// each change; the observer reads the new state through the toolkit's functions. A Disposed
// notification comes while the object's handle still resolves; afterwards it never does. A
// window's Disposed stands for every control in it; a Created window comes with its controls.
#include "platform/toolkit/ToolkitTypes.h"

enum class WindowChange {
  Created,
  Disposed,
  Shown,
  Hidden,
  Moved,
  Retitled,
  SheetShown,
  SheetHidden,
  ModalLoopStarted,
  ModalLoopEnded,
  FocusChanged,
  DefaultButtonsChanged,
  Flushed  // the view shows every change so far now, before the caller's thread blocks
};
enum class ControlChange {
  Created,
  Disposed,
  Value,
  Range,
  Title,
  Text,
  State,
  Bounds,
  Font,
  Embedding,
  Menu,
  Tabs,
  Image,
  ListRows,
  ListSelection,
  Clock,
  Redrawn
};

class ToolkitObserver {
 public:
  virtual ~ToolkitObserver() = default;
  virtual void WindowChanged(WindowRef window, WindowChange change) = 0;
  virtual void ControlChanged(ControlRef control, ControlChange change) = 0;
  virtual void Beeped() = 0;
};

// Installs the observer (null removes it); the caller keeps it alive while installed.
void SetToolkitObserver(ToolkitObserver* observer);
