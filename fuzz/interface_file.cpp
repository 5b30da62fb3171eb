// Fuzz target: the interface-file loader on arbitrary file contents. Every window and menu the
// file names is made, every window's control tree is walked and drawn, and all is disposed of.
#include <pugixml.hpp>

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "TempInputFile.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "platform/toolkit/ToolkitReset.h"

namespace {

// The names the file gives its windows and menus, read independently of the loader so that
// names it rejects are asked for too.
std::vector<std::string> NamesOf(const uint8_t* data, size_t size, const char* element) {
  pugi::xml_document document;
  std::vector<std::string> names;
  if (!document.load_buffer(data, size)) return names;
  for (const pugi::xml_node node : document.child("interface").children(element))
    names.emplace_back(node.attribute("name").value());
  return names;
}

// Walks the tree under `control` and returns how many controls it holds.
size_t WalkControls(ControlRef control) {
  uint16_t count = 0;
  FUZZ_CHECK(CountSubControls(control, &count) == noErr);
  size_t seen = 1;
  for (uint16_t index = 1; index <= count; ++index) {
    ControlRef child = nullptr;
    FUZZ_CHECK(GetIndexedSubControl(control, index, &child) == noErr && child != nullptr);
    ControlRef parent = nullptr;
    FUZZ_CHECK(GetSuperControl(child, &parent) == noErr && parent == control);
    if (MenuRef menu = GetControlPopupMenuHandle(child)) CountMenuItems(menu);
    seen += WalkControls(child);
  }
  return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TempInputFile file(".xml");
  if (!file.Write(data, size)) return 0;
  IBNibRef nibRef = nullptr;
  if (CreateNibReferenceFromFile(file.Path(), &nibRef) != noErr) return 0;
  const NibOwner nib(nibRef);
  for (const std::string& name : NamesOf(data, size, "window")) {
    WindowRef made = nullptr;
    if (CreateWindowFromNib(nib.get(), name, &made) != noErr) continue;
    const WindowOwner window(made);
    ControlRef root = nullptr;
    FUZZ_CHECK(GetRootControl(window.get(), &root) == noErr);
    FUZZ_CHECK(WalkControls(root) >= 1);
    DrawControls(window.get());
  }
  for (const std::string& name : NamesOf(data, size, "menu")) {
    MenuRef made = nullptr;
    if (CreateMenuFromNib(nib.get(), name, &made) != noErr) continue;
    const MenuOwner menu(made);
    CountMenuItems(menu.get());
  }
  ResetToolkitState();
  return 0;
}
