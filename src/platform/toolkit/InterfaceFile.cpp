// Reading interface files and building windows and menus from them.
#include "platform/toolkit/InterfaceFile.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>

#include "platform/FourCC.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ToolkitState.h"
#include "platform/toolkit/Windows.h"

struct ToolkitNib {
  pugi::xml_document document;
  std::filesystem::path folder;  // images are found relative to the file
};

namespace {

constexpr OSStatus kMalformed = kIBCarbonRuntimeObjectNotOfRequestedType;

const std::map<std::string, ControlKind>& KindNames() {
  static const std::map<std::string, ControlKind> names = {
      {"push-button", ControlKind::PushButton},
      {"bevel-button", ControlKind::BevelButton},
      {"check-box", ControlKind::CheckBox},
      {"radio-button", ControlKind::RadioButton},
      {"popup-button", ControlKind::PopupButton},
      {"edit-text", ControlKind::EditText},
      {"password-text", ControlKind::PasswordText},
      {"static-text", ControlKind::StaticText},
      {"user-pane", ControlKind::UserPane},
      {"image-view", ControlKind::ImageView},
      {"tab-control", ControlKind::TabControl},
      {"data-browser", ControlKind::DataBrowser},
      {"clock", ControlKind::Clock}};
  return names;
}

}  // namespace

const char* ControlKindName(ControlKind kind) {
  for (const auto& [name, named] : KindNames())
    if (named == kind) return name.c_str();
  return "root";
}

namespace {

const std::map<std::string, WindowClass>& ClassNames() {
  static const std::map<std::string, WindowClass> names = {
      {"document", kDocumentWindowClass},          {"modal", kModalWindowClass},
      {"movable-modal", kMovableModalWindowClass}, {"alert", kAlertWindowClass},
      {"movable-alert", kMovableAlertWindowClass}, {"sheet", kSheetWindowClass},
      {"sheet-alert", kSheetAlertWindowClass},     {"plain", kPlainWindowClass}};
  return names;
}

// Attribute readers: false when the attribute is present but not well formed.
bool ReadInt(const pugi::xml_node& node, const char* name, int32_t& out) {
  const pugi::xml_attribute a = node.attribute(name);
  if (!a) return true;
  const std::string text = a.value();
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

bool ReadBool(const pugi::xml_node& node, const char* name, bool& out) {
  const pugi::xml_attribute a = node.attribute(name);
  if (!a) return true;
  const std::string text = a.value();
  if (text == "true" || text == "1")
    out = true;
  else if (text == "false" || text == "0")
    out = false;
  else
    return false;
  return true;
}

bool ReadFourCC(const pugi::xml_node& node, const char* name, uint32_t& out) {
  const pugi::xml_attribute a = node.attribute(name);
  if (!a) return true;
  const std::optional<OSType> code = FourCCFromText(a.value());
  if (code) out = *code;
  return code.has_value();
}

// "left top width height", relative to the origin given; all four within 16-bit coordinates.
bool ReadFrame(const pugi::xml_node& node, int origin_left, int origin_top, Rect& out) {
  const pugi::xml_attribute a = node.attribute("frame");
  if (!a) return true;
  int v[4];
  if (std::sscanf(a.value(), "%d %d %d %d", &v[0], &v[1], &v[2], &v[3]) != 4) return false;
  const int left = origin_left + v[0], top = origin_top + v[1];
  const int right = left + v[2], bottom = top + v[3];
  for (int x : {left, top, right, bottom})
    if (x < INT16_MIN || x > INT16_MAX) return false;
  if (v[2] < 0 || v[3] < 0) return false;
  out = {int16_t(top), int16_t(left), int16_t(bottom), int16_t(right)};
  return true;
}

bool ReadDate(const pugi::xml_node& node, LongDateRec& out) {
  const pugi::xml_attribute a = node.attribute("date");
  if (!a) return true;
  int y, mo, d, h, mi;
  if (std::sscanf(a.value(), "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi) != 5) return false;
  if (mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59) return false;
  if (y < 1904 || y > 9999) return false;
  out = {int16_t(y), int16_t(mo), int16_t(d), int16_t(h), int16_t(mi), 0};
  return true;
}

bool ReadMenuItems(const pugi::xml_node& menuNode, std::vector<MenuItemRecord>& items) {
  for (const pugi::xml_node& itemNode : menuNode.children("item")) {
    MenuItemRecord item{itemNode.attribute("text").value(), true, false, 0};
    if (!ReadBool(itemNode, "enabled", item.enabled) ||
        !ReadBool(itemNode, "checked", item.checked) ||
        !ReadFourCC(itemNode, "command", item.command))
      return false;
    items.push_back(item);
  }
  return true;
}

pugi::xml_node FindNamed(const ToolkitNib& nib, const char* element, const std::string& name) {
  return nib.document.child("interface").find_child_by_attribute(element, "name", name.c_str());
}

class ControlBuilder {
 public:
  ControlBuilder(const ToolkitNib& nib, ToolkitWindow* window) : mNib(nib), mWindow(window) {}

  // Builds the control described by node inside container; false when the node is malformed.
  bool Build(const pugi::xml_node& node, ToolkitControl* container) {
    const auto kind = KindNames().find(node.attribute("kind").value());
    if (kind == KindNames().end()) return false;
    Rect bounds{container->bounds.top, container->bounds.left, container->bounds.top,
                container->bounds.left};
    if (!ReadFrame(node, container->bounds.left, container->bounds.top, bounds)) return false;
    auto owned = NewControl(kind->second, bounds);
    ToolkitControl* control = owned.get();
    AttachControl(container, std::move(owned));
    if (!ReadCommon(node, *control) || !ReadKindData(node, *control) || !ReadRange(node, *control))
      return false;
    for (const pugi::xml_node& child : node.children("control"))
      if (!Build(child, control)) return false;
    return true;
  }

 private:
  bool ReadCommon(const pugi::xml_node& node, ToolkitControl& c) {
    c.name = node.attribute("name").value();
    c.title = node.attribute("title").value();
    c.text = node.attribute("text").value();
    c.selectionStart = c.selectionEnd = Utf8Length(c.text);
    int32_t id = 0, fontSize = c.fontSize;
    bool isDefault = false, isCancel = false;
    const bool ok = ReadFourCC(node, "signature", c.id.signature) && ReadInt(node, "id", id) &&
                    ReadFourCC(node, "command", c.command) &&
                    ReadBool(node, "enabled", c.enabled) && ReadBool(node, "visible", c.visible) &&
                    ReadInt(node, "font-size", fontSize) && ReadBool(node, "default", isDefault) &&
                    ReadBool(node, "cancel", isCancel);
    if (!ok || fontSize <= 0 || fontSize > 200) return false;
    c.id.id = id;
    c.fontSize = int16_t(fontSize);
    if (std::string(node.attribute("font-style").value()) == "bold") c.fontStyle = kFontStyleBold;
    if (isDefault) mWindow->defaultButton = &c;
    if (isCancel) mWindow->cancelButton = &c;
    return true;
  }

  bool ReadKindData(const pugi::xml_node& node, ToolkitControl& c) {
    switch (c.kind) {
      case ControlKind::PopupButton:
        return ReadPopup(node, c);
      case ControlKind::TabControl:
        return ReadTabs(node, c);
      case ControlKind::DataBrowser:
        return ReadColumns(node, c);
      case ControlKind::Clock:
        return ReadDate(node, c.clock);
      case ControlKind::BevelButton:
        return ReadBevelBehavior(node, c);
      case ControlKind::ImageView:
        ReadImage(node, c);
        return true;
      default:
        return true;
    }
  }

  bool ReadPopup(const pugi::xml_node& node, ToolkitControl& c) {
    pugi::xml_node menuNode = node;
    if (const pugi::xml_attribute ref = node.attribute("menu")) {
      menuNode = FindNamed(mNib, "menu", ref.value());
      if (!menuNode) return false;
    }
    c.maximum = 0;  // the item count, unless the file says otherwise
    if (!ReadMenuItems(menuNode, c.menu->items)) return false;
    c.maximum = int32_t(c.menu->items.size());
    return true;
  }

  bool ReadTabs(const pugi::xml_node& node, ToolkitControl& c) {
    for (const pugi::xml_node& tab : node.children("tab")) {
      TabRecord record{tab.attribute("title").value(), true};
      if (!ReadBool(tab, "enabled", record.enabled)) return false;
      c.tabs.push_back(record);
    }
    c.maximum = int32_t(c.tabs.size());
    return true;
  }

  bool ReadColumns(const pugi::xml_node& node, ToolkitControl& c) {
    for (const pugi::xml_node& column : node.children("column")) {
      ListColumn record{0, column.attribute("title").value(), 0};
      int32_t width = 0;
      if (!ReadFourCC(column, "property", record.property) || !ReadInt(column, "width", width))
        return false;
      record.width = int16_t(std::clamp(width, 0, int32_t(INT16_MAX)));
      c.columns.push_back(record);
    }
    return true;
  }

  bool ReadBevelBehavior(const pugi::xml_node& node, ToolkitControl& c) {
    const std::string behavior = node.attribute("behavior").value();
    if (behavior.empty() || behavior == "momentary")
      c.bevelBehavior = BevelBehavior::Momentary;
    else if (behavior == "toggles")
      c.bevelBehavior = BevelBehavior::Toggles;
    else if (behavior == "sticky")
      c.bevelBehavior = BevelBehavior::Sticky;
    else
      return false;
    return true;
  }

  // A missing or unreadable picture leaves the view empty; the window is still usable.
  void ReadImage(const pugi::xml_node& node, ToolkitControl& c) {
    const std::string file = node.attribute("image").value();
    if (!file.empty())
      c.image = CGImageCreateWithPNGFile(mNib.folder / file, true, kCGRenderingIntentDefault);
  }

  bool ReadRange(const pugi::xml_node& node, ToolkitControl& c) {
    int32_t value = c.value, minimum = c.minimum, maximum = c.maximum;
    if (!ReadInt(node, "value", value) || !ReadInt(node, "min", minimum) ||
        !ReadInt(node, "max", maximum))
      return false;
    c.minimum = minimum;
    c.maximum = maximum;
    const bool isField = c.kind == ControlKind::EditText || c.kind == ControlKind::PasswordText ||
                         c.kind == ControlKind::StaticText;
    c.value = isField || maximum < minimum ? value : std::clamp(value, minimum, maximum);
    return true;
  }

  const ToolkitNib& mNib;
  ToolkitWindow* mWindow;
};

}  // namespace

OSStatus CreateNibReferenceFromFile(const std::filesystem::path& file, IBNibRef* outNib) {
  if (!outNib) return paramErr;
  *outNib = nullptr;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return kIBCarbonRuntimeCantFindNibFile;
  auto nib = std::make_unique<ToolkitNib>();
  if (!nib->document.load_file(file.c_str()) || !nib->document.child("interface"))
    return kMalformed;
  nib->folder = file.parent_path();
  *outNib = nib.release();
  return noErr;
}

OSStatus CreateNibReferenceWithCFBundle(CFBundleRef bundle, const std::string& name,
                                        IBNibRef* outNib) {
  if (!outNib) return paramErr;
  *outNib = nullptr;
  if (!bundle || name.empty()) return kIBCarbonRuntimeCantFindNibFile;
  const std::optional<std::filesystem::path> file = CFBundleCopyResourceURL(bundle, name, "xml");
  if (!file) return kIBCarbonRuntimeCantFindNibFile;
  return CreateNibReferenceFromFile(*file, outNib);
}

void DisposeNibReference(IBNibRef nib) { delete nib; }

OSStatus CreateWindowFromNib(IBNibRef nib, const std::string& windowName, WindowRef* outWindow) {
  if (!nib || !outWindow) return paramErr;
  *outWindow = nullptr;
  const pugi::xml_node node = FindNamed(*nib, "window", windowName);
  if (!node) return kIBCarbonRuntimeCantFindObject;
  const auto windowClass = ClassNames().find(node.attribute("class").value());
  Rect bounds{0, 0, 200, 300};
  if (windowClass == ClassNames().end() || !ReadFrame(node, 0, 0, bounds)) return kMalformed;
  // The window is built whole before anyone hears of it; a malformed one is never announced.
  std::unique_ptr<ToolkitWindow> window = NewWindow(windowClass->second, bounds);
  window->name = windowName;
  window->title = node.attribute("title").value();
  ControlBuilder builder(*nib, window.get());
  for (const pugi::xml_node& child : node.children("control"))
    if (!builder.Build(child, window->root.get())) return kMalformed;
  *outWindow = AddNewWindow(std::move(window));
  return noErr;
}

OSStatus CreateMenuFromNib(IBNibRef nib, const std::string& menuName, MenuRef* outMenu) {
  if (!nib || !outMenu) return paramErr;
  *outMenu = nullptr;
  const pugi::xml_node node = FindNamed(*nib, "menu", menuName);
  if (!node) return kIBCarbonRuntimeCantFindObject;
  auto menu = std::make_unique<ToolkitMenu>();
  int32_t id = 0;
  if (!ReadInt(node, "id", id) || !ReadMenuItems(node, menu->items)) return kMalformed;
  menu->menuID = int16_t(id);
  menu->name = menuName;
  *outMenu = menu.release();
  return noErr;
}
