// The server's named features: corvel-features, "name=value" each.
#include "q10/Forward.h"
#include "q10/Pairs.h"
#include "q10/PrinterQueries.h"

using namespace q10;

extern "C" QuillonResult FEAT_getFeatureList(QuillonServerHandle* handle, char*** names,
                                             char*** values, int32_t* count,
                                             QuillonNBTicket* ticket) {
  return ForwardToConnection(handle, ticket, [&](const ConnectionPtr& connection) {
    return WithPrinterAttributes(connection, "", [names, values, count](auto table) {
      std::vector<std::string> nameList, valueList;
      for (const auto& text : Texts(*table, "corvel-features")) {
        auto pair = SplitPair(text);
        nameList.push_back(pair ? pair->left : text);
        valueList.push_back(pair ? pair->right : std::string());
      }
      return Outcome{QUILLON_RESULT_OK,
                     Both(DeliverStrings(std::move(nameList), names, count),
                          DeliverStrings(std::move(valueList), values, nullptr))};
    });
  });
}
