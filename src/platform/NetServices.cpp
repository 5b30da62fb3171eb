#include "support/COwner.h"
#include "platform/NetServices.h"

#include <arpa/inet.h>
#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/error.h>
#include <avahi-common/simple-watch.h>
#include <netinet/in.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <thread>

#include "support/Logging.h"

namespace {

using Clock = std::chrono::steady_clock;

using PollPtr = COwner<AvahiSimplePoll, avahi_simple_poll_free>;
using ClientPtr = COwner<AvahiClient, avahi_client_free>;
using SearchPtr = COwner<AvahiServiceBrowser, avahi_service_browser_free>;
using ResolverPtr = COwner<AvahiServiceResolver, avahi_service_resolver_free>;

// The longest a turn of the poll waits before the next browser gets its turn.
constexpr int kPollSliceMilliseconds = 10;

}  // namespace

struct NetService {
  std::string name, type, domain;
  AvahiIfIndex interface = AVAHI_IF_UNSPEC;
  AvahiProtocol protocol = AVAHI_PROTO_UNSPEC;
  NetServiceBrowser* browser = nullptr;
  std::vector<std::vector<uint8_t>> addresses;
};

struct NetServiceBrowser {
  struct News {
    uint32_t flags = 0;
    NetService service;
  };
  NetServiceBrowserClientCallBack callback = nullptr;
  NetServiceClientContext context;
  bool invalid = false;
  // Destroyed in reverse: the search, then the client, then the poll they run on.
  PollPtr poll;
  ClientPtr client;
  SearchPtr search;
  std::deque<News> news;
};

namespace {

// The browsers scheduled on this thread; only this thread's turn delivers their news.
std::vector<NetServiceBrowser*>& ScheduledHere() {
  thread_local std::vector<NetServiceBrowser*> scheduled;
  return scheduled;
}

bool IsScheduledHere(NetServiceBrowser* browser) {
  const auto& scheduled = ScheduledHere();
  return std::find(scheduled.begin(), scheduled.end(), browser) != scheduled.end();
}

void OnBrowse(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol,
              AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
              AvahiLookupResultFlags, void* userdata) {
  auto* browser = static_cast<NetServiceBrowser*>(userdata);
  if (event == AVAHI_BROWSER_FAILURE)
    trace_log(0, "service browsing failed: %s\n",
              avahi_strerror(avahi_client_errno(browser->client.get())));
  if (event != AVAHI_BROWSER_NEW && event != AVAHI_BROWSER_REMOVE) return;
  const uint32_t flags = event == AVAHI_BROWSER_REMOVE ? uint32_t(kNetServiceFlagRemove) : 0u;
  browser->news.push_back(
      {flags, NetService{name, type, domain, interface, protocol, browser, {}}});
}

// Delivers the browser's news until none is left or the browser goes away in a callback.
int Deliver(NetServiceBrowser* browser) {
  int delivered = 0;
  while (!browser->invalid && !browser->news.empty()) {
    NetServiceBrowser::News news = std::move(browser->news.front());
    browser->news.pop_front();
    const uint32_t flags =
        news.flags | (browser->news.empty() ? 0u : uint32_t(kNetServiceFlagMoreComing));
    NetServiceError error;
    browser->callback(browser, flags, &news.service, &error, browser->context.info);
    ++delivered;
    if (!IsScheduledHere(browser)) break;
  }
  return delivered;
}

std::string WithoutTrailingDot(std::string name) {
  if (!name.empty() && name.back() == '.') name.pop_back();
  return name;
}

struct Resolution {
  NetService* service = nullptr;
  bool done = false;
  bool found = false;
};

void OnResolve(AvahiServiceResolver*, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
               const char*, const char*, const char*, const char*, const AvahiAddress* address,
               uint16_t port, AvahiStringList*, AvahiLookupResultFlags, void* userdata) {
  auto* resolution = static_cast<Resolution*>(userdata);
  resolution->done = true;
  if (event != AVAHI_RESOLVER_FOUND || !address || address->proto != AVAHI_PROTO_INET) return;
  sockaddr_in socketAddress{};
  socketAddress.sin_family = AF_INET;
  socketAddress.sin_port = htons(port);
  socketAddress.sin_addr.s_addr = address->data.ipv4.address;
  const auto* bytes = reinterpret_cast<const uint8_t*>(&socketAddress);
  resolution->service->addresses.emplace_back(bytes, bytes + sizeof(socketAddress));
  resolution->found = true;
}

void SetError(NetServiceError* error, int code) {
  if (error) *error = {code == 0 ? 0 : 1, code};
}

}  // namespace

NetServiceBrowserRef NetServiceBrowserCreate(NetServiceBrowserClientCallBack callback,
                                             const NetServiceClientContext* context) {
  if (!callback) return nullptr;
  auto* browser = new NetServiceBrowser;
  browser->callback = callback;
  if (context) browser->context = *context;
  return browser;
}

void NetServiceBrowserScheduleWithRunLoop(NetServiceBrowserRef browser) {
  if (browser && !IsScheduledHere(browser)) ScheduledHere().push_back(browser);
}

void NetServiceBrowserUnscheduleFromRunLoop(NetServiceBrowserRef browser) {
  auto& scheduled = ScheduledHere();
  scheduled.erase(std::remove(scheduled.begin(), scheduled.end(), browser), scheduled.end());
}

bool NetServiceBrowserSearchForServices(NetServiceBrowserRef browser, const std::string& domain,
                                        const std::string& type, NetServiceError* error) {
  if (!browser || browser->invalid) return SetError(error, AVAHI_ERR_INVALID_OBJECT), false;
  NetServiceBrowserStopSearch(browser);
  browser->poll.reset(avahi_simple_poll_new());
  if (!browser->poll) return SetError(error, AVAHI_ERR_NO_MEMORY), false;
  int status = 0;
  browser->client.reset(avahi_client_new(avahi_simple_poll_get(browser->poll.get()),
                                         AvahiClientFlags(0), nullptr, nullptr, &status));
  if (!browser->client) return SetError(error, status), false;
  const std::string searched = WithoutTrailingDot(type);
  const std::string inDomain = WithoutTrailingDot(domain);
  browser->search.reset(avahi_service_browser_new(
      browser->client.get(), AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, searched.c_str(),
      inDomain.empty() ? nullptr : inDomain.c_str(), AvahiLookupFlags(0), OnBrowse, browser));
  if (!browser->search) return SetError(error, avahi_client_errno(browser->client.get())), false;
  SetError(error, 0);
  return true;
}

void NetServiceBrowserStopSearch(NetServiceBrowserRef browser) {
  if (!browser) return;
  browser->search.reset();
  browser->client.reset();
  browser->poll.reset();
  browser->news.clear();
}

void NetServiceBrowserInvalidate(NetServiceBrowserRef browser) {
  if (!browser) return;
  NetServiceBrowserStopSearch(browser);
  browser->invalid = true;
}

void NetServiceBrowserRelease(NetServiceBrowserRef browser) {
  if (!browser) return;
  NetServiceBrowserUnscheduleFromRunLoop(browser);
  NetServiceBrowserInvalidate(browser);
  delete browser;
}

int RunNetServicesPending(int timeoutMilliseconds) {
  const Clock::time_point deadline =
      Clock::now() + std::chrono::milliseconds(std::max(timeoutMilliseconds, 0));
  int delivered = 0;
  for (;;) {
    bool waited = false;
    const std::vector<NetServiceBrowser*> browsers = ScheduledHere();
    for (NetServiceBrowser* browser : browsers) {
      if (!IsScheduledHere(browser)) continue;
      if (browser->poll) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        avahi_simple_poll_iterate(
            browser->poll.get(), int(std::clamp<int64_t>(left.count(), 0, kPollSliceMilliseconds)));
        waited = true;
      }
      if (IsScheduledHere(browser)) delivered += Deliver(browser);
    }
    if (delivered > 0 || Clock::now() >= deadline) return delivered;
    // Nothing to poll: the turn still lasts its time, without spinning.
    if (!waited)
      std::this_thread::sleep_until(
          std::min(deadline, Clock::now() + std::chrono::milliseconds(kPollSliceMilliseconds)));
  }
}

std::optional<std::string> NetServiceGetName(NetServiceRef service) {
  if (!service) return std::nullopt;
  return service->name;
}

std::optional<std::string> NetServiceGetDomain(NetServiceRef service) {
  if (!service) return std::nullopt;
  return service->domain;
}

bool NetServiceResolveWithTimeout(NetServiceRef service, double timeoutSeconds,
                                  NetServiceError* error) {
  NetServiceBrowser* browser = service ? service->browser : nullptr;
  if (!browser || !browser->client) return SetError(error, AVAHI_ERR_INVALID_OBJECT), false;
  Resolution resolution{service};
  const ResolverPtr resolver(avahi_service_resolver_new(
      browser->client.get(), service->interface, service->protocol, service->name.c_str(),
      service->type.c_str(), service->domain.c_str(), AVAHI_PROTO_INET, AvahiLookupFlags(0),
      OnResolve, &resolution));
  if (!resolver) return SetError(error, avahi_client_errno(browser->client.get())), false;
  const Clock::time_point deadline =
      Clock::now() + std::chrono::milliseconds(int64_t(std::max(timeoutSeconds, 0.0) * 1000));
  while (!resolution.done && Clock::now() < deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (avahi_simple_poll_iterate(browser->poll.get(), int(std::max<int64_t>(left.count(), 1))) !=
        0)
      break;
  }
  SetError(error, resolution.found ? 0 : resolution.done ? AVAHI_ERR_FAILURE : AVAHI_ERR_TIMEOUT);
  return resolution.found;
}

const std::vector<std::vector<uint8_t>>* NetServiceGetAddressing(NetServiceRef service) {
  return service ? &service->addresses : nullptr;
}
