#include "ppdx/stream/FileMac.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

OSErr StatusFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return fnfErr;
    case EACCES:
    case EPERM:
    case EROFS:
      return permErr;
    case EEXIST:
      return dupFNErr;
    case ENOMEM:
      return memFullErr;
    default:
      return ioErr;
  }
}

int OpenFlags(char permission) {
  switch (permission) {
    case fsRdPerm:
      return O_RDONLY;
    case fsWrPerm:
      return O_WRONLY;
    default:
      return O_RDWR;
  }
}

void CopyName(const FSSpec& spec, char* out) {
  std::string text = spec.Name();
  std::memcpy(out, text.c_str(), text.size() + 1);
}

}  // namespace

FileMac::FileMac() = default;

FileMac::FileMac(const std::filesystem::path& path)
    : fValid(!path.empty()), fInfo(FSSpec::FromPath(path)) {}

FileMac::FileMac(short volume, long directory, const char* name) : fValid(name && *name) {
  fInfo.vRefNum = volume;
  fInfo.parID = static_cast<int32_t>(directory);
  if (fValid) {
    fInfo.SetName(name);
    fInfo.path = name;  // a bare triple opens relative to the current folder
  }
}

FileMac::FileMac(const FSSpec& spec) : fValid(!spec.Empty() || !spec.path.empty()), fInfo(spec) {
  if (fInfo.path.empty()) fInfo.path = fInfo.Name();
}

FileMac::~FileMac() {
  if (fDataForkOpen) closeDataFork();
}

OSErr FileMac::getFileInfo(FSSpec* spec) {
  if (!spec) return Remember(paramErr);
  *spec = fInfo;
  return Remember(noErr);
}

OSErr FileMac::getFileInfo(short* volume, long* directory, char* name) {
  if (volume) *volume = fInfo.vRefNum;
  if (directory) *directory = fInfo.parID;
  if (name) CopyName(fInfo, name);
  return Remember(noErr);
}

OSErr FileMac::getFileInfo() {
  struct stat info {};
  if (::stat(fInfo.path.c_str(), &info) != 0) return Remember(StatusFromErrno(errno));
  FSSpec refreshed = FSSpec::FromPath(fInfo.path);
  if (!refreshed.Empty()) fInfo = refreshed;
  return Remember(noErr);
}

OSErr FileMac::getFileName(char* name) {
  if (!name) return Remember(paramErr);
  CopyName(fInfo, name);
  return Remember(noErr);
}

bool FileMac::exists() { return fValid && getFileInfo() == noErr; }

OSErr FileMac::openDataFork(char permission) {
  if (fDataForkOpen) return Remember(noErr);
  if (!fValid) return Remember(fnfErr);
  int descriptor = ::open(fInfo.path.c_str(), OpenFlags(permission) | O_CLOEXEC);
  if (descriptor < 0 && permission == fsCurPerm && (errno == EACCES || errno == EROFS))
    descriptor = ::open(fInfo.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return Remember(StatusFromErrno(errno));
  fDataForkRefNum = descriptor;
  fDataForkPermission = permission;
  fDataForkOpen = true;
  return Remember(noErr);
}

OSErr FileMac::closeDataFork() {
  if (!fDataForkOpen) return Remember(fnOpnErr);
  int result = ::close(fDataForkRefNum);
  fDataForkOpen = false;
  fDataForkRefNum = -1;
  return Remember(result == 0 ? noErr : ioErr);
}

OSErr FileMac::createDataFork(OSType, OSType) {
  if (!fValid) return Remember(paramErr);
  int descriptor = ::open(fInfo.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (descriptor < 0) return Remember(StatusFromErrno(errno));
  ::close(descriptor);
  return getFileInfo();
}

int FileMac::getDataForkRefNum() { return fDataForkRefNum; }

bool FileMac::dataForkOpen() { return fDataForkOpen; }

OSErr FileMac::dataForkWrite(const char* buffer, unsigned long* count) {
  if (!fDataForkOpen) return Remember(fnOpnErr);
  if (!buffer || !count) return Remember(paramErr);
  unsigned long written = 0;
  while (written < *count) {
    ssize_t result = ::write(fDataForkRefNum, buffer + written, *count - written);
    if (result < 0 && errno == EINTR) continue;
    if (result <= 0) {
      *count = written;
      return Remember(result < 0 ? StatusFromErrno(errno) : ioErr);
    }
    written += static_cast<unsigned long>(result);
  }
  return Remember(noErr);
}

OSErr FileMac::dataForkRead(char* buffer, unsigned long* count) {
  if (!fDataForkOpen) return Remember(fnOpnErr);
  if (!buffer || !count) return Remember(paramErr);
  unsigned long total = 0;
  while (total < *count) {
    ssize_t result = ::read(fDataForkRefNum, buffer + total, *count - total);
    if (result < 0 && errno == EINTR) continue;
    if (result < 0) {
      *count = total;
      return Remember(StatusFromErrno(errno));
    }
    if (result == 0) {
      *count = total;
      return Remember(eofErr);
    }
    total += static_cast<unsigned long>(result);
  }
  return Remember(noErr);
}

long FileMac::dataForkSize() {
  struct stat info {};
  int result = fDataForkOpen ? ::fstat(fDataForkRefNum, &info) : ::stat(fInfo.path.c_str(), &info);
  if (!fValid || result != 0) {
    Remember(fValid ? StatusFromErrno(errno) : fnfErr);
    return 0;
  }
  Remember(noErr);
  return static_cast<long>(info.st_size);
}
