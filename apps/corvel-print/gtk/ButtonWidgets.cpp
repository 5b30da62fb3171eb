// Push and bevel buttons, check boxes and radio buttons. A click goes to the model, which tracks
// it (a check box flips, a radio button is set) before its handlers run; the widget then shows
// the value the model ended with, whatever GTK did on its own.
#include <gdkmm/display.h>
#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>
#include <gtkmm/togglebutton.h>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/UserActions.h"

namespace {

std::string TitleOf(ControlRef control) { return CopyControlTitleAsCFString(control).value_or(""); }

class PushButtonWidget : public ControlWidget {
 public:
  PushButtonWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mButton.signal_clicked().connect([this] {
      if (!Input().Echoing()) Input().Press(mControl);
    });
  }
  Gtk::Widget& Outer() override { return mButton; }

 private:
  void Refresh() override { mButton.set_label(TitleOf(mControl)); }

  Gtk::Button mButton;
};

// Bevel buttons and check boxes: a button with an on/off state that follows the model's value.
template <typename Button>
class ValueButtonWidget : public ControlWidget {
 public:
  ValueButtonWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mButton.signal_toggled().connect([this] { Act([this] { UserClickControl(mControl); }); });
  }
  Gtk::Widget& Outer() override { return mButton; }

 protected:
  void Refresh() override {
    mButton.set_label(TitleOf(mControl));
    mButton.set_active(GetControl32BitValue(mControl) != 0);
  }

  Button mButton;
};

// A radio button that stands alone: the model's handlers, not GTK, clear the others of its set.
// GTK draws a check button as a radio button only within a group, so it is grouped with a
// partner that is never shown.
class RadioButtonWidget : public ValueButtonWidget<Gtk::CheckButton> {
 public:
  RadioButtonWidget(ControlRef control, MirrorInput& input)
      : ValueButtonWidget<Gtk::CheckButton>(control, input) {
    mButton.set_group(mPartner);
  }

 private:
  void Refresh() override {
    ValueButtonWidget<Gtk::CheckButton>::Refresh();
    mPartner.set_active(!mButton.get_active());
  }

  Gtk::CheckButton mPartner;
};

// Bevel buttons sit edge to edge in tight grids (the schedule dialog's calendar): the theme's
// ample button padding would make each wider than its bounds and overlap its neighbours.
class BevelButtonWidget : public ValueButtonWidget<Gtk::ToggleButton> {
 public:
  BevelButtonWidget(ControlRef control, MirrorInput& input)
      : ValueButtonWidget<Gtk::ToggleButton>(control, input) {
    static const Glib::RefPtr<Gtk::CssProvider> compact = [] {
      auto provider = Gtk::CssProvider::create();
      provider->load_from_data("button.bevel { padding: 2px 4px; min-width: 0; min-height: 0; }");
      Gtk::StyleContext::add_provider_for_display(Gdk::Display::get_default(), provider,
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
      return provider;
    }();
    mButton.add_css_class("bevel");
  }
};

}  // namespace

std::unique_ptr<ControlWidget> MakePushButtonWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<PushButtonWidget>(control, input);
}

std::unique_ptr<ControlWidget> MakeBevelButtonWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<BevelButtonWidget>(control, input);
}

std::unique_ptr<ControlWidget> MakeCheckBoxWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ValueButtonWidget<Gtk::CheckButton>>(control, input);
}

std::unique_ptr<ControlWidget> MakeRadioButtonWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<RadioButtonWidget>(control, input);
}
