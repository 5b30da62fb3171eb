// The Secure Access check the Print button makes, against corvel-sim on loopback: the settings
// request and the validation of the user's credentials, each over its own connection, as the
// client does them. Needs CORVEL_SECURE_ACCESS_PORT naming the port of a corvel-sim that knows
// user jdoe with password pw and account 1001; scripts/bench starts one.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "Repetitions.h"
#include "TestSupport/SecureAccessRecordHost.h"
#include "comm/CSecureAccessClient.h"

namespace {

void BM_SecureAccessValidation(benchmark::State& state) {
  if (std::getenv("CORVEL_SECURE_ACCESS_PORT") == nullptr) {
    state.SkipWithError("CORVEL_SECURE_ACCESS_PORT is not set: no corvel-sim to ask");
    return;
  }
  corveltest::RecordHost host;
  for (auto _ : state) {
    CSecureAccessClient client(&host);
    char flags[CSecureAccessClient::kFlagsLength + 1] = {};
    bool commError = false;
    if (!client.GetSecureAccessSettings() ||
        !client.DoValidateSecureAccessInfo(flags, &commError)) {
      state.SkipWithError("corvel-sim refused or did not answer the validation");
      break;
    }
  }
}

BENCHMARK(BM_SecureAccessValidation)->Apply(TenRepetitionsInMicroseconds);

}  // namespace

BENCHMARK_MAIN();
