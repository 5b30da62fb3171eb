#include "q10/StandardFallbacks.h"

#include <charconv>

#include "q10/Limits.h"

namespace q10 {
namespace {

enum class Fact {
  trayCount,
  trayName,
  trayCapacity,
  trayLevel,
  trayMedia,
  colorantCount,
  colorantName,
  supplyCapacity,
  supplyLevel
};

// "<prefix><number><suffix>", or exactly "<prefix>" when the suffix is empty.
struct VendorName {
  std::string_view prefix;
  std::string_view suffix;
  Fact fact;
};
constexpr VendorName kVendorNames[] = {
    {"vidInputNumOfTrays", "", Fact::trayCount},
    {"vidInput", "Name", Fact::trayName},
    {"vidInput", "MaxCapacity", Fact::trayCapacity},
    {"vidInput", "CurrentLevel", Fact::trayLevel},
    {"vidInput", "MediaName", Fact::trayMedia},
    {"vidMarkerColorantNumOfColorants", "", Fact::colorantCount},
    {"vidMarkerColorant", "Value", Fact::colorantName},
    {"vidMarkerSupply", "MaxCapacity", Fact::supplyCapacity},
    {"vidMarkerSupply", "Level", Fact::supplyLevel},
};

struct Match {
  Fact fact;
  std::size_t index = 0;  // 0-based
};

std::optional<std::size_t> NumberBetween(std::string_view name, const VendorName& form) {
  if (name.size() < form.prefix.size() + form.suffix.size() || !name.starts_with(form.prefix) ||
      !name.ends_with(form.suffix))
    return std::nullopt;
  const auto digits =
      name.substr(form.prefix.size(), name.size() - form.prefix.size() - form.suffix.size());
  std::size_t number = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || number < 1)
    return std::nullopt;
  return number - 1;
}

std::optional<Match> MatchVendorName(std::string_view name) {
  for (const auto& form : kVendorNames) {
    if (form.suffix.empty()) {
      if (name == form.prefix) return Match{form.fact};
    } else if (auto index = NumberBetween(name, form)) {
      return Match{form.fact, *index};
    }
  }
  return std::nullopt;
}

// "key=value;key=value;" of printer-input-tray.
std::string TrayField(std::string_view tray, std::string_view key) {
  while (!tray.empty()) {
    const auto end = std::min(tray.find(';'), tray.size());
    const auto field = tray.substr(0, end);
    if (field.size() > key.size() && field.starts_with(key) && field[key.size()] == '=')
      return std::string(field.substr(key.size() + 1));
    tray.remove_prefix(std::min(end + 1, tray.size()));
  }
  return {};
}

std::optional<AttributeValues> One(std::string text, QuillonAttributeType type) {
  if (text.empty()) return std::nullopt;
  return AttributeValues{{std::move(text), type}};
}

std::optional<AttributeValues> Nth(const AttributeTable& table, std::string_view name,
                                   std::size_t index) {
  const AttributeValues* values = FindValues(table, name);
  if (!values || index >= values->size()) return std::nullopt;
  return AttributeValues{(*values)[index]};
}

std::optional<AttributeValues> TrayFact(const std::vector<TrayFacts>& trays, const Match& match) {
  if (match.fact == Fact::trayCount)
    return trays.empty() ? std::nullopt
                         : One(std::to_string(trays.size()), QUILLON_ATTR_TYPE_INTEGER);
  if (match.index >= trays.size()) return std::nullopt;
  const TrayFacts& tray = trays[match.index];
  switch (match.fact) {
    case Fact::trayName:
      return One(tray.name, QUILLON_ATTR_TYPE_STRING);
    case Fact::trayCapacity:
      return One(tray.capacity, QUILLON_ATTR_TYPE_INTEGER);
    case Fact::trayLevel:
      return One(tray.level, QUILLON_ATTR_TYPE_INTEGER);
    default:
      return One(tray.media, QUILLON_ATTR_TYPE_STRING);
  }
}

std::optional<AttributeValues> ColorantFact(const AttributeTable& table, const Match& match) {
  switch (match.fact) {
    case Fact::colorantCount: {
      const AttributeValues* names = FindValues(table, "marker-names");
      if (!names) return std::nullopt;
      return One(std::to_string(names->size()), QUILLON_ATTR_TYPE_INTEGER);
    }
    case Fact::colorantName:
      return Nth(table, "marker-names", match.index);
    case Fact::supplyCapacity:
      return Nth(table, "marker-high-levels", match.index);
    default:
      return Nth(table, "marker-levels", match.index);
  }
}

}  // namespace

std::vector<TrayFacts> CollectTrays(const AttributeTable& table) {
  const auto sources = Texts(table, "media-source-supported");
  const auto trays = Texts(table, "printer-input-tray");
  const auto ready = Texts(table, "media-ready");
  const std::string media = FirstText(table, "media-default");
  const std::size_t count = std::min(trays.empty() ? sources.size() : trays.size(), kMaxTrays);
  std::vector<TrayFacts> facts(count);
  for (std::size_t i = 0; i < count; ++i) {
    TrayFacts& tray = facts[i];
    tray.source = i < sources.size() ? sources[i] : TrayField(trays[i], "type");
    const std::string ownName = i < trays.size() ? TrayField(trays[i], "name") : std::string();
    tray.name = ownName.empty() ? tray.source : ownName;
    if (i < trays.size()) {
      tray.capacity = TrayField(trays[i], "maxcapacity");
      tray.level = TrayField(trays[i], "level");
    }
    tray.media = i < ready.size() ? ready[i] : media;
  }
  return facts;
}

std::optional<AttributeValues> StandardFallback(const AttributeTable& table,
                                                std::string_view name) {
  const auto match = MatchVendorName(name);
  if (!match) return std::nullopt;
  if (match->fact >= Fact::colorantCount) return ColorantFact(table, *match);
  return TrayFact(CollectTrays(table), *match);
}

}  // namespace q10
