#pragma once
// Network service browsing over DNS-SD (Avahi). A browser searches one service type in one
// domain and reports each service found or gone to its callback. The callbacks never run on a
// thread of their own: a scheduled browser's news waits until the thread that scheduled it calls
// RunNetServicesPending, the run loop's turn (the on-screen view calls it from its own event
// loop; headless hosts and tests call it themselves). Resolving a service is bounded in time.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/COwner.h"
#include "platform/Status.h"

enum NetServiceFlags : uint32_t {
  kNetServiceFlagMoreComing = 1,
  kNetServiceFlagIsDomain = 2,
  kNetServiceFlagIsDefault = 4,
  kNetServiceFlagRemove = 8,
};

// An error of the service layer: 0 when none, else the Avahi error number (negative).
struct NetServiceError {
  int32_t domain = 0;
  int32_t error = 0;
};

struct NetService;
using NetServiceRef = NetService*;
struct NetServiceBrowser;
using NetServiceBrowserRef = NetServiceBrowser*;

// The client context: `info` is handed to every callback.
struct NetServiceClientContext {
  int32_t version = 0;
  void* info = nullptr;
};

// `domainOrService` is the NetServiceRef found or removed; it lives until the callback returns.
using NetServiceBrowserClientCallBack = void (*)(NetServiceBrowserRef browser, uint32_t flags,
                                                 void* domainOrService, NetServiceError* error,
                                                 void* info);

// A new browser, or null when the callback is null. It connects to the service daemon only
// when it starts searching.
NetServiceBrowserRef NetServiceBrowserCreate(NetServiceBrowserClientCallBack callback,
                                             const NetServiceClientContext* context);
// Delivers the browser's news through RunNetServicesPending on the calling thread, or no more.
void NetServiceBrowserScheduleWithRunLoop(NetServiceBrowserRef browser);
void NetServiceBrowserUnscheduleFromRunLoop(NetServiceBrowserRef browser);
// Starts searching `type` ("_name._tcp.") in `domain` (empty: the default domain). False, with
// the reason in `error`, when the daemon cannot be reached or the search cannot start.
bool NetServiceBrowserSearchForServices(NetServiceBrowserRef browser, const std::string& domain,
                                        const std::string& type, NetServiceError* error);
void NetServiceBrowserStopSearch(NetServiceBrowserRef browser);
// Stops for good: no callback is delivered afterwards.
void NetServiceBrowserInvalidate(NetServiceBrowserRef browser);
// Stops, unschedules and frees the browser.
void NetServiceBrowserRelease(NetServiceBrowserRef browser);

using NetServiceBrowserOwner = COwner<NetServiceBrowser, NetServiceBrowserRelease>;

// Runs the calling thread's turn: waits at most `timeoutMilliseconds` for news of the browsers
// scheduled on it and delivers what has arrived. Answers the number of callbacks made.
int RunNetServicesPending(int timeoutMilliseconds);

// The service's name, type and domain as UTF-8.
std::optional<std::string> NetServiceGetName(NetServiceRef service);
std::optional<std::string> NetServiceGetDomain(NetServiceRef service);
// Resolves the service's addresses, waiting at most `timeoutSeconds`; false on failure or time-out.
bool NetServiceResolveWithTimeout(NetServiceRef service, double timeoutSeconds,
                                  NetServiceError* error);
// The resolved addresses as socket address bytes: 16 bytes (sockaddr_in) for an IPv4 address.
const std::vector<std::vector<uint8_t>>* NetServiceGetAddressing(NetServiceRef service);
