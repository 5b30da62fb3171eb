#pragma once
// The job comments: the Info pane's user data and the scheduled print time as PostScript comment
// lines, in a property-list file that the print path finds through a ticket entry. The file's
// root array alternates a section code (30 for the user data, 81 for the print time) and the
// bytes of one line.
#include <cstdint>
#include <filesystem>
#include <string>

#include "options/CorvelOptionsData.h"
#include "platform/PlistValue.h"
#include "platform/Status.h"

inline constexpr const char* kJobCommentFileBase = "/tmp/Zanth.temp";
inline constexpr const char* kJobCommentClient = "com.corvel.printingmanager";
inline constexpr const char* kJobCommentTicketKey = "KTV.PSData.Corvel";

// The comment lines of the record with their section codes: owner, password (scrambled),
// comment (problem characters replaced), account number, secure-print password (scrambled) and,
// when one is set, the print time. Control characters of the fields are left out, so each line
// stays one line.
PlistValue::Array JobCommentLines(const CorvelOptionsData& data);

// A local time in seconds since 1904 as seconds since 1970 GMT.
uint32_t PrintTimeSince1970GMT(uint32_t localSecondsSince1904);

struct JobCommentFileWrite {
  OSStatus status = noErr;
  std::filesystem::path file;  // the file written; empty when none was
};

// Writes `xml` to a new file named by the base and a random number, mode rw-r--r--. A name
// already taken (by a file or a link) is never touched: another random name is tried, a bounded
// number of times, then dupFNErr. A failed write leaves no file behind and is logged.
JobCommentFileWrite WriteJobCommentFile(const std::string& xml);

// Why a job-comment file could not be written, for the user.
std::string JobCommentFileProblem(OSStatus status);
