// The Accessories pane's server address and synchronisation switch, and the installed options read
// from the server: each option of the PPD group "InstallableOptions" is looked up on the server
// under its own keyword, and a value naming one of its choices becomes the queue's installed
// choice.
#include <cups/ppd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

#include "options/CCorvelOptions.h"
#include "options/panes/PaneControlIDs.h"
#include "options/server/ServerSyncReport.h"
#include "serverclient/Attributes.h"
#include "serverclient/Localization.h"
#include "serverclient/Wrenfold.h"
#include "support/Logging.h"
#include "ui/CUPSHelper.h"

namespace {

constexpr size_t kMaxAddressLength = 255;
// One whole synchronisation, connect included: the dialog waits for it.
constexpr int kSyncSeconds = 10;

using Clock = std::chrono::steady_clock;

// Gives the connection's next request what is left of the synchronisation's time; false when
// nothing is left.
bool GiveTimeLeft(Wrenfold& wrenfold, Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::seconds>(deadline - Clock::now());
  if (left.count() < 1) return false;
  wrenfold.SetServerTimeout(int(left.count()));
  return true;
}

// The 1-based number of the option's choice named `value`, or 0.
int ChoiceNamed(const ppd_option_t& option, const std::string& value) {
  for (int j = 0; j < option.num_choices; ++j)
    if (value == option.choices[j].choice) return j + 1;
  return 0;
}

}  // namespace

void CCorvelOptions::GrabIPAddressFromEntryField() {
  unsigned char address[256] = {0};
  GetCorvelTextEditField(kAccessoriesSignature, kServerAddressNumber, address, false);
  const std::string text(reinterpret_cast<const char*>(address + 1), address[0]);
  if (mPrinterList && mPrinterList->Add(CModelInfo::GetCorvelRawPrinterName(), text, true))
    mPrinterList->Save();
  if (mCorvelOptionsData.mSyncWithServer) GetInstallableOptionsFromServer(text);
}

void CCorvelOptions::ToggleSynchServerOptions() {
  mCorvelOptionsData.mSyncWithServer = !mCorvelOptionsData.mSyncWithServer;
  if (mCorvelOptionsData.mSyncWithServer) GrabIPAddressFromEntryField();
  SetUIConstraints(Accessories_CorvelOptions);
  SetUIConstraints(Output_CorvelOptions);
}

void CCorvelOptions::GetInstallableOptionsFromServer(const std::string& address) {
  std::string ascii = address.substr(0, kMaxAddressLength);
  // Without an address there is no server to ask.
  if (!ascii.empty()) {
    ShowServerStatus(ContactingServerText(ascii));
    const std::optional<std::string> failure = ReadInstallableOptions(ascii);
    if (failure) trace_log(0, "server synchronisation: %s\n", failure->c_str());
    ShowServerStatus(failure.value_or(""));
  }
  SetUIConstraints(Output_CorvelOptions);
}

std::optional<std::string> CCorvelOptions::ReadInstallableOptions(std::string& address) {
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(kSyncSeconds);
  if (!ConnectWrenfold(address))
    return CannotReachText(address, mWrenfold->GetLastConnectResult(),
                           Wrenfold::kBlockingConnectSeconds);
  ppd_group_t* group =
      mCupsPPD ? CUPSHelper(mCupsPPD.get()).FindOptionGroup(kInstallableOptionsGroup) : nullptr;
  if (!group) return std::nullopt;
  Attributes attributes(mWrenfold.get());
  Localization* localization = mWrenfold->GetLocalizationObject();
  if (localization && GiveTimeLeft(*mWrenfold, deadline)) localization->OpenSession(0);
  const int32_t opened = GiveTimeLeft(*mWrenfold, deadline) ? attributes.OpenSession()
                                                            : int32_t(QUILLON_RESULT_TIMED_OUT);
  if (opened != 0) return CannotReadText(address, QuillonResult(opened), kSyncSeconds);
  attributes.GetTrayCount(0);
  for (int i = 0; i < group->num_options; ++i)
    SyncInstalledOption(attributes, address, group->options[i], i);
  attributes.CloseSession();
  return std::nullopt;
}

void CCorvelOptions::ShowServerStatus(const std::string& text) {
  SetCorvelStaticTextField(kAccessoriesSignature, kServerStatusNumber, text, true);
  // The dialog waits for the server on this thread: the view shows the text before it does.
  HIWindowFlush(mPrintDlgWindow);
}

bool CCorvelOptions::ConnectWrenfold(const std::string& address) {
  if (mWrenfold)
    mWrenfold->SetTargetServer(address.c_str());
  else
    mWrenfold = std::make_unique<Wrenfold>(address.c_str(), 0);
  return mWrenfold->ConnectToServer(false, false);
}

void CCorvelOptions::SyncInstalledOption(Attributes& attributes, std::string& address,
                                         ppd_option_t& option, int index) {
  const int32_t popup = kFirstInstalledOptionPopup + index;
  attributes.GetAttributeSingleAsInt(option.keyword, 0);
  const std::optional<std::string> value =
      attributes.GetAttributeSingleAsCFString(option.keyword, 0, false);
  if (const int choice = value ? ChoiceNamed(option, *value) : 0;
      choice != 0 && GetCorvelControlValue(kAccessoriesSignature, popup) != choice) {
    SetCorvelControlValue(kAccessoriesSignature, popup, int16_t(choice));
    SetServerOption(address.data(), option.keyword, option.choices[choice - 1].choice);
  }
  ChangeInstalledOptions(int16_t(popup));
}
