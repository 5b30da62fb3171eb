// Fuzz target: an incoming Corvel message, whatever its header claims and however the network
// cuts it. The first byte picks the size of the pieces the bytes arrive in; the rest is what the
// peer sends. Every field is then taken in turn, with destinations of several sizes.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "comm/CCorvelCon.h"

namespace {

// An endpoint that hands out the peer's bytes in pieces of a fixed size, then reports a close.
class PeerBytes : public CComm {
 public:
  PeerBytes(const uint8_t* data, size_t size, size_t piece)
      : mBytes(reinterpret_cast<const char*>(data), size), mPiece(piece) {}
  CComm* Clone() override { return nullptr; }
  OSStatus Open() override { return noErr; }
  void Close() override {}
  OSStatus Read(char* buffer, long size, long* got) override {
    *got = long(std::min({size_t(size), mPiece, mBytes.size() - mAt}));
    if (*got == 0) return kCommFailedErr;
    mBytes.copy(buffer, size_t(*got), mAt);
    mAt += size_t(*got);
    return noErr;
  }
  OSStatus Write(char*, long) override { return noErr; }

 private:
  std::string mBytes;
  size_t mPiece;
  size_t mAt = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  PeerBytes peer(data + 1, size - 1, 1 + data[0] % 16);
  CCorvelCon con(&peer);
  long id = 0;
  if (con.ReadMsg(&id) != noErr) return 0;
  char small[2], large[64];
  for (int field = 0; field < 8192; ++field) {
    const long before = con.GetInIdx();
    if (field % 3 == 0) con.ReadFld(small, short(sizeof small));
    if (field % 3 == 1) con.ReadFld(large, short(sizeof large));
    if (field % 3 == 2) con.ReadFld();
    FUZZ_CHECK(con.GetInIdx() >= before && con.GetInIdx() <= CCorvelCon::kDefaultBufLen);
    if (con.GetInIdx() == before) break;
  }
  long got = 0;
  con.ReadRawMsg(large, long(sizeof large), &got);
  FUZZ_CHECK(got >= 0 && got <= long(sizeof large));
  return 0;
}
