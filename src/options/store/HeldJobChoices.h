#pragma once
// Where a held job already carries a standard attribute that a pane shows, the job's value wins
// over the user's saved choice. The printing system hands the attributes over in the print-settings
// ticket; they go into this process's copy of the queue's saved choices before the panes read
// them, so the pane starts from the job's value and applies its rules to it exactly as to a choice
// the user saved. Of the standard attributes only "sides" has a control (the duplex popup); no
// pane shows copies, media or orientation-requested.
#include "printsys/PMTicket.h"

// Prefers the held job's attributes `settings` carries; the queue's preference domain must be set.
void PreferHeldJobAttributes(PMTicketRef settings);
