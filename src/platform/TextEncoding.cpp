#include "platform/TextEncoding.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

struct TECObject {
  iconv_t descriptor;
  // Bytes of a character cut off at the end of the previous input, completed by the next call.
  std::vector<uint8_t> pending;
};

namespace {

// An encoding iconv cannot convert one byte at a time never needs more than this for one character.
constexpr size_t kMaxCharacterBytes = 8;
// The output area of one conversion step; longer results take several steps.
constexpr size_t kMaxConversionArea = 64 * 1024;

const char* HostUTF16Name() {
  return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
}

struct IconvResult {
  OSStatus status;
  size_t read;
  size_t written;
};

IconvResult RunIconv(iconv_t descriptor, const uint8_t* in, size_t inLength, uint8_t* out,
                     size_t outLength) {
  char* inPointer = const_cast<char*>(reinterpret_cast<const char*>(in));
  char* outPointer = reinterpret_cast<char*>(out);
  size_t inLeft = inLength, outLeft = outLength;
  size_t result = iconv(descriptor, in ? &inPointer : nullptr, &inLeft, &outPointer, &outLeft);
  OSStatus status = noErr;
  if (result == size_t(-1)) {
    if (errno == E2BIG)
      status = kTECOutputBufferFullStatus;
    else if (errno == EINVAL)
      status = noErr;  // the input ends inside a character: kept for later
    else
      status = kTextMalformedInputErr;
  }
  return {status, inLength - inLeft, outLength - outLeft};
}

// Feeds the bytes held back from the last call, completed from the new input.
OSStatus ConvertPending(TECObject& converter, const uint8_t*& in, size_t& inLength,
                        size_t& consumed, uint8_t*& out, size_t& outLength, size_t& written) {
  while (!converter.pending.empty()) {
    if (inLength == 0) return noErr;
    if (converter.pending.size() >= kMaxCharacterBytes) return kTextMalformedInputErr;
    converter.pending.push_back(*in++);
    --inLength;
    ++consumed;
    IconvResult step = RunIconv(converter.descriptor, converter.pending.data(),
                                converter.pending.size(), out, outLength);
    if (step.status != noErr) return step.status;
    out += step.written;
    outLength -= step.written;
    written += step.written;
    converter.pending.erase(converter.pending.begin(), converter.pending.begin() + step.read);
  }
  return noErr;
}

}  // namespace

const char* TextEncodingIconvName(TextEncoding encoding) {
  switch (encoding) {
    case kTextEncodingMacRoman:
      return "MACINTOSH";
    case kTextEncodingUnicodeDefault:
    case kTextEncodingUnicodeV1_1:
    case kTextEncodingUTF8:
      return "UTF-8";
    case kTextEncodingISOLatin1:
      return "ISO-8859-1";
    case kTextEncodingISOLatin2:
      return "ISO-8859-2";
    case kTextEncodingISOLatin5:
      return "ISO-8859-9";
    case kTextEncodingWindowsLatin1:
      return "CP1252";
    case kTextEncodingShiftJIS:
      return "SHIFT_JIS";
    case kTextEncodingUTF16:
      return HostUTF16Name();
    default:
      return nullptr;
  }
}

TextEncoding GetSystemTextEncoding() { return kTextEncodingUTF8; }
TextEncoding GetApplicationTextEncoding() { return kTextEncodingUTF8; }

OSStatus TECCreateConverter(TECObjectRef* converter, TextEncoding from, TextEncoding to) {
  if (!converter) return paramErr;
  *converter = nullptr;
  const char* fromName = TextEncodingIconvName(from);
  const char* toName = TextEncodingIconvName(to);
  if (!fromName || !toName) return kTECNoConversionPathErr;
  iconv_t descriptor = iconv_open(toName, fromName);
  if (descriptor == iconv_t(-1)) return kTECNoConversionPathErr;
  *converter = new TECObject{descriptor, {}};
  return noErr;
}

OSStatus TECConvertText(TECObjectRef converter, const uint8_t* in, size_t inLength, size_t* inRead,
                        uint8_t* out, size_t outLength, size_t* outWritten) {
  if (inRead) *inRead = 0;
  if (outWritten) *outWritten = 0;
  if (!converter || (!in && inLength) || (!out && outLength)) return paramErr;
  size_t consumed = 0, written = 0;
  OSStatus status = ConvertPending(*converter, in, inLength, consumed, out, outLength, written);
  if (status == noErr && converter->pending.empty() && inLength > 0) {
    IconvResult step = RunIconv(converter->descriptor, in, inLength, out, outLength);
    status = step.status;
    consumed += step.read;
    written += step.written;
    if (status == noErr &&
        step.read < inLength) {  // a cut-off character: hold it for the next call
      converter->pending.assign(in + step.read, in + inLength);
      consumed += inLength - step.read;
    }
  }
  if (inRead) *inRead = consumed;
  if (outWritten) *outWritten = written;
  return status;
}

OSStatus TECFlushText(TECObjectRef converter, uint8_t* out, size_t outLength, size_t* outWritten) {
  if (outWritten) *outWritten = 0;
  if (!converter || (!out && outLength)) return paramErr;
  bool cutOff = !converter->pending.empty();
  converter->pending.clear();
  IconvResult step = RunIconv(converter->descriptor, nullptr, 0, out, outLength);
  if (outWritten) *outWritten = step.written;
  if (step.status != noErr) return step.status;
  return cutOff ? kTextMalformedInputErr : noErr;
}

OSStatus TECDisposeConverter(TECObjectRef converter) {
  if (!converter) return paramErr;
  iconv_close(converter->descriptor);
  delete converter;
  return noErr;
}

TECObjectPtr MakeTECConverter(TextEncoding from, TextEncoding to, OSStatus* status) {
  TECObjectRef converter = nullptr;
  const OSStatus created = TECCreateConverter(&converter, from, to);
  if (status) *status = created;
  return TECObjectPtr(converter);
}

OSStatus TECConvertAll(TECObjectRef converter, std::string_view bytes, std::string& out) {
  if (!converter) return paramErr;
  out.clear();
  std::vector<uint8_t> area(std::min<size_t>(4 * bytes.size() + 16, kMaxConversionArea));
  const auto* in = reinterpret_cast<const uint8_t*>(bytes.data());
  size_t left = bytes.size();
  OSStatus status = noErr;
  do {
    size_t read = 0, written = 0;
    status = TECConvertText(converter, in, left, &read, area.data(), area.size(), &written);
    out.append(reinterpret_cast<const char*>(area.data()), written);
    in += read;
    left -= read;
  } while (status == kTECOutputBufferFullStatus);
  // Flushed also after a failure: that resets the converter for its next text.
  OSStatus flushed = noErr;
  do {
    size_t written = 0;
    flushed = TECFlushText(converter, area.data(), area.size(), &written);
    out.append(reinterpret_cast<const char*>(area.data()), written);
  } while (flushed == kTECOutputBufferFullStatus);
  return status != noErr ? status : flushed;
}

std::optional<std::string> ConvertText(std::string_view bytes, TextEncoding from, TextEncoding to) {
  thread_local std::map<std::pair<TextEncoding, TextEncoding>, TECObjectPtr> converters;
  TECObjectPtr& converter = converters[{from, to}];
  if (!converter) converter = MakeTECConverter(from, to);
  std::string result;
  if (!converter || TECConvertAll(converter.get(), bytes, result) != noErr) return std::nullopt;
  return result;
}

std::optional<std::string> ToUTF8(std::string_view bytes, TextEncoding from) {
  return ConvertText(bytes, from, kTextEncodingUTF8);
}

std::optional<std::string> FromUTF8(std::string_view utf8, TextEncoding to) {
  return ConvertText(utf8, kTextEncodingUTF8, to);
}
