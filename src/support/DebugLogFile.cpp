#include "support/DebugLogFile.h"

DebugLogFile gDebugLog;

void DebugLogFile::dprintf(const char*, ...) {}
