#pragma once
// A private cupsd for integration tests: its own configuration, spool and logs in a temporary
// folder, listening on a free loopback port and a socket in that folder, with CUPS_SERVER pointed
// at it for this process and the programs it starts. Queues are added with lpadmin. Everything
// it started is stopped, by process id, when the object goes.
#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "TestSupport/Loopback.h"
#include "TestSupport/Programs.h"
#include "TestSupport/TemporaryFiles.h"

namespace corveltest {

// The CUPS programs, as the build found them (they live in sbin, often off the PATH).
#ifndef CORVEL_CUPSD_PROGRAM
#define CORVEL_CUPSD_PROGRAM "cupsd"
#endif
#ifndef CORVEL_LPADMIN_PROGRAM
#define CORVEL_LPADMIN_PROGRAM "lpadmin"
#endif
// The system's server bin folder (filters, backends, cups-exec) and the project's own filter,
// which the daemon finds beside the system's filters; empty when the test does not need it.
#ifndef CORVEL_CUPS_SERVERBIN
#define CORVEL_CUPS_SERVERBIN "/usr/lib/cups"
#endif
#ifndef CORVEL_JOBCOMMENTS_FILTER
#define CORVEL_JOBCOMMENTS_FILTER ""
#endif
// The configuration files, shared with scripts/lib/private-cupsd.sh.
#define CORVEL_PRIVATE_CUPSD_CONFIG CORVEL_SOURCE_DIR "/scripts/lib/private-cupsd"

class PrivateCupsd {
 public:
  static constexpr const char* kAppendScheme = "corvelappend";

  // `filter`: the job-comment filter the queues run (the build's unless another is given);
  // `extraConfiguration`: lines added at the end of cupsd.conf (a policy of its own, say).
  explicit PrivateCupsd(const std::filesystem::path& filter = CORVEL_JOBCOMMENTS_FILTER,
                        const std::string& extraConfiguration = "")
      : mRoot(mFolder.path()) {
    for (const char* sub :
         {"etc/ppd", "etc/ssl", "spool/tmp", "cache", "state/certs", "log", "run"})
      std::filesystem::create_directories(mRoot / sub);
    mPort = FreeLoopbackPort();
    MakeServerBin(filter);
    WriteConfiguration();
    std::ofstream(mRoot / "etc/cupsd.conf", std::ios::app) << extraConfiguration;
    mServer = "127.0.0.1:" + std::to_string(mPort);
    setenv("CUPS_SERVER", mServer.c_str(), 1);
    // libcups keeps the server it was first asked about, and its connection: forget both, so
    // that this process's requests reach this daemon and not an earlier one.
    cupsSetServer(nullptr);
    Start();
  }
  ~PrivateCupsd() { StopDaemon(); }
  PrivateCupsd(const PrivateCupsd&) = delete;
  PrivateCupsd& operator=(const PrivateCupsd&) = delete;

  // True once the daemon takes connections.
  bool Running() const { return mRunning; }
  // Stops the daemon and starts it again in the same folder on the same port, so its queues and
  // held jobs stay; true once it takes connections again.
  bool Restart() {
    StopDaemon();
    Start();
    return mRunning;
  }
  const std::string& Server() const { return mServer; }
  const std::filesystem::path& Root() const { return mRoot; }

  // Adds an enabled queue appending each job to a file under the root, with the given PPD and, when
  // not empty, the description "printer-info"; true when lpadmin accepted it.
  bool AddQueue(const std::string& name, const std::filesystem::path& ppd,
                const std::string& info = "") {
    std::vector<std::string> argv = {CORVEL_LPADMIN_PROGRAM,
                                     "-p",
                                     name,
                                     "-E",
                                     "-v",
                                     kAppendScheme + std::string(":") + OutputFile(name).string(),
                                     "-P",
                                     ppd.string()};
    if (!info.empty()) argv.insert(argv.end(), {"-D", info});
    return RunProgram(argv) == 0;
  }
  // The state of job `job` on any queue; 0 when the server does not know it.
  static ipp_jstate_t JobState(int job) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = ipp_jstate_t(0);
    for (int i = 0; i < count; ++i)
      if (jobs[i].id == job) state = jobs[i].state;
    cupsFreeJobs(count, jobs);
    return state;
  }
  // The state job `job` ended in (completed, cancelled or aborted), or its state after `seconds`.
  static ipp_jstate_t WaitForJobEnd(int job, int seconds = 30) {
    ipp_jstate_t state = ipp_jstate_t(0);
    WaitUntil([&] { return (state = JobState(job)) >= IPP_JSTATE_CANCELED; }, seconds,
              std::chrono::milliseconds(100));
    return state;
  }
  // True once job `job` (job numbers are the server's, whatever the queue) completed; false when
  // it did not within `seconds`.
  static bool WaitForJob(const std::string& /*queue*/, int job, int seconds = 30) {
    return WaitForJobEnd(job, seconds) == IPP_JSTATE_COMPLETED;
  }
  // What the queue's output file holds (the printed jobs, one after the other).
  std::string QueueOutput(const std::string& queue) const {
    return FileContents(OutputFile(queue));
  }
  // Sets a queue's option (an installable option's default, say); true when lpadmin accepted it.
  bool SetQueueOption(const std::string& queue, const std::string& option,
                      const std::string& value) {
    return RunProgram({CORVEL_LPADMIN_PROGRAM, "-p", queue, "-o", option + "=" + value}) == 0;
  }
  // The names of the daemon's queues, asked on a connection of its own.
  std::vector<std::string> QueueNames() const {
    http_t* http = Connect();
    cups_dest_t* dests = nullptr;
    const int count = http ? cupsGetDests2(http, &dests) : 0;
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(dests[i].name);
    cupsFreeDests(count, dests);
    httpClose(http);
    return names;
  }
  // The default choice of `keyword` in the queue's PPD as the printing system hands it out (an
  // installed option's setting), or a text saying why there is none.
  std::string QueuePPDDefault(const std::string& queue, const std::string& keyword) const {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    http_t* http = Connect();
    const char* fetched = http ? cupsGetPPD2(http, queue.c_str()) : nullptr;
    httpClose(http);
    if (!fetched) return "no PPD: " + std::string(cupsLastErrorString());
    ppd_file_t* ppd = ppdOpenFile(fetched);
    const ppd_option_t* option = ppd ? ppdFindOption(ppd, keyword.c_str()) : nullptr;
    std::string choice = option ? option->defchoice : "no " + keyword;
    ppdClose(ppd);
#pragma GCC diagnostic pop
    unlink(fetched);
    return choice;
  }

 private:
  // A connection of its own: the process's shared one may still point at an earlier daemon.
  http_t* Connect() const {
    return httpConnect2("127.0.0.1", mPort, nullptr, AF_INET, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                        30000, nullptr);
  }

  // The queue's output file; a device URI takes only ASCII, so other bytes of the name become '_'.
  std::filesystem::path OutputFile(std::string queue) const {
    for (char& c : queue)
      if (static_cast<unsigned char>(c) >= 0x80) c = '_';
    return mRoot / "log" / (queue + ".out");
  }

  // B/lib: the system's server bin folder, except that filter/ also holds the project's filter.
  void MakeServerBin(const std::filesystem::path& ownFilter) const {
    namespace fs = std::filesystem;
    const fs::path system = CORVEL_CUPS_SERVERBIN;
    const fs::path lib = mRoot / "lib";
    std::error_code error;
    // Filters run as the daemon's user, who must reach them through the root.
    fs::permissions(mRoot, fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add,
                    error);
    fs::create_directories(lib / "filter", error);
    fs::create_directories(lib / "backend", error);
    for (const fs::directory_entry& entry : fs::directory_iterator(system, error)) {
      const fs::path name = entry.path().filename();
      if (name != "filter" && name != "backend")
        fs::create_directory_symlink(entry.path(), lib / name, error);
    }
    // The project's filter, never one of the same name installed on the machine.
    for (const char* sub : {"filter", "backend"})
      for (const fs::directory_entry& entry : fs::directory_iterator(system / sub, error))
        if (entry.path().filename() != ownFilter.filename())
          fs::create_symlink(entry.path(), lib / sub / entry.path().filename(), error);
    WriteAppendingBackend(lib / "backend" / kAppendScheme);
    if (!ownFilter.empty())
      fs::create_symlink(ownFilter, lib / "filter" / ownFilter.filename(), error);
  }

  // The daemon's own file: device truncates the file for each job; this backend appends, so a
  // queue's file holds every job it printed, in the order it printed them. Mode 0700 makes the
  // daemon run it as its own user, who owns the folder the file is in.
  static void WriteAppendingBackend(const std::filesystem::path& program) {
    std::ofstream(program)
        << "#!/bin/sh\n"
           "[ $# -eq 0 ] && { echo 'file "
        << kAppendScheme
        << " \"Unknown\" \"Append to a file\"'; exit 0; }\n"
           "if [ $# -ge 6 ]; then cat \"$6\"; else cat; fi >> \"${DEVICE_URI#*:}\"\n";
    std::filesystem::permissions(program, std::filesystem::perms(0700));
  }

  // The shared configuration files with this daemon's folder and port, and its server bin folder.
  void WriteConfiguration() const {
    for (const char* name : {"cups-files.conf", "cupsd.conf"}) {
      std::string text = FileContents(std::filesystem::path(CORVEL_PRIVATE_CUPSD_CONFIG) / name);
      ReplaceAll(text, "@ROOT@", mRoot.string());
      ReplaceAll(text, "@PORT@", std::to_string(mPort));
      std::ofstream(mRoot / "etc" / name) << text;
    }
    std::ofstream(mRoot / "etc/cups-files.conf", std::ios::app)
        << "ServerBin " << (mRoot / "lib").string() << "\n";
  }

  static void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  }

  void StopDaemon() {
    StopProgram(mPid);
    mPid = 0;
    mRunning = false;
  }

  void Start() {
    const std::string conf = (mRoot / "etc/cupsd.conf").string();
    const std::string files = (mRoot / "etc/cups-files.conf").string();
    if (mPort == 0) return;
    mPid = SpawnProgram({CORVEL_CUPSD_PROGRAM, "-f", "-c", conf, "-s", files});
    // Ready when a connection succeeds (tens of milliseconds); give up after ten seconds.
    mRunning = mPid != 0 && WaitUntil([this] { return LoopbackConnects(mPort); }, 10);
  }

  TemporaryFolder mFolder;
  std::filesystem::path mRoot;
  int mPort = 0;
  std::string mServer;
  pid_t mPid = 0;
  bool mRunning = false;
};

}  // namespace corveltest
