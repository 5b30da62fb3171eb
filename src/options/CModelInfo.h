#pragma once
// The model statics of a print dialog: the bundle identifier, the preference domain and the
// current printer's queue and display names. All state is static and shared by every instance;
// the first live instance fills the bundle identifier and the preference domain (from the
// queue name set before it), and the last one to go clears all four.
#include <cstdint>
#include <string>

#include "printsys/PMSession.h"

class CModelInfo {
 public:
  CModelInfo();
  explicit CModelInfo(int16_t resFile);  // the resource file is not used further
  virtual ~CModelInfo();
  CModelInfo(const CModelInfo&) = delete;
  CModelInfo& operator=(const CModelInfo&) = delete;

  static const std::string& GetCorvelBundleID() { return mCFCorvelBundleIDStr; }
  // "<PrefFileName>.<queue>", or the localized "PrefFileName" alone when no queue is known.
  static const std::string& GetCorvelPrefName() { return mCFCorvelPrefNameStr; }
  // The CUPS queue name; empty on systems older than 10.2.
  static const std::string& GetCorvelPrinterName() { return mCFCorvelPrinterNameStr; }
  // The current printer's display name as the printing system gives it.
  static const std::string& GetCorvelRawPrinterName() { return mCFCorvelRawPrinterNameStr; }

  // Takes the display name from the session's current printer and the queue name (UTF-8, as
  // CUPS gives it); below system 10.2 the queue name is cleared instead.
  static void SetCorvelPrinterName(PMPrintSession session, const std::string& queueName);

 private:
  void Init();

  static int16_t mInstanceCount;
  static std::string mCFCorvelBundleIDStr;
  static std::string mCFCorvelPrefNameStr;
  static std::string mCFCorvelPrinterNameStr;
  static std::string mCFCorvelRawPrinterNameStr;
};

// The bundle identifier of the extension.
inline constexpr const char* kCorvelBundleID = "com.ktv.print.pde.CorvelPDEMTQix";
