#include "platform/toolkit/PortDrawing.h"

#include "platform/toolkit/ToolkitState.h"

OSStatus QDBeginCGContext(CGrafPtr port, CGContextRef* context) {
  if (!context) return paramErr;
  *context = nullptr;
  ToolkitWindow* window = ResolveWindow(port);
  if (!window) return errInvalidWindowRef;
  *context = window->drawingContext;
  return *context ? noErr : paramErr;
}

OSStatus QDEndCGContext(CGrafPtr port, CGContextRef* context) {
  if (context) *context = nullptr;
  return ResolveWindow(port) ? noErr : errInvalidWindowRef;
}

OSStatus SetPortClipEmpty(CGrafPtr port, bool empty) {
  ToolkitWindow* window = ResolveWindow(port);
  if (!window) return errInvalidWindowRef;
  window->clipEmpty = empty;
  return noErr;
}

bool IsPortClipEmpty(CGrafPtr port) {
  ToolkitWindow* window = ResolveWindow(port);
  return window && window->clipEmpty;
}
