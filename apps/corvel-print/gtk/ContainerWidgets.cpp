// The containers: the window's root and user panes (a layout over a drawing that replays the
// pane's draw handlers), and the tab control (a tab strip over the layout of its panes; the
// model itself shows the chosen tab's pane and hides the rest).
#include <gtkmm/box.h>
#include <gtkmm/drawingarea.h>
#include <gtkmm/togglebutton.h>

#include <deque>

#include "ControlWidgetKinds.h"
#include "ImagePainting.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/UserActions.h"

namespace {

class ContainerWidget : public ControlWidget {
 public:
  ContainerWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    Rect bounds;
    GetControlBounds(control, &bounds);
    mDrawing.set_size_request(RectWidth(bounds), RectHeight(bounds));
    mDrawing.set_draw_func([this](const Cairo::RefPtr<Cairo::Context>& cr, int, int) {
      if (IsValidControlHandle(mControl)) ReplayDrawing(cr, mControl);
    });
    mLayout.put(mDrawing, 0, 0);
  }
  Gtk::Widget& Outer() override { return mLayout; }
  Gtk::Fixed* Contents() override { return &mLayout; }
  void Redraw() override { mDrawing.queue_draw(); }

 private:
  void Refresh() override {}

  Gtk::Fixed mLayout;
  Gtk::DrawingArea mDrawing;
};

// A tab's title with Alt and its first letter as the keys that choose it; an underscore of the
// title itself stays an underscore.
std::string WithMnemonic(const std::string& title) {
  std::string label = "_";
  for (const char c : title) label += c == '_' ? std::string("__") : std::string(1, c);
  return label;
}

class TabsWidget : public ControlWidget {
 public:
  TabsWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    Rect bounds;
    GetControlBounds(control, &bounds);
    mStrip.set_size_request(RectWidth(bounds), -1);
    mStrip.set_halign(Gtk::Align::CENTER);
    mLayout.put(mStrip, 0, 0);
  }
  Gtk::Widget& Outer() override { return mLayout; }
  Gtk::Fixed* Contents() override { return &mLayout; }

 private:
  void Refresh() override {
    const std::vector<std::string> titles = GetTabTitles(mControl);
    const size_t offered = std::min(titles.size(), size_t(GetControl32BitMaximum(mControl)));
    while (mTabs.size() < offered) AddTab(uint16_t(mTabs.size() + 1));
    for (size_t i = 0; i < mTabs.size(); ++i) {
      mTabs[i].set_visible(i < offered);
      if (i >= offered) continue;
      mTabs[i].set_label(WithMnemonic(titles[i]));
      mTabs[i].set_sensitive(IsTabEnabled(mControl, uint16_t(i + 1)));
      mTabs[i].set_active(GetControl32BitValue(mControl) == int32_t(i + 1));
    }
  }

  void AddTab(uint16_t tab) {
    Gtk::ToggleButton& button = mTabs.emplace_back();
    button.set_use_underline(true);
    mStrip.append(button);
    button.signal_toggled().connect(
        [this, tab] { Act([this, tab] { UserClickTab(mControl, tab); }); });
  }

  Gtk::Fixed mLayout;
  Gtk::Box mStrip{Gtk::Orientation::HORIZONTAL};
  std::deque<Gtk::ToggleButton> mTabs;  // a deque: the buttons never move
};

}  // namespace

std::unique_ptr<ControlWidget> MakeContainerWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ContainerWidget>(control, input);
}

std::unique_ptr<ControlWidget> MakeTabsWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<TabsWidget>(control, input);
}
