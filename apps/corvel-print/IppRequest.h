#pragma once
// Requests to the print server as the process's user: one owner for every IPP message, and one
// place that names the user and reads the answer's status.
#include <cups/cups.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "support/COwner.h"

using IppPtr = COwner<ipp_t, ippDelete>;

// A request of `operation` on the object `uri` names (`uriName`: "printer-uri", "job-uri"), with
// requesting-user-name set to the process's user; its operation attributes may follow, then
// those of other groups (a group cannot be returned to).
IppPtr NewRequestAsUser(ipp_op_t operation, const char* uriName, const std::string& uri);
// The same on job `job`.
IppPtr NewJobRequest(ipp_op_t operation, int job);

// Asks for only these attributes in the answer (the operation attribute requested-attributes).
void RequestOnly(ipp_t* request, std::initializer_list<const char*> attributes);

// Sends `request` to the default print server. The answer when its status is a success; null
// otherwise, with cupsLastError() and cupsLastErrorString() telling why.
IppPtr Ask(IppPtr request);
