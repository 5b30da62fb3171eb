#pragma once
// Owned, NUL-terminated 8-bit string.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CString {
 public:
  CString();
  CString(const char* text);  // null leaves the string empty
  CString(const CString& other);
  CString(CString&& other) noexcept;
  // From a platform string (UTF-8, as are the system and application encodings here).
  CString(const std::string& platformString);
  CString(const std::optional<std::string>& platformString);  // null leaves the string empty
  virtual ~CString();

  CString& operator=(const CString& other);
  CString& operator=(CString&& other) noexcept;
  CString& operator=(const char* text);
  CString& operator=(const std::string& platformString);
  CString& operator=(const std::optional<std::string>& platformString);  // null gives ""

  // Replaces the text with a copy of `text`; null leaves the string without a buffer.
  void SetBuffer(const char* text);
  void ClearBuffer();

  uint32_t Size() const { return mLength; }
  bool Empty() const { return !mCharData || mCharData[0] == '\0'; }
  operator const char*() const { return mCharData.get(); }  // null when there is no buffer

  // Appends `text` in place and returns this string.
  CString& operator+(const char* text);

  // Replaces the first occurrence of `find` with `replacement`.
  void Replace(const char* find, const char* replacement);
  // `at` points into the buffer; pointers outside it are ignored.
  void Remove(const char* at, uint32_t count);
  void Insert(const char* at, const char* text);

  bool operator==(const CString& other) const;
  bool operator==(const char* text) const;

  // Case-insensitive substring test.
  bool Contains(const char* text) const;

 protected:
  std::unique_ptr<char[]> mCharData;
  uint32_t mLength = 0;

 private:
  const char* TextOrEmpty() const { return mCharData ? mCharData.get() : ""; }
  // Offset of `at` within the text, or -1 when it does not point into the buffer.
  int64_t OffsetOf(const char* at) const;
};
