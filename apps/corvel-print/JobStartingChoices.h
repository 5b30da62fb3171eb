#pragma once
// Where a held job already carries a standard option that a pane shows, the job's value wins over
// the user's saved choice. The value is handed to the pane as a saved choice (the form the pane
// keeps its choices in), so the pane starts from it and applies its rules to it exactly as to a
// choice the user saved. Of the standard options only "sides" has a pane control (the duplex
// popup); no pane shows copies, media or orientation-requested.
#include <map>
#include <string>

#include "platform/PlistValue.h"

// The saved choices (key -> value) that the job's "sides" stands for; empty for no or an unknown
// value.
std::map<std::string, PlistValue> StartingChoicesForSides(const std::string& sides);
