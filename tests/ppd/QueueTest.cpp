// The bundled printer descriptions installed as queues of a real (private) cupsd: the printing
// system finds the queue by its description and hands back the PPD with the queue's settings.
#include <gtest/gtest.h>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <string>

#include "TestSupport/PrivateCupsd.h"
#include "ppd/BundledFiles.h"

namespace {

TEST(BundledPPDQueues, AreFoundByTheirDescriptionAndCarryInstalledOptions) {
  corveltest::PrivateCupsd cupsd;
  ASSERT_TRUE(cupsd.Running()) << "cupsd did not start; see " << cupsd.Root() / "log/error_log";
  for (const ppdtest::BundledPPD& bundled : ppdtest::kBundledPPDs) {
    const std::string queue = bundled.secureAccess ? "CorvelSA" : "Corvel";
    const std::string info = bundled.secureAccess ? "Corvel MTQ-ix SA" : "Corvel MTQ-ix";
    ASSERT_TRUE(cupsd.AddQueue(queue, std::string(CORVEL_SOURCE_DIR "/ppd/") + bundled.file, info))
        << bundled.file;
    ASSERT_TRUE(cupsd.SetQueueOption(queue, "KTFinisher", "Finisher6"));

    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests(&dests);
    const cups_dest_t* dest = cupsGetDest(queue.c_str(), nullptr, count, dests);
    ASSERT_NE(dest, nullptr) << queue;
    const char* described = cupsGetOption("printer-info", dest->num_options, dest->options);
    EXPECT_STREQ(described, info.c_str());
    cupsFreeDests(count, dests);

    const char* fetched = cupsGetPPD(queue.c_str());
    ASSERT_NE(fetched, nullptr) << cupsLastErrorString();
    ppd_file_t* ppd = ppdOpenFile(fetched);
    ASSERT_NE(ppd, nullptr);
    EXPECT_STREQ(ppd->pcfilename, bundled.pcFileName);
    const ppd_option_t* finisher = ppdFindOption(ppd, "KTFinisher");
    ASSERT_NE(finisher, nullptr);
    EXPECT_STREQ(finisher->defchoice, "Finisher6");
    ppdClose(ppd);
    unlink(fetched);
  }
}

}  // namespace
