#pragma once
// Builds small bundles in a temporary folder for the bundle and resource-map tests.
#include <atomic>
#include <string>

#include "platform/Bundle.h"
#include "platform/PlatformTestSupport.h"

class TestBundle {
 public:
  explicit TestBundle(const std::filesystem::path& parent) {
    static std::atomic<int> counter;
    identifier = "com.example.test" + std::to_string(++counter);
    folder = parent / (identifier + ".plugin");
    PlistValue info;
    info.Set("CFBundleIdentifier", identifier);
    info.Set("CFBundleName", "Test");
    WritePlist(folder / "Contents" / "Info.plist", info);
  }

  std::filesystem::path Resources() const { return folder / "Contents" / "Resources"; }

  // Adds one resource to a resource-map file (created when missing).
  void AddResource(const std::string& file, const std::string& type, const std::string& key,
                   PlistValue value) const {
    std::filesystem::path path = Resources() / file;
    PlistValue root;
    if (std::filesystem::exists(path)) ReadPropertyListFile(path, root);
    PlistValue ofType = root.Find(type) ? *root.Find(type) : PlistValue();
    ofType.Set(key, std::move(value));
    root.Set(type, ofType);
    WritePlist(path, root);
  }

  std::string identifier;
  std::filesystem::path folder;
};
