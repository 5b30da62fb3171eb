#include "options/store/JobCommentFile.h"

#include "options/CCorvelOptions.h"
#include "options/store/PStringFields.h"
#include "options/store/TextSafety.h"
#include "platform/DateTime.h"
#include "platform/FileIO.h"
#include "platform/PropertyList.h"
#include "platform/TimeZone.h"
#include "platform/toolkit/StandardAlert.h"
#include "support/Logging.h"
#include "ui/PDEBundle.h"

namespace {

constexpr int32_t kUserDataSection = 30;
constexpr int32_t kPrintTimeSection = 81;
constexpr uint32_t kJobCommentFileMode = 0644;
constexpr int kMaxNameTries = 32;

constexpr struct {
  OSStatus status;
  const char* problem;
} kFileProblems[] = {
    {dupFNErr, "Every name tried for the file was already taken by another file."},
    {dskFulErr, "The disk is full."},
    {wPrErr, "The folder of the file is read-only."},
    {permErr, "Permission to write the file was refused."},
};

void AppendLine(PlistValue::Array& lines, int32_t section, const std::string& line) {
  lines.emplace_back(section);
  lines.emplace_back(PlistValue::Data(line.begin(), line.end()));
}

// The comment as a C string with the characters the print path cannot take replaced.
std::string SafeComment(const unsigned char* comment) {
  return WithoutControlCharacters(WithoutCUPSProblemChars(CStringCopy(comment)));
}

std::string OneLine(const unsigned char* field) {
  return WithoutControlCharacters(CStringCopy(field));
}

// Print stops: the user learns why from a stop alert.
void TellJobCommentsNotWritten(OSStatus status) {
  const std::string message =
      PDEBundle::GetLocalizedCFString("JobCommentsNotWritten")
          .value_or("The job was not printed because its job comments could not be written.");
  WindowRef alert = nullptr;
  if (CreateStandardAlert(kAlertStopAlert, message, JobCommentFileProblem(status), nullptr,
                          &alert) == noErr)
    RunStandardAlert(alert, nullptr);
}

double SecondsFromGMT(double absoluteTime) {
  return CFTimeZoneGetSecondsFromGMT(CFTimeZoneCopyDefault(), absoluteTime);
}

}  // namespace

PlistValue::Array JobCommentLines(const CorvelOptionsData& data) {
  PlistValue::Array lines;
  AppendLine(lines, kUserDataSection, "%%CORVEL: DocOwner " + OneLine(data.owner) + "\n");
  AppendLine(lines, kUserDataSection, "%%CORVEL: Password " + ScrambledCopy(data.password) + "\n");
  AppendLine(lines, kUserDataSection, "%%CORVEL: DocComment " + SafeComment(data.comment) + "\n");
  AppendLine(lines, kUserDataSection, "%%CORVEL: AccountNumber " + OneLine(data.acctNumber) + "\n");
  AppendLine(lines, kUserDataSection,
             "%%CORVEL: SecurePassword " + ScrambledCopy(data.securePrintPassword) + "\n");
  if (data.printTime != 0) {
    AppendLine(lines, kPrintTimeSection,
               "%%KTVPrintTime: " + std::to_string(PrintTimeSince1970GMT(data.printTime)) + "\n");
  }
  return lines;
}

uint32_t PrintTimeSince1970GMT(uint32_t localSecondsSince1904) {
  const double local = double(localSecondsSince1904) - kCFAbsoluteTimeIntervalSince1904;
  // The offset at the local time read as GMT, then at the instant that gives: right across a
  // daylight-saving change too.
  const double offset = SecondsFromGMT(local - SecondsFromGMT(local));
  return static_cast<uint32_t>(int64_t(localSecondsSince1904) - int64_t(kSecondsFrom1904To1970) -
                               int64_t(offset));
}

JobCommentFileWrite WriteJobCommentFile(const std::string& xml) {
  std::string name;
  OSStatus status = dupFNErr;
  for (int attempt = 0; attempt < kMaxNameTries && status == dupFNErr; ++attempt) {
    name = CCorvelOptions::CreateRandomFileName(kJobCommentFileBase, nullptr);
    status = CreateFileExclusively(name, xml, kJobCommentFileMode);
  }
  if (status == noErr) return {noErr, name};
  trace_log(0, "cannot write the job comments to %s (%d): %s\n", name.c_str(), int(status),
            JobCommentFileProblem(status).c_str());
  return {status, {}};
}

std::string JobCommentFileProblem(OSStatus status) {
  for (const auto& row : kFileProblems)
    if (row.status == status) return row.problem;
  return "The file could not be written (error " + std::to_string(status) + ").";
}

void CCorvelOptions::SetInfoPaneOptionsInPPDDict(PMPPDDict*) {
  if (!mPrintSettingsTicketRef) return;
  const std::string xml = PropertyListToXML(PlistValue(JobCommentLines(mCorvelOptionsData)));
  const JobCommentFileWrite written = WriteJobCommentFile(xml);
  mJobCommentStatus = written.status;
  if (written.status != noErr) {
    // A file an earlier commit of this dialog wrote holds choices the user has since changed.
    PMTicketRemoveCFString(mPrintSettingsTicketRef, kJobCommentTicketKey);
    TellJobCommentsNotWritten(written.status);
    return;
  }
  PMTicketSetCFString(mPrintSettingsTicketRef, kJobCommentClient, kJobCommentTicketKey,
                      written.file.string(), false);
}
