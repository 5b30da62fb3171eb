#include "serverclient/TrayInfo.h"

#include "support/Logging.h"

TrayInfo::TrayInfo(std::string name, std::string mediaName, std::string mediaType, int maxCapacity)
    : mTrayName(std::move(name)),
      mMediaName(std::move(mediaName)),
      mMediaType(std::move(mediaType)),
      mMaxCapacity(maxCapacity) {}

void TrayInfo::SetTrayLevel(int level) {
  if (level > mMaxCapacity) {
    trace_log(0, "TrayInfo::SetTrayLevel currentLevel %d > mMaxCapacity %d, limiting\n", level,
              mMaxCapacity);
    level = mMaxCapacity;
  }
  if (level >= 0) mCurrentLevel = level;
}
