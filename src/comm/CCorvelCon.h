#pragma once
// The Corvel message framing. A message is an 8-byte header, the message ID and the payload
// length (both 32-bit big-endian), then fields back to back; a field is a signed 16-bit big-endian
// length and that many bytes. Fields are appended to the output buffer and sent with the header in
// one write; a whole incoming message is received into the input buffer and taken field by field.
// Nothing is read or written outside the two buffers, whatever lengths arrive.
#include <cstdint>
#include <memory>
#include <vector>

#include "comm/CProCon.h"

class CCorvelCon : public CProCon {
 public:
  static constexpr long kDefaultBufLen = 8192;

  CCorvelCon() : CCorvelCon(nullptr) {}
  explicit CCorvelCon(CComm* comm);

  void Initialize();
  // Resize (or make, zero-filled) a buffer of `n` bytes: 0, or memFullErr / paramErr with the
  // buffer's capacity then 0.
  OSStatus SetMaxInBufLen(long n);
  OSStatus SetMaxOutBufLen(long n);
  void ClearOutBfr();
  void ResetInBfr() { mInIdx = mHdrLen; }

  // Appends one field; a field that does not fit (or a negative length) is dropped silently.
  void WriteFld(const char* data, short length);
  void WriteFld(unsigned short value);
  void WriteFld(unsigned long value);  // as 32 bits
  // Sends header and fields in one write and starts an empty field list; the write's status,
  // -50 without endpoint or output buffer.
  OSStatus WriteMsg(long messageID);
  OSStatus WriteRawMsg(char* buffer, long length);
  // Receives one whole message. 0 with `id` 0 when the peer sent nothing; -19 when the message
  // would not fit the input buffer; a receive's status when the message is cut short.
  OSStatus ReadMsg(long* messageID);

  // Takes the next field into `dest` (at most `max` bytes, no terminator); a longer field is
  // truncated, logged and skipped whole. A field running past the buffer is left unread.
  void ReadFld(char* dest, short max);
  void ReadFld(unsigned short* value);
  void ReadFld(unsigned long* value);
  // The next field in a new buffer of its length (null for an empty or unreadable field).
  std::unique_ptr<char[]> ReadFld();
  // The signed length of the field at the read position; 0 without a readable length.
  short ReadFldLen() const;
  // Copies the received bytes after the read position (at most `max`); -19 without buffer.
  OSStatus ReadRawMsg(char* dest, long max, long* got);

  const uint8_t* GetInHdr() const { return mInBufPtr.data(); }
  long GetHdrLen() const { return mHdrLen; }
  const uint8_t* GetInData() const { return mInBufPtr.data() + mHdrLen; }
  long GetInDataLen() const { return mInDataLen; }
  long GetOutIdx() const { return mOutIdx; }
  long GetInIdx() const { return mInIdx; }
  bool GetSessionComplete() const { return mSessionComplete; }

 private:
  bool FieldFits(long length) const;
  bool FieldInBuffer(short length) const;  // the field at the read position lies in the buffer
  void AppendField(const uint8_t* data, long length);

  bool mSessionComplete = true;
  long mHdrLen = 8;
  std::vector<uint8_t> mInBufPtr;
  long mInBufLen = 0;
  long mInIdx = 0;
  long mInDataLen = 0;  // the payload length of the message received last
  std::vector<uint8_t> mOutBufPtr;
  long mOutBufLen = 0;
  long mOutIdx = 0;
};
