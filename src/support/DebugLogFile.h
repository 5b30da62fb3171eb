#pragma once
// The debug-log hook of the controller and the plug-in frame; it produces no output.

class DebugLogFile {
 public:
  void dprintf(const char* format, ...);
};

extern DebugLogFile gDebugLog;
