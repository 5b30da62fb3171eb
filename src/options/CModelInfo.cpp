#include "options/CModelInfo.h"

#include "platform/Bundle.h"
#include "platform/SystemVersion.h"

int16_t CModelInfo::mInstanceCount = 0;
std::string CModelInfo::mCFCorvelBundleIDStr;
std::string CModelInfo::mCFCorvelPrefNameStr;
std::string CModelInfo::mCFCorvelPrinterNameStr;
std::string CModelInfo::mCFCorvelRawPrinterNameStr;

CModelInfo::CModelInfo() { Init(); }

CModelInfo::CModelInfo(int16_t) { Init(); }

void CModelInfo::Init() {
  if (mInstanceCount++ > 0) return;
  mCFCorvelBundleIDStr = kCorvelBundleID;
  CFBundleRef bundle = CFBundleGetBundleWithIdentifier(mCFCorvelBundleIDStr);
  mCFCorvelPrefNameStr = bundle ? CFCopyLocalizedStringFromTableInBundle("PrefFileName", "", bundle)
                                : std::string("PrefFileName");
  if (!mCFCorvelPrinterNameStr.empty()) mCFCorvelPrefNameStr += "." + mCFCorvelPrinterNameStr;
}

CModelInfo::~CModelInfo() {
  if (mInstanceCount > 0 && --mInstanceCount > 0) return;
  mCFCorvelBundleIDStr.clear();
  mCFCorvelPrefNameStr.clear();
  mCFCorvelPrinterNameStr.clear();
  mCFCorvelRawPrinterNameStr.clear();
}

void CModelInfo::SetCorvelPrinterName(PMPrintSession session, const std::string& queueName) {
  int32_t version = 0;
  if (Gestalt(FourCC("sysv"), &version) != noErr || version < 0x1020) {
    mCFCorvelPrinterNameStr.clear();
    return;
  }
  PMPrinter printer = nullptr;
  PMSessionGetCurrentPrinter(session, &printer);
  mCFCorvelRawPrinterNameStr = PMPrinterGetName(printer);
  mCFCorvelPrinterNameStr = queueName;  // CUPS names queues in UTF-8, as every string here is
}
