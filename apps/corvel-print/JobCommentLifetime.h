#pragma once
// How long a job-comment file lives. The file holds the user's owner, account and scrambled
// passwords, readable by the print path's filter (another user) and so by every local user; it
// is needed only until the filter has read it. Once CUPS reports the file's job past processing
// (completed, cancelled or aborted) the file goes: corvel-print waits a little for that after
// sending a job, and each run also removes the user's earlier comment files that no unfinished
// job of the user names any more. A file of a job that is still waiting (a stopped queue, a held
// job) stays until the job is done, so no job loses its comments.
#include <chrono>
#include <filesystem>

#include "printsys/PMTicket.h"

// How long corvel-print waits after sending a job for the job to be past processing.
inline constexpr std::chrono::milliseconds kCommentFileWait{2000};
// An own comment file younger than this may belong to a job another run is about to send.
inline constexpr std::chrono::seconds kStaleCommentFileAge{60};

// Removes `file` when it is a regular file (not a link) of the process's user; true when it did.
bool RemoveOwnCommentFile(const std::filesystem::path& file);

// Waits up to `wait` until CUPS reports job `job` past processing, then removes `file`; true
// when it was removed. The file stays when the job is still pending or processing, or when CUPS
// cannot be asked. A held job, or one in a stopped queue, is not waited for: it stays as it is
// until somebody releases it or starts the queue.
bool RemoveCommentFileOnceJobEnds(int job, const std::filesystem::path& file,
                                  std::chrono::milliseconds wait);

// Removes the user's own comment files beside `file` (the same folder and name but for the
// trailing number, `file` included) that are older than kStaleCommentFileAge and that no
// unfinished job of the user names. The number removed; none when CUPS cannot be asked.
int RemoveStaleCommentFiles(const std::filesystem::path& file);

// After Print: the comment file the ticket names goes at once when `job` is 0 (nothing was
// sent), else once the job is past processing (waiting up to kCommentFileWait); then the user's
// stale comment files go.
void RetireJobCommentFile(PMTicketRef ticket, int job);
