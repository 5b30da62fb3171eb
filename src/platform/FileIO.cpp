#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(size_t(written));
  }
  return true;
}

// The new file keeps the permissions of the file it replaces; a new file gets rw-r--r--.
mode_t ModeForReplacement(const fs::path& file) {
  struct stat existing {};
  return ::stat(file.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
}

// Makes the rename itself durable.
void SyncFolder(const fs::path& folder) {
  int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

OSStatus ReadFileContents(const fs::path& file, std::string& contents) {
  std::error_code error;
  if (!fs::exists(file, error)) return fnfErr;
  std::ifstream in(file, std::ios::binary);
  if (!in) return ioErr;
  contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.bad() ? ioErr : noErr;
}

OSStatus WriteFileAtomically(const fs::path& file, std::string_view contents) {
  if (file.empty() || !file.has_filename()) return paramErr;
  fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  std::error_code error;
  fs::create_directories(folder, error);

  std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return ioErr;

  bool written = WriteAll(descriptor, contents) &&
                 ::fchmod(descriptor, ModeForReplacement(file)) == 0 && ::fsync(descriptor) == 0;
  written = (::close(descriptor) == 0) && written;
  if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return ioErr;
  }
  SyncFolder(folder);
  return noErr;
}

FileLock::FileLock(const fs::path& lockFile) {
  std::error_code error;
  fs::create_directories(lockFile.parent_path(), error);
  mDescriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (mDescriptor < 0) return;
  int result;
  do {
    result = ::flock(mDescriptor, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    ::close(mDescriptor);
    mDescriptor = -1;
  }
}

FileLock::~FileLock() {
  if (mDescriptor >= 0) ::close(mDescriptor);  // closing releases the lock
}
