#pragma once
// Text encodings and the converter services (create, convert, flush, dispose), over iconv.
// The numeric values are the ones the PPD library and the option record store.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "support/COwner.h"
#include "platform/Status.h"

using TextEncoding = uint32_t;

inline constexpr TextEncoding kTextEncodingMacRoman = 0;
inline constexpr TextEncoding kTextEncodingUnicodeDefault = 256;  // Unicode, taken as UTF-8 bytes
inline constexpr TextEncoding kTextEncodingUnicodeV1_1 = 257;     // Unicode, taken as UTF-8 bytes
inline constexpr TextEncoding kTextEncodingISOLatin1 = 513;
inline constexpr TextEncoding kTextEncodingISOLatin2 = 514;
inline constexpr TextEncoding kTextEncodingISOLatin5 = 521;
inline constexpr TextEncoding kTextEncodingWindowsLatin1 = 1280;
inline constexpr TextEncoding kTextEncodingShiftJIS = 2561;
inline constexpr TextEncoding kTextEncodingUnknown = 65535;
inline constexpr TextEncoding kTextEncodingUTF8 = 0x08000100;   // UTF-8
inline constexpr TextEncoding kTextEncodingUTF16 = 0x10000100;  // UTF-16, host byte order, no BOM

// Status of a conversion step that stopped because the output area is full; not a failure.
inline constexpr OSStatus kTECOutputBufferFullStatus = -8785;

// The iconv name of an encoding, or null when the platform does not know it.
const char* TextEncodingIconvName(TextEncoding encoding);

// The encoding of the system script (this platform: UTF-8).
TextEncoding GetSystemTextEncoding();
// The encoding the application's text uses (this platform: UTF-8).
TextEncoding GetApplicationTextEncoding();

// A converter from one encoding to another. Null until created.
struct TECObject;
using TECObjectRef = TECObject*;

// Makes a converter that the caller disposes of with TECDisposeConverter (or hands to a
// TECObjectPtr); kTECNoConversionPathErr and null when either encoding is unknown.
OSStatus TECCreateConverter(TECObjectRef* converter, TextEncoding from, TextEncoding to);
// Converts up to inLength bytes; reports how many were read and written. Returns
// kTECOutputBufferFullStatus when the output area filled before the input was consumed.
OSStatus TECConvertText(TECObjectRef converter, const uint8_t* in, size_t inLength, size_t* inRead,
                        uint8_t* out, size_t outLength, size_t* outWritten);
// Writes any shift sequence the converter still holds and resets it.
OSStatus TECFlushText(TECObjectRef converter, uint8_t* out, size_t outLength, size_t* outWritten);
OSStatus TECDisposeConverter(TECObjectRef converter);

// The one owner of a converter: disposes of it when it ends.
using TECObjectPtr = COwner<TECObject, TECDisposeConverter>;

// A converter owned by the result; null when TECCreateConverter fails, whose status goes to
// *status when given (noErr on success).
TECObjectPtr MakeTECConverter(TextEncoding from, TextEncoding to, OSStatus* status = nullptr);

// Converts the whole of bytes with converter and flushes it, so that it starts the next text
// afresh whatever happened. noErr with the text in out, or the converter's error (out is then
// unspecified). The one conversion loop of the platform and the PPD library.
OSStatus TECConvertAll(TECObjectRef converter, std::string_view bytes, std::string& out);

// Whole-string conversions; nullopt when the text is not valid in its encoding. The converter of
// each pair of encodings is made on first use and kept for the thread's later calls.
std::optional<std::string> ConvertText(std::string_view bytes, TextEncoding from, TextEncoding to);
std::optional<std::string> ToUTF8(std::string_view bytes, TextEncoding from);
std::optional<std::string> FromUTF8(std::string_view utf8, TextEncoding to);
