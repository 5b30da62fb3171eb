#pragma once
// A controller as the frame leaves it after start-up, without panes: the bundled PPD opened by
// CUPS, a print-settings ticket, the record filled with its defaults, and a temporary HOME for the
// preferences and the printer list.
#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "TestSupport/TemporaryFiles.h"
#include "options/CCorvelOptions.h"
#include "options/store/PStringFields.h"
#include "platform/PlatformTestSupport.h"
#include "printsys/PMTicket.h"

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest() { Make(false); }
  ~ControllerTest() {
    mController.reset();
    std::string commentFile;  // the last job-comment file a commit wrote
    if (PMTicketGetCFString(mTicket, "KTV.PSData.Corvel", &commentFile) == noErr)
      std::filesystem::remove(commentFile);
    PMTicketRelease(mTicket);
  }

  // A new controller (the last one goes first) with the PPD, the ticket and the defaults.
  void Make(bool secureAccessOn) {
    mController.reset();
    mController.reset(CCorvelOptions::CreateInstance(nullptr, secureAccessOn));
    mController->mCupsPPD.reset(ppdOpenFile(CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
    if (!mTicket) PMTicketCreate(&mTicket);
    mController->SetPrintSettingsTicket(mTicket);
    mController->SetCorvelOptionsInUI(All_CorvelOptions, DefaultOptions);
  }

  CorvelOptionsData& Data() { return mController->mCorvelOptionsData; }

  // The ticket entries of the panes' current record, without the job-comment file.
  PMPPDDict TicketOf(CorvelOptions panes = All_CorvelOptions) {
    PMPPDDict dict;
    for (auto pane : {File_CorvelOptions, Extras_CorvelOptions, Page_CorvelOptions,
                      Output_CorvelOptions, Quality_CorvelOptions})
      if (panes == All_CorvelOptions || panes == pane) mController->SetCorvelPPDDict(pane, &dict);
    return dict;
  }

  TemporaryHome mHome;
  PMTicketRef mTicket = nullptr;
  std::unique_ptr<CCorvelOptions> mController;
};
