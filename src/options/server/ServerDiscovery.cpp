// The print servers that announce themselves on the local network, listed in the Accessories
// pane: each IPv4 address of each service found is a row with the service's name and the
// address; selecting a row makes its address the printer's server address.
#include <netinet/in.h>

#include <cstdio>
#include <string>

#include "options/CCorvelOptions.h"
#include "options/panes/PaneControlIDs.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/DataBrowser.h"
#include "support/DebugLogFile.h"

namespace {

constexpr const char* kServiceType = "_corvel_remote_ui._tcp.";
constexpr const char* kDefaultDomain = "";
constexpr DataBrowserPropertyID kNameColumn = FourCC("bNam");
constexpr DataBrowserPropertyID kAddressColumn = FourCC("ipAd");
constexpr size_t kRowCapacity = 10;
constexpr size_t kMaxNameBytes = 4095;
constexpr size_t kIPv4AddressLength = 16;  // a sockaddr_in
// The resolution blocks the dialog; it never does for longer than this.
constexpr double kResolveTimeoutSeconds = 3.0;

struct FlagName {
  uint32_t flag;
  const char* name;
};
constexpr FlagName kFlagNames[] = {
    {kNetServiceFlagMoreComing, "kCFNetServiceFlagMoreComing, "},
    {kNetServiceFlagIsDomain, "kCFNetServiceFlagIsDomain, "},
    {kNetServiceFlagIsDefault, "kCFNetServiceFlagIsDefault/RegistrationDomain, "},
    {kNetServiceFlagRemove, "kCFNetServiceFlagRemove, "},
};

void TraceFlags(uint32_t flags) {
  const char* names[4];
  for (size_t i = 0; i < 4; ++i) names[i] = flags & kFlagNames[i].flag ? kFlagNames[i].name : " ";
  gDebugLog.dprintf("flags=%x. %s%s%s%s\n", flags, names[0], names[1], names[2], names[3]);
}

CCorvelOptions* ControllerOfList(ControlRef list) {
  return static_cast<CCorvelOptions*>(GetControlReference(list));
}

// "a.b.c.d" of a socket address's IPv4 bytes.
std::string DottedAddress(const std::vector<uint8_t>& socketAddress) {
  const auto* address = reinterpret_cast<const sockaddr_in*>(socketAddress.data());
  const auto* bytes = reinterpret_cast<const uint8_t*>(&address->sin_addr.s_addr);
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
  return text;
}

// Adds the row for the last entry of the two arrays to the list's two columns.
void AddRow(CorvelOptionsData& d) {
  const DataBrowserItemID row = DataBrowserItemID(d.mBonjourIPStrings.size());
  AddDataBrowserItems(d.mBonjourList, 1, &row);
}

}  // namespace

void CCorvelOptions::StartServerDiscovery() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.mBonjourClientContext.info = this;
  d.mBonjourList = GetCorvelControl(kAccessoriesSignature, kServerListNumber);
  d.mBonjourIPStrings.reserve(kRowCapacity);
  d.mBonjourNameStrings.reserve(kRowCapacity);
  if (d.mBonjourList) {
    SetControlReference(d.mBonjourList, this);
    const DataBrowserCallbacks callbacks{DataBrowserItemDataGet, DataBrowserItemChanged};
    SetDataBrowserCallbacks(d.mBonjourList, &callbacks);
  }
  d.mBonjourBrowser.reset(NetServiceBrowserCreate(NetServicesCallback, &d.mBonjourClientContext));
  NetServiceBrowserScheduleWithRunLoop(d.mBonjourBrowser.get());
  NetServiceError error;
  if (!NetServiceBrowserSearchForServices(d.mBonjourBrowser.get(), kDefaultDomain, kServiceType,
                                          &error))
    gDebugLog.dprintf("server discovery not started: %d\n", error.error);
}

void CCorvelOptions::StopServerDiscovery() {
  NetServiceBrowserRef browser = mCorvelOptionsData.mBonjourBrowser.get();
  NetServiceBrowserStopSearch(browser);
  NetServiceBrowserUnscheduleFromRunLoop(browser);
  NetServiceBrowserInvalidate(browser);
  mCorvelOptionsData.mBonjourBrowser.reset();
  if (mCorvelOptionsData.mBonjourList)
    SetControlReference(mCorvelOptionsData.mBonjourList, nullptr);
}

void CCorvelOptions::NetServicesCallback(NetServiceBrowserRef, uint32_t flags,
                                         void* domainOrService, NetServiceError*, void* info) {
  gDebugLog.dprintf("NetServicesCallback entry\n");
  TraceFlags(flags);
  auto* controller = static_cast<CCorvelOptions*>(info);
  if (flags & kNetServiceFlagIsDomain) {
    gDebugLog.dprintf("domainOrService was NOT default domain!. Exit\n");
  } else if (!(flags & kNetServiceFlagRemove) && controller) {
    controller->AddFoundService(static_cast<NetServiceRef>(domainOrService));
  }
  gDebugLog.dprintf("NetServicesCallback exit\n");
}

void CCorvelOptions::AddFoundService(NetServiceRef service) {
  const std::optional<std::string> name = NetServiceGetName(service);
  const std::optional<std::string> domain = NetServiceGetDomain(service);
  if (!name || !domain || name->size() > kMaxNameBytes || domain->size() > kMaxNameBytes) {
    gDebugLog.dprintf("Found service with unprintable characters in name\n");
    return;
  }
  gDebugLog.dprintf("Found service at host: %s.%s\n", name->c_str(), domain->c_str());
  if (!NetServiceResolveWithTimeout(service, kResolveTimeoutSeconds, nullptr)) return;
  CorvelOptionsData& d = mCorvelOptionsData;
  for (const std::vector<uint8_t>& address : *NetServiceGetAddressing(service)) {
    if (address.size() != kIPv4AddressLength) continue;
    d.mBonjourIPStrings.push_back(DottedAddress(address));
    d.mBonjourNameStrings.push_back(*name);
    AddRow(d);
  }
}

OSStatus CCorvelOptions::DataBrowserItemDataGet(ControlRef list, DataBrowserItemID item,
                                                DataBrowserPropertyID property,
                                                DataBrowserItemDataRef itemData, bool) {
  CCorvelOptions* controller = ControllerOfList(list);
  if (!controller || item == 0) return noErr;
  const CorvelOptionsData& d = controller->mCorvelOptionsData;
  const std::vector<std::string>* column = property == kNameColumn      ? &d.mBonjourNameStrings
                                           : property == kAddressColumn ? &d.mBonjourIPStrings
                                                                        : nullptr;
  if (column && item <= column->size()) SetDataBrowserItemDataText(itemData, (*column)[item - 1]);
  return noErr;
}

void CCorvelOptions::DataBrowserItemChanged(ControlRef list, DataBrowserItemID item,
                                            DataBrowserItemNotification message) {
  CCorvelOptions* controller = ControllerOfList(list);
  if (message != kDataBrowserItemSelected || !controller || item == 0) return;
  const std::vector<std::string>& addresses = controller->mCorvelOptionsData.mBonjourIPStrings;
  if (item > addresses.size()) return;
  controller->SetCorvelTextEditField(kAccessoriesSignature, kServerAddressNumber,
                                     addresses[item - 1], false);
  controller->GrabIPAddressFromEntryField();
  controller->SetUIConstraints(Accessories_CorvelOptions);
}
