#pragma once
// A file named by its volume/folder/name triple and opened through its path. Only the data fork
// has content on this platform; reads and writes are sequential from the current position.
#include <cstdint>
#include <filesystem>

#include "platform/FourCC.h"
#include "platform/Status.h"
#include "ppdx/stream/FSSpec.h"

// Data fork permissions: 0 whatever is allowed (read and write, else read), 1 read, 2 write,
// 3 read and write.
inline constexpr char fsCurPerm = 0;
inline constexpr char fsRdPerm = 1;
inline constexpr char fsWrPerm = 2;
inline constexpr char fsRdWrPerm = 3;

class FileMac {
 public:
  FileMac();  // names no file
  explicit FileMac(const std::filesystem::path& path);
  FileMac(short volume, long directory, const char* name);
  explicit FileMac(const FSSpec& spec);
  FileMac(const FileMac&) = delete;
  FileMac& operator=(const FileMac&) = delete;
  virtual ~FileMac();

  virtual OSErr getFileInfo(FSSpec* spec);
  virtual OSErr getFileInfo(short* volume, long* directory, char* name);  // name: 64 bytes
  virtual OSErr getFileInfo();            // refreshes the triple from the path
  virtual OSErr getFileName(char* name);  // 64 bytes
  virtual bool exists();
  virtual OSErr openDataFork(char permission);
  virtual OSErr closeDataFork();
  virtual OSErr createDataFork(OSType creator, OSType type);
  virtual int getDataForkRefNum();
  virtual bool dataForkOpen();
  virtual OSErr dataForkWrite(const char* buffer, unsigned long* count);
  virtual OSErr dataForkRead(char* buffer, unsigned long* count);

  long dataForkSize();
  bool valid() const { return fValid; }
  OSErr getError() const { return fLastMacOSErr; }
  const std::filesystem::path& Path() const { return fInfo.path; }

 protected:
  OSErr Remember(OSErr result) { return fLastMacOSErr = result; }

  OSErr fLastMacOSErr = noErr;
  bool fValid = false;
  FSSpec fInfo;
  bool fDataForkOpen = false;
  int16_t fDataForkPermission = 0;
  int fDataForkRefNum = -1;
};
