#include "InstallLayout.h"

std::filesystem::path InstalledLibraryFile(const std::filesystem::path& name, const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path program = error && argv0 ? std::filesystem::path(argv0) : self;
  return program.parent_path() / "../lib/corvel" / name;
}
