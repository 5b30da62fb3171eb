#include "comm/CCorvelCon.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "comm/BigEndian.h"
#include "support/Logging.h"

namespace {

// Resizes `buffer` to `n` zero-filled bytes; `length` becomes n, or 0 on failure.
OSStatus ResizeBuffer(std::vector<uint8_t>& buffer, long n, long& length) {
  length = 0;
  if (n < 0) return paramErr;
  try {
    buffer.resize(size_t(n));
  } catch (const std::bad_alloc&) {
    buffer.clear();
    return memFullErr;
  }
  length = n;
  return noErr;
}

}  // namespace

OSStatus ReadFully(CComm& endpoint, char* buffer, long count, long* got) {
  long total = 0;
  OSStatus status = noErr;
  while (total < count) {
    long chunk = 0;
    status = endpoint.Read(buffer + total, count - total, &chunk);
    if (status != noErr || chunk <= 0) break;
    total += chunk;
  }
  if (got) *got = total;
  if (total == count) return noErr;
  return status != noErr ? status : kCommFailedErr;
}

CCorvelCon::CCorvelCon(CComm* comm) : CProCon(comm) { Initialize(); }

void CCorvelCon::Initialize() {
  mType = 1;
  mHdrLen = 8;
  mSessionComplete = true;
  mInBufPtr.clear();
  mOutBufPtr.clear();
  mInIdx = mOutIdx = mInDataLen = 0;
  SetMaxInBufLen(kDefaultBufLen);
  SetMaxOutBufLen(kDefaultBufLen);
}

OSStatus CCorvelCon::SetMaxInBufLen(long n) {
  mInIdx = 0;
  mInDataLen = 0;
  return ResizeBuffer(mInBufPtr, n, mInBufLen);
}

OSStatus CCorvelCon::SetMaxOutBufLen(long n) {
  mOutIdx = mHdrLen;
  return ResizeBuffer(mOutBufPtr, n, mOutBufLen);
}

void CCorvelCon::ClearOutBfr() {
  std::fill(mOutBufPtr.begin(), mOutBufPtr.end(), 0);
  mOutIdx = mHdrLen;
}

bool CCorvelCon::FieldFits(long length) const {
  return length >= 0 && mOutBufLen >= mHdrLen && mOutIdx + length + 2 <= mOutBufLen;
}

void CCorvelCon::AppendField(const uint8_t* data, long length) {
  if (!FieldFits(length) || (length > 0 && !data)) return;
  PutBigEndian16(&mOutBufPtr[size_t(mOutIdx)], uint16_t(length));
  if (length > 0) std::memcpy(&mOutBufPtr[size_t(mOutIdx + 2)], data, size_t(length));
  mOutIdx += length + 2;
}

void CCorvelCon::WriteFld(const char* data, short length) {
  AppendField(reinterpret_cast<const uint8_t*>(data), length);
}

void CCorvelCon::WriteFld(unsigned short value) {
  uint8_t bytes[2];
  PutBigEndian16(bytes, value);
  AppendField(bytes, 2);
}

void CCorvelCon::WriteFld(unsigned long value) {
  uint8_t bytes[4];
  PutBigEndian32(bytes, uint32_t(value));
  AppendField(bytes, 4);
}

OSStatus CCorvelCon::WriteMsg(long messageID) {
  if (!mCommPtr || mOutBufLen < mHdrLen) return paramErr;
  PutBigEndian32(&mOutBufPtr[0], uint32_t(messageID));
  PutBigEndian32(&mOutBufPtr[4], uint32_t(mOutIdx - mHdrLen));
  const long length = mOutIdx;
  mOutIdx = mHdrLen;
  return mCommPtr->Write(reinterpret_cast<char*>(mOutBufPtr.data()), length);
}

OSStatus CCorvelCon::WriteRawMsg(char* buffer, long length) {
  if (!mCommPtr) return paramErr;
  return mCommPtr->Write(buffer, length);
}

OSStatus CCorvelCon::ReadMsg(long* messageID) {
  if (messageID) *messageID = 0;
  if (!mCommPtr || mInBufLen < mHdrLen) return paramErr;
  char* buffer = reinterpret_cast<char*>(mInBufPtr.data());
  // The header may itself arrive in pieces: take all eight bytes before trusting its length.
  long got = 0;
  const OSStatus status = ReadFully(*mCommPtr, buffer, mHdrLen, &got);
  if (got == 0) return status == noErr || status == kCommFailedErr ? noErr : status;
  if (status != noErr) return status;
  const uint32_t payload = GetBigEndian32(mInBufPtr.data() + 4);
  mInIdx = mHdrLen;
  if (payload > uint32_t(mInBufLen - mHdrLen)) return readErr;
  if (messageID) *messageID = long(GetBigEndian32(mInBufPtr.data()));
  mInDataLen = long(payload);
  return ReadFully(*mCommPtr, buffer + mHdrLen, mInDataLen, &got);
}

bool CCorvelCon::FieldInBuffer(short length) const {
  return mInIdx >= 0 && length >= 0 && mInIdx + 2 + length <= mInBufLen;
}

short CCorvelCon::ReadFldLen() const {
  if (mInIdx < 0 || mInIdx + 2 > mInBufLen) return 0;
  return short(GetBigEndian16(&mInBufPtr[size_t(mInIdx)]));
}

void CCorvelCon::ReadFld(char* dest, short max) {
  const short length = ReadFldLen();
  if (!FieldInBuffer(length)) return;
  const long copied = std::min<long>(length, std::max<short>(max, 0));
  if (copied > 0 && dest) std::memcpy(dest, &mInBufPtr[size_t(mInIdx + 2)], size_t(copied));
  if (length > max) trace_log(0, "CCorvelCon::ReadFld, field length mismatch.\n");
  mInIdx += length + 2;
}

void CCorvelCon::ReadFld(unsigned short* value) {
  uint8_t bytes[2] = {};
  ReadFld(reinterpret_cast<char*>(bytes), 2);
  if (value) *value = GetBigEndian16(bytes);
}

void CCorvelCon::ReadFld(unsigned long* value) {
  uint8_t bytes[4] = {};
  ReadFld(reinterpret_cast<char*>(bytes), 4);
  if (value) *value = GetBigEndian32(bytes);
}

std::unique_ptr<char[]> CCorvelCon::ReadFld() {
  const short length = ReadFldLen();
  if (!FieldInBuffer(length)) return nullptr;
  std::unique_ptr<char[]> field;
  if (length > 0) {
    field.reset(new (std::nothrow) char[size_t(length)]);
    if (field) std::memcpy(field.get(), &mInBufPtr[size_t(mInIdx + 2)], size_t(length));
  }
  mInIdx += length + 2;
  return field;
}

OSStatus CCorvelCon::ReadRawMsg(char* dest, long max, long* got) {
  if (got) *got = 0;
  if (mInBufLen == 0) return readErr;
  const long available = std::max<long>(0, mHdrLen + mInDataLen - mInIdx);
  const long count = std::clamp<long>(std::min(max, available), 0, mInBufLen - mInIdx);
  if (count > 0 && dest) std::memcpy(dest, &mInBufPtr[size_t(mInIdx)], size_t(count));
  if (got) *got = count;
  mInIdx += count;
  return noErr;
}
