#pragma once
// Drawing into a window's port the way the extension's code does it: a drawing context for the
// port while a draw event paints it, and the port's clip region, which when empty lets controls
// change without anything being drawn (a redraw request is still counted).
#include "platform/toolkit/GraphicsContext.h"
#include "platform/toolkit/ToolkitTypes.h"

// The context of the draw event in progress on the port; paramErr (and null) when the port is
// not being drawn, errInvalidWindowRef for an unknown port.
OSStatus QDBeginCGContext(CGrafPtr port, CGContextRef* context);
// Ends the use of a context from QDBeginCGContext; the context is cleared.
OSStatus QDEndCGContext(CGrafPtr port, CGContextRef* context);

// Empties the port's clip region, or restores it to the whole port.
OSStatus SetPortClipEmpty(CGrafPtr port, bool empty);
bool IsPortClipEmpty(CGrafPtr port);

// Keeps a port's clip region empty for a scope.
class ScopedEmptyClip {
 public:
  explicit ScopedEmptyClip(CGrafPtr port) : mPort(port), mWasEmpty(IsPortClipEmpty(port)) {
    SetPortClipEmpty(mPort, true);
  }
  ~ScopedEmptyClip() { SetPortClipEmpty(mPort, mWasEmpty); }
  ScopedEmptyClip(const ScopedEmptyClip&) = delete;
  ScopedEmptyClip& operator=(const ScopedEmptyClip&) = delete;

 private:
  CGrafPtr mPort;
  bool mWasEmpty;
};
