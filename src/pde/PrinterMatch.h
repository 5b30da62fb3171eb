#pragma once
// The start-up checks of a dialog: which CUPS queue the current printer is, and whether its PPD
// describes the supported model (options/SupportedPrinter.h). Pure functions of their inputs, so
// each rule is testable alone.
#include <cups/cups.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "options/store/SupportedPrinter.h"

struct SystemVersion {
  int32_t major = 0;
  int32_t minor = 0;
};

// Major by 'sys1', minor by 'sys2'; when the minor query fails both come from 'sysv'.
SystemVersion QuerySystemVersion();

// The printer's display name as the system of that version names its queue's description:
// on 10.0 to 10.3 spaces become '_', and on 10.2 '.' does too.
std::string PrinterNameForComparison(std::string name, SystemVersion version);

// The queue the host named for the printer, when it is one of the destinations. A session that
// names none gets the first destination whose "printer-info" (or, without one, whose own name)
// equals the printer name exactly. Its queue name, or nullopt.
std::optional<std::string> FindQueueForPrinter(const std::string& printerName,
                                               const cups_dest_t* dests, int count,
                                               const std::string& namedQueue = {});
