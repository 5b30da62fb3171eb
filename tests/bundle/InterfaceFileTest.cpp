// The interface file "Corvel" as the bundle ships it: every pane control with its ID and kind in
// its own pane, the dialogs with their commands, the quality menus, and the fixed popup items.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport/ToolkitTestSupport.h"

namespace {

using Kind = ControlKind;

// A run of controls first..last of one kind.
struct ControlRun {
  const char signature[5];
  int32_t first;
  int32_t last;
  Kind kind;
};

constexpr ControlRun kPaneControls[] = {
    {"file", 10, 16, Kind::RadioButton}, {"file", 17, 18, Kind::PushButton},
    {"xtra", 10, 10, Kind::PopupButton}, {"xtra", 11, 12, Kind::CheckBox},
    {"xtra", 13, 13, Kind::PopupButton}, {"xtra", 14, 14, Kind::CheckBox},
    {"xtra", 16, 16, Kind::CheckBox},    {"xtra", 22, 23, Kind::CheckBox},
    {"xtra", 24, 24, Kind::PushButton},  {"xtra", 28, 29, Kind::CheckBox},
    {"xtra", 30, 30, Kind::PopupButton}, {"page", 10, 10, Kind::PopupButton},
    {"page", 14, 18, Kind::CheckBox},    {"page", 19, 25, Kind::PopupButton},
    {"page", 28, 28, Kind::PushButton},  {"page", 29, 29, Kind::CheckBox},
    {"page", 32, 32, Kind::PopupButton}, {"page", 33, 33, Kind::StaticText},
    {"page", 35, 35, Kind::PopupButton}, {"outp", 10, 11, Kind::PopupButton},
    {"outp", 12, 12, Kind::UserPane},    {"outp", 14, 15, Kind::PopupButton},
    {"outp", 16, 16, Kind::UserPane},    {"outp", 17, 17, Kind::PopupButton},
    {"outp", 18, 18, Kind::UserPane},    {"outp", 19, 19, Kind::PushButton},
    {"outp", 20, 21, Kind::BevelButton}, {"outp", 22, 22, Kind::CheckBox},
    {"outp", 23, 29, Kind::PopupButton}, {"outp", 30, 30, Kind::UserPane},
    {"outp", 999, 999, Kind::ImageView}, {"qual", 1, 6, Kind::CheckBox},
    {"qual", 7, 7, Kind::PushButton},    {"qual", 8, 8, Kind::PopupButton},
    {"qual", 9, 9, Kind::CheckBox},      {"qual", 34, 34, Kind::PopupButton},
    {"info", 10, 10, Kind::EditText},    {"info", 11, 11, Kind::PasswordText},
    {"info", 12, 13, Kind::EditText},    {"info", 14, 14, Kind::StaticText},
    {"info", 15, 16, Kind::PushButton},  {"info", 17, 17, Kind::StaticText},
    {"info", 18, 18, Kind::PushButton},  {"info", 20, 20, Kind::StaticText},
    {"accs", 1, 1, Kind::PushButton},    {"accs", 3, 3, Kind::DataBrowser},
    {"accs", 4, 4, Kind::EditText},      {"accs", 5, 5, Kind::PushButton},
    {"accs", 6, 6, Kind::CheckBox},      {"accs", 100, 102, Kind::PopupButton},
};

// The pane container of each signature, in tab order.
constexpr struct {
  const char signature[5];
  int32_t container;
} kPanes[] = {{"file", 129}, {"page", 130}, {"outp", 131}, {"qual", 132},
              {"xtra", 133}, {"info", 134}, {"accs", 135}};

constexpr struct {
  const char signature[5];
  int32_t number;
  uint16_t items;
} kPopupItems[] = {{"xtra", 10, 8}, {"xtra", 13, 3},  {"xtra", 30, 2}, {"page", 10, 3},
                   {"page", 20, 6}, {"page", 22, 6},  {"outp", 11, 9}, {"outp", 14, 4},
                   {"outp", 15, 3}, {"qual", 8, 2},   {"qual", 34, 2}, {"page", 19, 0},
                   {"page", 32, 0}, {"page", 35, 0},  {"outp", 10, 0}, {"outp", 17, 0},
                   {"outp", 27, 0}, {"accs", 100, 0}, {"accs", 102, 0}};

struct DialogRecord {
  const char* name;
  WindowClass windowClass;
  std::set<std::string> commands;
};

const DialogRecord kDialogs[] = {
    {"SecurePrintWindow", kMovableModalWindowClass, {"spOK", "spCL"}},
    {"SecurePrintErrorWindow", kSheetAlertWindowClass, {"erOK"}},
    {"SchedulePrintDlg", kMovableModalWindowClass, {"skPv", "skNx", "skOK", "skCL", "skDy"}},
    {"RenderingTable", kMovableModalWindowClass, {"rhOK"}},
};

void CollectControls(ControlRef container, std::vector<ControlRef>& out) {
  uint16_t count = 0;
  CountSubControls(container, &count);
  for (uint16_t i = 1; i <= count; ++i) {
    ControlRef child = nullptr;
    GetIndexedSubControl(container, i, &child);
    out.push_back(child);
    CollectControls(child, out);
  }
}

std::set<std::string> CommandsOf(WindowRef window) {
  ControlRef root = nullptr;
  GetRootControl(window, &root);
  std::vector<ControlRef> controls;
  CollectControls(root, controls);
  std::set<std::string> commands;
  for (ControlRef control : controls) {
    uint32_t command = 0;
    if (GetControlCommandID(control, &command) == noErr && command != 0)
      commands.insert(FourCCToString(command));
  }
  return commands;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

class CorvelInterfaceFileTest : public InterfaceFileFixture {
 protected:
  CorvelInterfaceFileTest()
      : InterfaceFileFixture(CORVEL_BUNDLE_DIR "/Contents/Resources/Corvel.xml") {}
};

// The nearest enclosing pane container, or 0.
int32_t ContainerNumber(ControlRef control) {
  ControlRef parent = nullptr;
  while (GetSuperControl(control, &parent) == noErr && parent) {
    ControlID id;
    GetControlID(parent, &id);
    if (id.signature == FourCC("crvl")) return id.id;
    control = parent;
  }
  return 0;
}

TEST_F(CorvelInterfaceFileTest, EveryPaneControlHasItsKindInItsOwnPane) {
  WindowRef window = Create("CorvelWindow");
  for (const ControlRun& run : kPaneControls) {
    int32_t container = 0;
    for (const auto& pane : kPanes)
      if (std::string(pane.signature) == run.signature) container = pane.container;
    for (int32_t number = run.first; number <= run.last; ++number) {
      ControlRef control = FindControl(window, run.signature, number);
      ASSERT_NE(control, nullptr) << run.signature << "/" << number;
      EXPECT_EQ(GetControlKind(control), run.kind) << run.signature << "/" << number;
      EXPECT_EQ(ContainerNumber(control), container) << run.signature << "/" << number;
    }
  }
}

TEST_F(CorvelInterfaceFileTest, TabsAreThePanesInTabOrderWithinThePrintDialogPane) {
  WindowRef window = Create("CorvelWindow");
  ControlRef tabs = FindControl(window, "crvl", 128);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(GetTabTitles(tabs), (std::vector<std::string>{"File", "Page", "Output", "Quality",
                                                          "Extras", "Info", "Accessories"}));
  for (uint16_t tab = 1; tab <= 7; ++tab) {
    ControlRef pane = nullptr;
    ASSERT_EQ(GetIndexedSubControl(tabs, tab, &pane), noErr);
    ControlID id;
    GetControlID(pane, &id);
    EXPECT_EQ(id.id, kPanes[tab - 1].container);
    EXPECT_EQ(GetControlKind(pane), Kind::UserPane);
  }
  Rect bounds;
  GetWindowBounds(window, &bounds);
  EXPECT_LE(RectWidth(bounds), 600);
  EXPECT_LE(RectHeight(bounds), 575);
  EXPECT_TRUE(CommandsOf(window).empty());  // the print dialog has its own OK and Cancel
}

// Every control lies inside its container and clear of its siblings.
TEST_F(CorvelInterfaceFileTest, PaneLayoutsHaveNoOverlaps) {
  WindowRef window = Create("CorvelWindow");
  for (const auto& pane : kPanes) {
    ControlRef container = FindControl(window, "crvl", pane.container);
    Rect outer;
    GetControlBounds(container, &outer);
    std::vector<ControlRef> controls;
    CollectControls(container, controls);
    for (size_t i = 0; i < controls.size(); ++i) {
      Rect a;
      GetControlBounds(controls[i], &a);
      EXPECT_TRUE(Inside(a, outer)) << pane.signature << " control " << i;
      for (size_t j = i + 1; j < controls.size(); ++j) {
        Rect b;
        GetControlBounds(controls[j], &b);
        EXPECT_FALSE(Overlap(a, b)) << pane.signature << " controls " << i << ", " << j;
      }
    }
  }
}

TEST_F(CorvelInterfaceFileTest, PopupsHoldTheirFixedItemsAndPrinterFilledOnesStartEmpty) {
  WindowRef window = Create("CorvelWindow");
  for (const auto& popup : kPopupItems) {
    ControlRef control = FindControl(window, popup.signature, popup.number);
    ASSERT_NE(control, nullptr) << popup.signature << "/" << popup.number;
    EXPECT_EQ(CountMenuItems(GetControlPopupMenuHandle(control)), popup.items)
        << popup.signature << "/" << popup.number;
  }
  MenuRef separations = GetControlPopupMenuHandle(FindControl(window, "xtra", 10));
  EXPECT_EQ(CopyMenuItemTextAsCFString(separations, 3), "None");
}

TEST_F(CorvelInterfaceFileTest, DialogsHaveTheirClassesCommandsAndFields) {
  for (const DialogRecord& dialog : kDialogs) {
    WindowRef window = Create(dialog.name);
    ASSERT_NE(window, nullptr);
    WindowClass windowClass = 0;
    GetWindowClass(window, &windowClass);
    EXPECT_EQ(windowClass, dialog.windowClass) << dialog.name;
    EXPECT_EQ(CommandsOf(window), dialog.commands) << dialog.name;
  }
  WindowRef secure = Create("SecurePrintWindow");
  for (int32_t number : {10, 11})
    EXPECT_EQ(GetControlKind(FindControl(secure, "secp", number)), Kind::PasswordText);
  WindowRef schedule = Create("SchedulePrintDlg");
  for (int32_t day = 1; day <= 42; ++day)
    EXPECT_EQ(GetControlKind(FindControl(schedule, "sked", day)), Kind::BevelButton) << day;
  EXPECT_EQ(GetControlKind(FindControl(schedule, "sked", 200)), Kind::StaticText);
  EXPECT_EQ(GetControlKind(FindControl(schedule, "sked", 300)), Kind::Clock);
}

TEST_F(CorvelInterfaceFileTest, MediaQualityMenusExist) {
  for (const char* name : {"Menu1000", "Menu1001", "Menu1002", "Menu1003"}) {
    MenuRef made = nullptr;
    ASSERT_EQ(CreateMenuFromNib(mNib, name, &made), noErr) << name;
    const std::unique_ptr<ToolkitMenu, decltype(&DisposeMenu)> menu(made, &DisposeMenu);
    EXPECT_GT(CountMenuItems(menu.get()), 0) << name;
  }
}

}  // namespace
