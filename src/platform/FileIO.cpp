#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <atomic>
#include <string>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// Owns one open file descriptor and closes it once.
class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : mDescriptor(descriptor) {}
  ~FileDescriptor() {
    if (mDescriptor >= 0) ::close(mDescriptor);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return mDescriptor; }
  bool IsOpen() const { return mDescriptor >= 0; }
  // Closes now; false when the close reports an error (a write that did not reach the file).
  bool Close() { return ::close(std::exchange(mDescriptor, -1)) == 0; }

 private:
  int mDescriptor;
};

OSStatus StatusOfFailedCall(int error) {
  switch (error) {
    case ENOENT:
      return fnfErr;
    case EACCES:
    case EPERM:
      return permErr;
    case ENOSPC:
    case EDQUOT:
      return dskFulErr;
    case EROFS:
      return wPrErr;
    default:
      return ioErr;
  }
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(size_t(written));
  }
  return true;
}

OSStatus ReadAll(int descriptor, std::string& contents) {
  char buffer[65536];
  for (;;) {
    ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return StatusOfFailedCall(errno);
    if (count == 0) return noErr;
    contents.append(buffer, size_t(count));
  }
}

// A new, empty file beside `file` that no other writer uses, created with rw-r--r-- (less the
// umask) whatever mode `file` has; `temporary` receives its path.
FileDescriptor CreateTemporaryBeside(const fs::path& folder, const fs::path& file,
                                     fs::path& temporary) {
  static std::atomic<unsigned> sequence{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / ("." + file.filename().string() + "." + std::to_string(::getpid()) + "." +
                          std::to_string(sequence++));
    int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor >= 0 || errno != EEXIST) return FileDescriptor(descriptor);
  }
  return FileDescriptor(-1);
}

// Makes the rename itself durable.
void SyncFolder(const fs::path& folder) {
  FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (descriptor.IsOpen()) ::fsync(descriptor.Get());
}

}  // namespace

OSStatus ReadFileContents(const fs::path& file, std::string& contents) {
  FileDescriptor descriptor(
      ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));  // a FIFO never blocks
  if (!descriptor.IsOpen()) return StatusOfFailedCall(errno);
  std::string read;
  if (OSStatus status = ReadAll(descriptor.Get(), read); status != noErr) return status;
  contents = std::move(read);
  return noErr;
}

OSStatus WriteFileAtomically(const fs::path& file, std::string_view contents) {
  if (file.empty() || !file.has_filename()) return paramErr;
  fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  std::error_code error;
  fs::create_directories(folder, error);

  fs::path temporary;
  FileDescriptor descriptor = CreateTemporaryBeside(folder, file, temporary);
  if (!descriptor.IsOpen()) return ioErr;
  bool written = WriteAll(descriptor.Get(), contents) && ::fsync(descriptor.Get()) == 0;
  written = descriptor.Close() && written;
  if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return ioErr;
  }
  SyncFolder(folder);
  return noErr;
}

OSStatus CreateFileExclusively(const fs::path& file, std::string_view contents, uint32_t mode) {
  FileDescriptor descriptor(
      ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode_t(mode)));
  if (!descriptor.IsOpen()) return errno == EEXIST ? dupFNErr : StatusOfFailedCall(errno);
  errno = 0;
  const bool written = ::fchmod(descriptor.Get(), mode_t(mode)) == 0 &&
                       WriteAll(descriptor.Get(), contents) && descriptor.Close();
  if (written) return noErr;
  // The file is this call's own: a part of the contents is no use to anybody.
  const OSStatus status = errno != 0 ? StatusOfFailedCall(errno) : ioErr;
  ::unlink(file.c_str());
  return status;
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
