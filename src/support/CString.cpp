#include "support/CString.h"

#include <algorithm>
#include <cctype>
#include <cstring>

CString::CString() = default;

CString::CString(const char* text) { SetBuffer(text); }

CString::CString(const CString& other) { SetBuffer(other.mCharData.get()); }

CString::CString(CString&& other) noexcept
    : mCharData(std::move(other.mCharData)), mLength(other.mLength) {
  other.mLength = 0;
}

// The platform's encodings are UTF-8, so conversion from a platform string is a copy.
CString::CString(const std::string& platformString) { SetBuffer(platformString.c_str()); }

CString::CString(const std::optional<std::string>& platformString) {
  if (platformString) SetBuffer(platformString->c_str());
}

CString::~CString() = default;

CString& CString::operator=(const CString& other) {
  SetBuffer(other.mCharData.get());
  return *this;
}

CString& CString::operator=(CString&& other) noexcept {
  if (this != &other) {
    mCharData = std::move(other.mCharData);
    mLength = other.mLength;
    other.mLength = 0;
  }
  return *this;
}

CString& CString::operator=(const char* text) {
  SetBuffer(text);
  return *this;
}

CString& CString::operator=(const std::string& platformString) {
  SetBuffer(platformString.c_str());
  return *this;
}

CString& CString::operator=(const std::optional<std::string>& platformString) {
  SetBuffer(platformString ? platformString->c_str() : "");
  return *this;
}

void CString::SetBuffer(const char* text) {
  if (text && text == mCharData.get()) return;
  if (!text) {
    ClearBuffer();
    return;
  }
  const size_t length = std::strlen(text);
  auto buffer = std::make_unique<char[]>(length + 1);
  std::memcpy(buffer.get(), text, length + 1);
  // `text` may point into the old buffer, so it is released only after the copy.
  mCharData = std::move(buffer);
  mLength = static_cast<uint32_t>(length);
}

void CString::ClearBuffer() {
  mCharData.reset();
  mLength = 0;
}

CString& CString::operator+(const char* text) {
  const size_t added = text ? std::strlen(text) : 0;
  const size_t combined = mLength + added;
  if (combined == 0) return *this;
  auto buffer = std::make_unique<char[]>(combined + 1);
  if (mCharData) std::memcpy(buffer.get(), mCharData.get(), mLength);
  if (added) std::memcpy(buffer.get() + mLength, text, added);
  buffer[combined] = '\0';
  mCharData = std::move(buffer);
  mLength = static_cast<uint32_t>(combined);
  return *this;
}

void CString::Replace(const char* find, const char* replacement) {
  if (!mCharData || !find || !*find) return;
  const char* found = std::strstr(mCharData.get(), find);
  if (!found) return;
  const int64_t offset = found - mCharData.get();
  // Copy first: the replacement may be a view of this very string.
  const std::string inserted = replacement ? replacement : "";
  Remove(found, static_cast<uint32_t>(std::strlen(find)));
  Insert(mCharData.get() + offset, inserted.c_str());
}

int64_t CString::OffsetOf(const char* at) const {
  if (!mCharData || !at) return -1;
  const char* begin = mCharData.get();
  // Compare as integers: the pointer may belong to another object entirely.
  const auto address = reinterpret_cast<uintptr_t>(at);
  const auto first = reinterpret_cast<uintptr_t>(begin);
  if (address < first || address > first + mLength) return -1;
  return static_cast<int64_t>(address - first);
}

void CString::Remove(const char* at, uint32_t count) {
  const int64_t offset = OffsetOf(at);
  if (offset < 0) return;
  const uint32_t available = mLength - static_cast<uint32_t>(offset);
  count = std::min(count, available);
  char* start = mCharData.get() + offset;
  std::memmove(start, start + count, available - count);
  mLength -= count;
  mCharData[mLength] = '\0';
}

void CString::Insert(const char* at, const char* text) {
  const int64_t offset = OffsetOf(at);
  if (offset < 0 || !text || !*text) return;
  const size_t added = std::strlen(text);
  auto buffer = std::make_unique<char[]>(mLength + added + 1);
  std::memcpy(buffer.get(), mCharData.get(), offset);
  std::memcpy(buffer.get() + offset, text, added);
  std::memcpy(buffer.get() + offset + added, mCharData.get() + offset, mLength - offset + 1);
  mCharData = std::move(buffer);
  mLength += static_cast<uint32_t>(added);
}

bool CString::operator==(const CString& other) const {
  return std::strcmp(TextOrEmpty(), other.TextOrEmpty()) == 0;
}

bool CString::operator==(const char* text) const {
  return std::strcmp(TextOrEmpty(), text ? text : "") == 0;
}

namespace {
std::string LowerCased(const char* text) {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}
}  // namespace

bool CString::Contains(const char* text) const {
  if (!text) return false;
  return LowerCased(TextOrEmpty()).find(LowerCased(text)) != std::string::npos;
}
