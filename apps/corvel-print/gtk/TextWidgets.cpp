// Static text, and edit and password fields. A field's text and selection are the model's: each
// key goes to the model (its key filter decides), a paste goes in as the model's paste, and an
// edit that GTK would make on its own (cutting, dropping text) is undone by showing the model's
// text again.
#include <gdk/gdkkeysyms.h>
#include <gdkmm/clipboard.h>
#include <gtkmm/entry.h>
#include <gtkmm/eventcontrollerfocus.h>
#include <gtkmm/eventcontrollerkey.h>
#include <gtkmm/label.h>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/TextFields.h"
#include "platform/toolkit/UserActions.h"

namespace {

struct KeyCharacter {
  guint keyval;
  int16_t charCode;
};

// Keys with a character code of their own; other keys bring the character they type.
constexpr KeyCharacter kKeyCharacters[] = {
    {GDK_KEY_BackSpace, kBackspaceCharCode}, {GDK_KEY_Tab, kTabCharCode},
    {GDK_KEY_Return, kReturnCharCode},       {GDK_KEY_KP_Enter, kEnterCharCode},
    {GDK_KEY_Escape, kEscapeCharCode},       {GDK_KEY_Left, kLeftArrowCharCode},
    {GDK_KEY_Right, kRightArrowCharCode},    {GDK_KEY_Up, kUpArrowCharCode},
    {GDK_KEY_Down, kDownArrowCharCode},
};

std::optional<int16_t> CharacterCodeOf(guint keyval) {
  for (const KeyCharacter& key : kKeyCharacters)
    if (key.keyval == keyval) return key.charCode;
  return std::nullopt;
}

class StaticTextWidget : public ControlWidget {
 public:
  StaticTextWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mLabel.set_xalign(0);
    mLabel.set_yalign(0);
    mLabel.set_wrap(true);
  }
  Gtk::Widget& Outer() override { return mLabel; }

 private:
  void Refresh() override {
    std::string text;
    GetControlText(mControl, &text);
    mLabel.set_text(text);
    Pango::AttrList font = FontAttributes();
    mLabel.set_attributes(font);
  }

  // The control's font: its pixel size, bold and italic, where it sets them.
  Pango::AttrList FontAttributes() const {
    Pango::AttrList attributes;
    ControlFontStyleRec font;
    if (GetControlFontStyle(mControl, &font) != noErr) return attributes;
    if (font.size > 0) {
      auto size = Pango::Attribute::create_attr_size_absolute(font.size * PANGO_SCALE);
      attributes.insert(size);
    }
    if (font.style > 0 && (font.style & kFontStyleBold)) {
      auto bold = Pango::Attribute::create_attr_weight(Pango::Weight::BOLD);
      attributes.insert(bold);
    }
    if (font.style > 0 && (font.style & kFontStyleItalic)) {
      auto italic = Pango::Attribute::create_attr_style(Pango::Style::ITALIC);
      attributes.insert(italic);
    }
    return attributes;
  }

  Gtk::Label mLabel;
};

class EditTextWidget : public ControlWidget {
 public:
  EditTextWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mEntry.set_visibility(GetControlKind(control) != ControlKind::PasswordText);
    auto keys = Gtk::EventControllerKey::create();
    keys->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
    keys->signal_key_pressed().connect(
        [this](guint keyval, guint, Gdk::ModifierType state) { return KeyPressed(keyval, state); },
        false);
    mEntry.add_controller(keys);
    auto focus = Gtk::EventControllerFocus::create();
    focus->signal_enter().connect(
        [this] { Input().Act([this] { SetKeyboardFocus(GetControlOwner(mControl), mControl); }); });
    mEntry.add_controller(focus);
    mEntry.signal_changed().connect([this] {
      if (!Input().Echoing()) Sync();
    });
    // The context menu's paste comes by this signal too.
    g_signal_connect(gtk_editable_get_delegate(GTK_EDITABLE(mEntry.gobj())), "paste-clipboard",
                     G_CALLBACK(&EditTextWidget::PasteRequested), this);
  }
  Gtk::Widget& Outer() override { return mEntry; }

 private:
  void Refresh() override {
    std::string text;
    GetControlText(mControl, &text);
    if (mEntry.get_text().raw() != text) mEntry.set_text(text);
    int32_t start = 0;
    int32_t end = 0;
    GetEditTextSelection(mControl, &start, &end);
    mEntry.select_region(start, end);
  }

  // Where the user put the caret or selection with the mouse, the model's selection goes too.
  void SelectionToModel() {
    int start = 0;
    int end = 0;
    if (!mEntry.get_selection_bounds(start, end)) start = end = mEntry.get_position();
    SetEditTextSelection(mControl, start, end);
  }

  bool KeyPressed(guint keyval, Gdk::ModifierType state) {
    const bool command =
        (state & (Gdk::ModifierType::CONTROL_MASK | Gdk::ModifierType::ALT_MASK)) !=
        Gdk::ModifierType{};
    if (command) return keyval == GDK_KEY_x || keyval == GDK_KEY_X;  // copy and the rest are GTK's
    const bool extends = (state & Gdk::ModifierType::SHIFT_MASK) != Gdk::ModifierType{};
    const std::optional<int16_t> code = CharacterCodeOf(keyval);
    if (code && extends && *code >= kLeftArrowCharCode) return false;  // GTK extends the selection
    const WindowRef window = GetControlOwner(mControl);
    if (code) {
      SelectionToModel();
      Input().TypeKey(window, *code, 0);
    } else if (const gunichar typed = gdk_keyval_to_unicode(keyval)) {
      SelectionToModel();
      const std::string text = Glib::ustring(1, typed);
      Act([window, text] { UserTypeText(window, text); });
    } else {
      return false;  // Home, End and the like only move the caret
    }
    Sync();
    return true;
  }

  static void PasteRequested(GtkWidget* text, gpointer self) {
    g_signal_stop_emission_by_name(text, "paste-clipboard");
    static_cast<EditTextWidget*>(self)->Paste();
  }

  void Paste() {
    SelectionToModel();
    const WindowRef window = GetControlOwner(mControl);
    MirrorInput* input = &Input();
    auto clipboard = mEntry.get_clipboard();
    // The widget may be rebuilt before the text arrives; the answer uses only handles.
    clipboard->read_text_async([clipboard, window, input](Glib::RefPtr<Gio::AsyncResult>& result) {
      try {
        const std::string text = clipboard->read_text_finish(result);
        input->Act([window, text] { UserPaste(window, text); });
      } catch (const Glib::Error&) {
        // Nothing that reads as text is on the clipboard: nothing is pasted.
      }
    });
  }

  Gtk::Entry mEntry;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeStaticTextWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<StaticTextWidget>(control, input);
}

std::unique_ptr<ControlWidget> MakeEditTextWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<EditTextWidget>(control, input);
}
