#pragma once
// The agent runs in the background of a desktop session: what it says goes to its standard error
// (the session's log) and to the system log, each line starting "corvel-agent: ".

// Formats like printf and writes one line to both.
void AgentLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
