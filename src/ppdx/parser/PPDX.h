#pragma once
// Base of the parsed printer description: the file, the standard keyword texts, the text
// converter, the display filter and the tokenizer that every keyword handler uses to cut a line
// into keyword, option, translation and value. The parser derives from it and implements Parse.
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ppdx/model/DisplayOptions.h"
#include "ppdx/stream/PPDFile.h"
#include "ppdx/stream/PPDFileStream.h"
#include "ppdx/stream/PPDStream.h"
#include "support/CString.h"

class PPDXErrors;
class Settings;
class TextConverter;

class PPDX {
 public:
  PPDX();
  explicit PPDX(std::unique_ptr<PPDFile> file);
  PPDX(const PPDX&) = delete;
  PPDX& operator=(const PPDX&) = delete;
  virtual ~PPDX();

  virtual void Retain();
  virtual void Release();  // destroys the object when the count drops to 0 or below
  virtual void Parse() = 0;
  // The standard keywords the library keeps; every other keyword is ignored.
  virtual void ParsePSKeywords(PPDStream& line, const char* keyword);

  // False when the header check failed or a recorded error invalidates the file.
  bool IsValidPPD() const;
  bool IsValidPrinterName() const { return mValidPrinterName; }
  PPDXErrors* GetErrors() const { return mErrors.get(); }
  void AllErrorsFatal(bool allFatal) { mAllErrorsFatal = allFatal; }
  // Same file (volume, folder, name) and the same "*PCFileName".
  bool operator==(const PPDX& other) const;
  bool GetFileSpec(FSSpec& spec) const;
  // The file marker, the file's triple and the standard-keyword texts under tag 1000.
  OSStatus Save(Settings& settings);

  // Tokenizer. Output buffers hold kLineSizeLimit bytes (values: `size` bytes).
  static bool NextToken(PPDStream& s, char* out, const char* delimiters, bool strip);
  unsigned long GetQuotedString(PPDStream& s, char* out, const unsigned long& size);
  unsigned long GetPostscriptString(PPDStream& s, char* out, const unsigned long& size);
  static void StripLeadingWhiteSpace(char* text);
  static void StripTrailingWhiteSpace(char* text);
  static void ParseMainKeyword(const char* text, char* out);

  // The display filter shared by every container of every parsed description.
  static _DISPLAY_OPTIONS_ Options() { return CurrentDisplayOptions(); }
  static void Options(_DISPLAY_OPTIONS_ filter) { SetDisplayOptions(filter); }
  static void IncludeOrphans();
  static void IncludeHidden();
  static void ExcludeOrphans() { SetDisplayOptions(SO_DEFAULT); }
  static void ExcludeHidden() { SetDisplayOptions(SO_DEFAULT); }

  const char* FormatVersion() const { return mFormatVersion; }
  const char* FileVersion() const { return mFileVersion; }
  const char* PCFileName() const { return mPCFileName; }
  const char* LanguageVersion() const { return mLanguageVersion; }
  const char* LanguageEncoding() const { return mLanguageEncoding; }
  const char* ModelName() const { return mModelName; }
  uint32_t GetStringTextEncoding() const;
  PPDFile* File() const { return mFile.get(); }

 protected:
  // The stream of the parse in progress (null after it); the keyword lines and the continuation
  // lines of multi-line values come from it.
  void SetBufferStream(PPDFileStream* stream);
  // The next physical line of the file, the same for a keyword line and a continuation line.
  // The last line of the file counts even without a line end. False at the end of the file, and
  // from the first line that could not be read whole (over 255 bytes, broken by a 0xFF or NUL
  // byte, or by a failed read): that line records a fatal PPDErr_FileError, because the rest of
  // the file is lost.
  bool NextFileLine(char* line);
  // Looks at the next line without consuming it (until ConsumePeekedLine); null at the end.
  const char* PeekFileLine();
  void ConsumePeekedLine() { mHasPeekedLine = false; }
  // The base part of a model rebuilt from a Settings container (see Save); the stored file, or
  // url when that file is gone. mRestoredFromSettings tells whether the container held a model.
  void RestoreBase(Settings& settings, const std::filesystem::path& url,
                   const std::vector<std::string>* names);
  std::array<std::pair<long, CString*>, 6> StandardTexts();

  bool mValidPPDFile = false;
  bool mValidPrinterName = true;
  std::unique_ptr<PPDFile> mFile;
  std::unique_ptr<PPDXErrors> mErrors;
  bool mAllErrorsFatal = false;
  CString mFormatVersion;
  CString mFileVersion;
  CString mPCFileName;
  CString mLanguageVersion;
  CString mLanguageEncoding;
  CString mModelName;
  std::unique_ptr<TextConverter> mTextConverter;
  PPDFileStream* mBufferStream = nullptr;
  bool mStreamEnded = false;  // the stream gave its last line or one that could not be read
  std::string mPeekedLine;
  bool mHasPeekedLine = false;
  int32_t mInstanceCount = 1;  // the creator's reference
  bool mRestoredFromSettings = false;
};
