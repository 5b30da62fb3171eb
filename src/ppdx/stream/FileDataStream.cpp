#include "ppdx/stream/FileDataStream.h"

FileDataStream::FileDataStream(const std::filesystem::path& path, Mode mode)
    : mFile(std::fopen(path.c_str(), mode == Mode::Read ? "rbe" : "wbe")) {}

FileDataStream::~FileDataStream() { Close(); }

OSStatus FileDataStream::Close() {
  if (!mFile) return noErr;
  int result = std::fclose(mFile);
  mFile = nullptr;
  return result == 0 ? noErr : ioErr;
}

OSStatus FileDataStream::Write(const void* buffer, long count) {
  if (!mFile) return ioErr;
  if (count < 0 || (count > 0 && !buffer)) return paramErr;
  size_t written = std::fwrite(buffer, 1, static_cast<size_t>(count), mFile);
  return written == static_cast<size_t>(count) ? noErr : ioErr;
}

long FileDataStream::Read(void* buffer, long& count, OSStatus& status) {
  if (!mFile || count < 0 || (count > 0 && !buffer)) {
    count = 0;
    status = mFile ? paramErr : ioErr;
    return 0;
  }
  size_t wanted = static_cast<size_t>(count);
  size_t taken = std::fread(buffer, 1, wanted, mFile);
  count = static_cast<long>(taken);
  status = taken == wanted ? noErr : (std::ferror(mFile) ? ioErr : eofErr);
  return status == noErr;
}

long FileDataStream::Available() const {
  if (!mFile) return 0;
  long here = std::ftell(mFile);
  if (here < 0 || std::fseek(mFile, 0, SEEK_END) != 0) return 0;
  long end = std::ftell(mFile);
  std::fseek(mFile, here, SEEK_SET);
  return end > here ? end - here : 0;
}
