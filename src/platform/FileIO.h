#pragma once
// Whole-file reading and crash-safe replacement of files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Status.h"

// Reads the whole file into `contents`. fnfErr when it does not exist, permErr when access is
// refused, ioErr when it cannot be read (a folder, an I/O error); `contents` is then unchanged.
// Never throws.
OSStatus ReadFileContents(const std::filesystem::path& file, std::string& contents);

// Replaces `file` with `contents` so that a crash leaves either the old or the new file, never a
// mix: the bytes go to a temporary file in the same folder, are flushed to the disk, and the
// temporary file is renamed over `file`. Missing parent folders are created. The new file gets
// rw-r--r-- less the process's umask, whatever mode the old file had. On failure the old
// file is untouched, the temporary file is removed, and the result is ioErr (paramErr for an
// empty path).
OSStatus WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Creates `file` with exactly `mode` (the umask does not narrow it) and writes `contents` to it.
// An existing file or symbolic link of that name is never followed or replaced: dupFNErr. Other
// failures give the status of the failed call (dskFulErr for a full disk, wPrErr for a read-only
// one) and leave no file behind.
OSStatus CreateFileExclusively(const std::filesystem::path& file, std::string_view contents,
                               uint32_t mode);

// An exclusive advisory lock on a lock file, held for the object's lifetime; several processes
// that take the same lock run their critical sections one after the other.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& lockFile);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Locked() const { return mDescriptor >= 0; }

 private:
  int mDescriptor = -1;
};
