#include "q10/PrinterQueries.h"

#include "q10/Allocation.h"

namespace q10 {

Exchange ExchangeFor(const Connection& connection, RequestControl& control) {
  return Exchange{control, connection.state.address, connection.state.timeoutSeconds};
}

Work WithPrinterAttributes(const ConnectionPtr& connection, std::string language,
                           TableAnswer answer) {
  return [connection, language = std::move(language),
          answer = std::move(answer)](RequestControl& control) {
    IppAnswer reply = GetPrinterAttributes(ExchangeFor(*connection, control), language);
    if (reply.result != QUILLON_RESULT_OK) return Outcome{reply.result, {}};
    return answer(
        std::make_shared<const AttributeTable>(ReadPrinterAttributes(reply.response.get())));
  };
}

std::function<void()> DeliverString(std::string text, char** out) {
  return [text = std::move(text), out] {
    if (out) *out = NewString(text);
  };
}

std::function<void()> DeliverStrings(std::vector<std::string> texts, char*** out, int32_t* count) {
  return [texts = std::move(texts), out, count] {
    if (out) *out = NewStringArray(texts);
    if (count) *count = static_cast<int32_t>(texts.size());
  };
}

std::function<void()> DeliverCount(int32_t value, int32_t* out) {
  return [value, out] {
    if (out) *out = value;
  };
}

std::function<void()> Both(std::function<void()> first, std::function<void()> second) {
  return [first = std::move(first), second = std::move(second)] {
    first();
    second();
  };
}

Outcome StringOrNotFound(std::string text, char** out) {
  if (text.empty()) return Outcome{QUILLON_RESULT_NOT_FOUND, {}};
  return Outcome{QUILLON_RESULT_OK, DeliverString(std::move(text), out)};
}

}  // namespace q10
