#pragma once
// The fixture of the corvel-print tests: one private cupsd per suite with the bundled queues,
// a home and a sample document of the test's own, corvel-print run as a user runs it, and a job
// it reported followed into the queue's output file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "TestSupport/PrivateCupsd.h"
#include "TestSupport/Programs.h"
#include "TestSupport/ScopedEnvironment.h"

namespace printtest {

inline const char* const kDocument =
    "%!PS-Adobe-3.0\n%%Title: sample\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
    "/Helvetica findfont 20 scalefont setfont 72 720 moveto (Corvel) show showpage\n%%EOF\n";

// corvel-sim's configuration for the Secure Access queues: jdoe / pw is the one user it accepts.
inline const char* const kSecureAccessConfig =
    "secure-access on\nrequire-user-id on\nrequire-password on\n"
    "message Unknown user or wrong password.\nuser jdoe pw -\n";

// jdoe's answers to the dialogs of a Secure Access queue: the server's address (asked on the first
// print), `password` in the Secure Access dialog (it opens because the server requires one), OK on
// the validation message.
inline std::vector<std::string> SecureAccessAnswers(const std::string& password) {
  return {"--type",   "info/10=jdoe",
          "--answer", "Two Way Communcations=ok:paed/0=127.0.0.1",
          "--answer", "SecureAccessWindow=saOK:SecA/11=" + password,
          "--answer", "SAValidationMsgDlg=vaOK"};
}

class PrintFixture : public ::testing::Test {
 protected:
  // Corvel (a finisher installed) and CorvelSA; Annex, listed before Corvel with the same
  // description; Holding and HoldingSA hold new jobs, as queues set up for printing from
  // applications do.
  static void SetUpTestSuite() {
    sCupsd = new corveltest::PrivateCupsd;
    ASSERT_TRUE(sCupsd->Running()) << "see " << sCupsd->Root() / "log/error_log";
    const std::string ix = CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd";
    const std::string sa = CORVEL_SOURCE_DIR "/ppd/crvmtqsa.ppd";
    ASSERT_TRUE(sCupsd->AddQueue("Corvel", ix, "Corvel MTQ-ix"));
    ASSERT_TRUE(sCupsd->AddQueue("CorvelSA", sa, "Corvel MTQ-ix SA"));
    ASSERT_TRUE(sCupsd->AddQueue("Annex", ix, "Corvel MTQ-ix"));
    ASSERT_TRUE(sCupsd->AddQueue("Holding", ix) && sCupsd->AddQueue("HoldingSA", sa));
    for (const char* queue : {"Corvel", "Holding"})
      ASSERT_TRUE(sCupsd->SetQueueOption(queue, "KTFinisher", "Finisher6"));
    for (const char* queue : {"Holding", "HoldingSA"})
      ASSERT_TRUE(sCupsd->SetQueueOption(queue, "job-hold-until-default", "indefinite"));
  }
  static void TearDownTestSuite() { delete sCupsd; }

  void SetUp() override { std::ofstream(Document()) << kDocument; }

  std::filesystem::path Document() const { return mDocuments.path() / "sample.ps"; }
  // The sample as PDF, made with Ghostscript; an empty path when it could not be made.
  std::filesystem::path PDFDocument() const {
    const std::filesystem::path pdf = mDocuments.path() / "sample.pdf";
    const int made = corveltest::RunProgram({GHOSTSCRIPT_PROGRAM, "-q", "-dBATCH", "-dNOPAUSE",
                                             "-sDEVICE=pdfwrite", "-sOutputFile=" + pdf.string(),
                                             Document().string()});
    return made == 0 ? pdf : std::filesystem::path();
  }

  // Runs corvel-print with these arguments and the test's HOME, and these variables set.
  static corveltest::ProgramRun Print(std::vector<std::string> arguments,
                                      const std::vector<std::string>& environment = {}) {
    arguments.insert(arguments.begin(), CORVEL_PRINT_PROGRAM);
    if (!environment.empty()) {
      arguments.insert(arguments.begin(), environment.begin(), environment.end());
      arguments.insert(arguments.begin(), "env");
    }
    return corveltest::RunCapturing(arguments);
  }

  // The job id corvel-print reported, after the job completed; 0 when there was none.
  static int CompletedJob(const corveltest::ProgramRun& run) {
    std::smatch match;
    if (!std::regex_search(run.output, match, std::regex("job (\\d+) sent to (\\S+)"))) return 0;
    const int job = std::stoi(match[1]);
    return corveltest::PrivateCupsd::WaitForJob(match[2], job) ? job : 0;
  }

  // The part of the queue's file that the latest job wrote.
  static std::string LatestJob(const std::string& queue) {
    const std::string all = sCupsd->QueueOutput(queue);
    const size_t start = all.rfind("%!PS-Adobe");
    return start == std::string::npos ? all : all.substr(start);
  }

  static inline corveltest::PrivateCupsd* sCupsd = nullptr;
  TemporaryHome mHome;
  TemporaryFolder mDocuments;
};

}  // namespace printtest
