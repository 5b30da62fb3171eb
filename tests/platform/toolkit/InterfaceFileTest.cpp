#include <filesystem>
#include <fstream>

#include "TestSupport/TemporaryFiles.h"
#include "ToolkitFixture.h"
#include "platform/TestBundle.h"

namespace {

using InterfaceFileTest = ToolkitTest;

TEST_F(InterfaceFileTest, BuildsWindowWithClassTitleBoundsAndNestedFrames) {
  WindowRef window = nullptr;
  ASSERT_EQ(CreateWindowFromNib(mNib, "Panel", &window), noErr);
  WindowClass windowClass = 0;
  ASSERT_EQ(GetWindowClass(window, &windowClass), noErr);
  EXPECT_EQ(windowClass, kDocumentWindowClass);
  EXPECT_EQ(CopyWindowTitleAsCFString(window), "Sample");
  EXPECT_EQ(GetWindowName(window), "Panel");
  Rect bounds;
  GetWindowBounds(window, &bounds);
  EXPECT_EQ(bounds, (Rect{80, 100, 380, 500}));
  EXPECT_FALSE(IsWindowVisible(window));  // windows start hidden
  ASSERT_EQ(GetControlBounds(Find(window, "pane", 3), &bounds), noErr);
  // window origin 0,0 + tab 10,10 + pane 0,32 + popup 5,55
  EXPECT_EQ(bounds, (Rect{97, 15, 117, 165}));
  ControlRef parent = nullptr;
  GetSuperControl(Find(window, "pane", 3), &parent);
  EXPECT_EQ(parent, Find(window, "crvl", 129));
}

TEST_F(InterfaceFileTest, FindsTheTabWhosePaneHoldsAControl) {
  WindowRef panel = Open("Panel");
  ControlRef tabs = Find(panel, "crvl", 128);
  const struct {
    const char* name;
    ControlRef control;
    OSStatus status;
    uint16_t tab;
  } cases[] = {
      {"deep in the first pane", Find(panel, "pane", 3), noErr, 1},
      {"the second pane itself", Find(panel, "crvl", 130), noErr, 2},
      {"the tab control", tabs, errUnknownControl, 0},
      {"a window without tabs", Find(Open("Ask"), "askf", 1), errUnknownControl, 0},
  };
  for (const auto& c : cases) {
    ControlRef found = nullptr;
    uint16_t tab = 0;
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GetEnclosingTab(c.control, &found, &tab), c.status);
    EXPECT_EQ(tab, c.tab);
    EXPECT_EQ(found, c.status == noErr ? tabs : nullptr);
  }
}

TEST_F(InterfaceFileTest, ReadsValuesMenusTabsColumnsAndClock) {
  WindowRef window = Open("Panel");
  EXPECT_EQ(GetControl32BitValue(Find(window, "pane", 1)), 1);
  ControlRef popup = Find(window, "pane", 3);
  EXPECT_EQ(GetControl32BitValue(popup), 2);
  EXPECT_EQ(GetControl32BitMaximum(popup), 3);
  MenuRef menu = GetControlPopupMenuHandle(popup);
  EXPECT_EQ(CountMenuItems(menu), 3);
  EXPECT_TRUE(IsMenuItemChecked(menu, 2));
  EXPECT_FALSE(IsMenuItemEnabled(menu, 3));

  ControlRef shared = Find(window, "pane", 4);  // items from the named menu
  EXPECT_EQ(CopyMenuItemTextAsCFString(GetControlPopupMenuHandle(shared), 2), "Second");
  EXPECT_EQ(GetMenuItemCommandID(GetControlPopupMenuHandle(shared), 2), FourCC("sec2"));
  ControlFontStyleRec font;
  GetControlFontStyle(shared, &font);
  EXPECT_EQ(font.size, kSmallSystemFontSize);

  ControlRef tabs = Find(window, "crvl", 128);
  EXPECT_EQ(GetTabTitles(tabs), (std::vector<std::string>{"One", "Two", "Three"}));
  EXPECT_EQ(GetControl32BitValue(tabs), 2);
  EXPECT_FALSE(IsTabEnabled(tabs, 3));
  EXPECT_EQ(GetDataBrowserColumnProperties(Find(window, "pane", 9)),
            (std::vector<DataBrowserPropertyID>{FourCC("bNam"), FourCC("ipAd")}));
  LongDateRec date;
  ASSERT_EQ(GetClockDateTime(Find(window, "pane", 10), &date), noErr);
  EXPECT_EQ(date, (LongDateRec{2024, 2, 29, 13, 45, 0}));
  EXPECT_FALSE(IsControlVisible(Find(window, "crvl", 130)));
}

TEST_F(InterfaceFileTest, MenusAreCreatedByNameAndOwnedByTheCaller) {
  MenuRef menu = nullptr;
  ASSERT_EQ(CreateMenuFromNib(mNib, "Shared", &menu), noErr);
  EXPECT_EQ(CountMenuItems(menu), 2);
  EXPECT_EQ(CopyMenuItemTextAsCFString(menu, 1), "First");
  DisposeMenu(menu);
  EXPECT_EQ(CreateMenuFromNib(mNib, "Missing", &menu), kIBCarbonRuntimeCantFindObject);
  EXPECT_EQ(menu, nullptr);
}

TEST_F(InterfaceFileTest, ReportsMissingFilesNamesAndMalformedContent) {
  IBNibRef nib = nullptr;
  EXPECT_EQ(CreateNibReferenceFromFile("/nonexistent/x.xml", &nib),
            kIBCarbonRuntimeCantFindNibFile);
  WindowRef window = nullptr;
  EXPECT_EQ(CreateWindowFromNib(mNib, "Nope", &window), kIBCarbonRuntimeCantFindObject);
  EXPECT_EQ(CreateWindowFromNib(mNib, "Broken", &window), kIBCarbonRuntimeObjectNotOfRequestedType);
  EXPECT_EQ(CreateWindowFromNib(mNib, "BadSignature", &window),
            kIBCarbonRuntimeObjectNotOfRequestedType);
  EXPECT_EQ(window, nullptr);
  EXPECT_TRUE(GetWindowList().empty());  // the half-built windows were disposed

  TemporaryFolder folder;
  const auto bad = folder.path() / "bad.xml";
  std::ofstream(bad) << "<interface><window name='x'";
  EXPECT_EQ(CreateNibReferenceFromFile(bad, &nib), kIBCarbonRuntimeObjectNotOfRequestedType);
}

TEST_F(InterfaceFileTest, FindsTheInterfaceFileOfABundle) {
  TemporaryFolder parent;
  const TestBundle made(parent.path());
  std::filesystem::create_directories(made.Resources());
  std::filesystem::copy_file(mFile, made.Resources() / "Sample.xml");
  CFBundleRef bundle = CFBundleCreate(made.folder);
  ASSERT_NE(bundle, nullptr);
  IBNibRef nib = nullptr;
  ASSERT_EQ(CreateNibReferenceWithCFBundle(bundle, "Sample", &nib), noErr);
  const NibOwner owner(nib);
  WindowRef window = nullptr;
  EXPECT_EQ(CreateWindowFromNib(nib, "Ask", &window), noErr);
  EXPECT_EQ(CreateNibReferenceWithCFBundle(bundle, "Absent", &nib),
            kIBCarbonRuntimeCantFindNibFile);
}

}  // namespace
