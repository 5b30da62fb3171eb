#pragma once
// The property-list value: what preferences, property-list files and bundle data hold.
// A plain value type (copies are deep); PropertyList.h reads and writes it through libplist.
#include <concepts>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class PlistValue {
 public:
  using Array = std::vector<PlistValue>;
  using Dictionary = std::map<std::string, PlistValue, std::less<>>;
  using Data = std::vector<uint8_t>;
  // A point in time as seconds since 2001-01-01 00:00 GMT (the property-list epoch).
  struct Date {
    double secondsSince2001 = 0;
    bool operator==(const Date&) const = default;
  };

  enum class Kind { Boolean, Integer, Real, String, Data, Date, Array, Dictionary };

  PlistValue() : mValue(Dictionary{}) {}  // an empty dictionary, the usual root
  PlistValue(bool value) : mValue(value) {}
  template <std::integral T>
  requires(!std::same_as<T, bool>) PlistValue(T value) : mValue(int64_t(value)) {}
  PlistValue(double value) : mValue(value) {}
  PlistValue(std::string value) : mValue(std::move(value)) {}
  PlistValue(std::string_view value) : mValue(std::string(value)) {}
  PlistValue(const char* value) : mValue(std::string(value ? value : "")) {}
  PlistValue(Data value) : mValue(std::move(value)) {}
  PlistValue(Date value) : mValue(value) {}
  PlistValue(Array value) : mValue(std::move(value)) {}
  PlistValue(Dictionary value) : mValue(std::move(value)) {}

  Kind kind() const { return Kind(mValue.index()); }
  bool operator==(const PlistValue&) const = default;

  // Typed access: null / nullopt when the value is of another kind.
  std::optional<bool> GetBoolean() const { return Get<bool>(); }
  std::optional<int64_t> GetInteger() const { return Get<int64_t>(); }
  std::optional<double> GetReal() const { return Get<double>(); }
  std::optional<Date> GetDate() const { return Get<Date>(); }
  const std::string* GetString() const { return std::get_if<std::string>(&mValue); }
  const Data* GetData() const { return std::get_if<Data>(&mValue); }
  const Array* GetArray() const { return std::get_if<Array>(&mValue); }
  Array* GetArray() { return std::get_if<Array>(&mValue); }
  const Dictionary* GetDictionary() const { return std::get_if<Dictionary>(&mValue); }
  Dictionary* GetDictionary() { return std::get_if<Dictionary>(&mValue); }

  // Dictionary entry by key; null when this is not a dictionary or has no such key.
  const PlistValue* Find(std::string_view key) const;
  // Sets a dictionary entry; does nothing when this is not a dictionary.
  void Set(std::string key, PlistValue value);

 private:
  template <typename T>
  std::optional<T> Get() const {
    if (const T* value = std::get_if<T>(&mValue)) return *value;
    return std::nullopt;
  }

  // Order matches Kind.
  std::variant<bool, int64_t, double, std::string, Data, Date, Array, Dictionary> mValue;
};
