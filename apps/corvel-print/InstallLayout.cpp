#include "InstallLayout.h"

std::filesystem::path InstalledOrBuilt(const std::filesystem::path& name,
                                       const std::filesystem::path& built,
                                       const std::filesystem::path& probe, const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path program = error && argv0 ? std::filesystem::path(argv0) : self;
  const std::filesystem::path installed = program.parent_path() / "../lib/corvel" / name;
  return std::filesystem::exists(probe.empty() ? installed : installed / probe, error) ? installed
                                                                                       : built;
}
