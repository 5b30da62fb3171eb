#pragma once
// What the user and the log are told about a server synchronisation: the Accessories pane's
// status line while the server is asked, and why the server could not be reached or read.
#include <string>

#include "q10/q10.h"

// "Contacting the server at host…"
std::string ContactingServerText(const std::string& host);
// Why the connect to host failed, e.g. "Cannot reach the server at host: the connection was
// refused or the host is unknown."; seconds is the connect's time-out.
std::string CannotReachText(const std::string& host, QuillonResult result, int seconds);
// Why the installed options could not be read once connected; seconds is the whole
// synchronisation's time-out.
std::string CannotReadText(const std::string& host, QuillonResult result, int seconds);
