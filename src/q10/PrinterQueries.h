#pragma once
// Work that asks the printer for its attributes and answers from them, and the deliveries that
// copy answers into the caller's out-values (each skips a null out pointer).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "q10/AttributeTable.h"
#include "q10/IppClient.h"
#include "q10/Registry.h"
#include "q10/Tickets.h"

namespace q10 {

Exchange ExchangeFor(const Connection& connection, RequestControl& control);

using TableAnswer = std::function<Outcome(std::shared_ptr<const AttributeTable>)>;
// Get-Printer-Attributes in language ("" for the default), then answer runs on the table.
Work WithPrinterAttributes(const ConnectionPtr& connection, std::string language,
                           TableAnswer answer);

std::function<void()> DeliverString(std::string text, char** out);
std::function<void()> DeliverStrings(std::vector<std::string> texts, char*** out, int32_t* count);
std::function<void()> DeliverCount(int32_t value, int32_t* out);
// Both deliveries, in order.
std::function<void()> Both(std::function<void()> first, std::function<void()> second);
// The string when present, else QUILLON_RESULT_NOT_FOUND.
Outcome StringOrNotFound(std::string text, char** out);

}  // namespace q10
