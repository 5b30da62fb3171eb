// Popup buttons: a drop-down of the popup menu's items, with the popup's title beside it when it
// has one. Items the model disables (or that lie beyond the popup's maximum) are shown dimmed
// and cannot be picked; a pick goes to the model as the user's choice of that item.
#include <gtkmm/box.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/label.h>
#include <gtkmm/listitem.h>
#include <gtkmm/signallistitemfactory.h>
#include <gtkmm/stringlist.h>
#include <gtkmm/stringobject.h>

#include <set>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/UserActions.h"

namespace {

// Whether the model lets a user choose the item (1-based).
bool ItemChoosable(ControlRef popup, guint item) {
  return IsValidControlHandle(popup) && item <= guint(GetControl32BitMaximum(popup)) &&
         IsMenuItemEnabled(GetControlPopupMenuHandle(popup), uint16_t(item));
}

class PopupWidget : public ControlWidget {
 public:
  PopupWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mChooser.set_model(mItems);
    mChooser.set_list_factory(ItemFactory());
    mChooser.set_hexpand(true);
    mTitle.set_xalign(0);
    mBox.append(mTitle);
    mBox.append(mChooser);
    mChooser.property_selected().signal_changed().connect([this] { Chosen(); });
  }
  Gtk::Widget& Outer() override { return mBox; }
  Gtk::Label* OwnTitle() override { return mTitle.get_visible() ? &mTitle : nullptr; }
  Gtk::Widget& Accessible() override { return mChooser; }

 private:
  Glib::RefPtr<Gtk::SignalListItemFactory> ItemFactory() {
    auto factory = Gtk::SignalListItemFactory::create();
    factory->signal_setup().connect([](const Glib::RefPtr<Gtk::ListItem>& row) {
      auto* label = Gtk::make_managed<Gtk::Label>();
      label->set_xalign(0);
      row->set_child(*label);
    });
    factory->signal_bind().connect([this](const Glib::RefPtr<Gtk::ListItem>& row) {
      mBoundRows.insert(row.get());
      ShowItem(*row);
    });
    factory->signal_unbind().connect(
        [this](const Glib::RefPtr<Gtk::ListItem>& row) { mBoundRows.erase(row.get()); });
    return factory;
  }

  void ShowItem(Gtk::ListItem& row) {
    auto* label = dynamic_cast<Gtk::Label*>(row.get_child());
    auto text = std::dynamic_pointer_cast<Gtk::StringObject>(row.get_item());
    if (!label || !text) return;
    const bool choosable = ItemChoosable(mControl, row.get_position() + 1);
    label->set_text(text->get_string());
    label->set_sensitive(choosable);
    row.set_selectable(choosable);
    row.set_activatable(choosable);
  }

  bool Shows(const std::vector<Glib::ustring>& texts) const {
    if (mItems->get_n_items() != texts.size()) return false;
    for (guint i = 0; i < texts.size(); ++i)
      if (mItems->get_string(i) != texts[i]) return false;
    return true;
  }

  void Refresh() override {
    MenuRef menu = GetControlPopupMenuHandle(mControl);
    std::vector<Glib::ustring> texts;
    for (uint16_t item = 1; item <= CountMenuItems(menu); ++item)
      texts.push_back(CopyMenuItemTextAsCFString(menu, item).value_or(""));
    if (Shows(texts))
      for (Gtk::ListItem* row : mBoundRows) ShowItem(*row);  // enabled states may have changed
    else
      mItems->splice(0, mItems->get_n_items(), texts);
    const std::string title = CopyControlTitleAsCFString(mControl).value_or("");
    mTitle.set_text(title);
    mTitle.set_visible(!title.empty());
    const int32_t value = GetControl32BitValue(mControl);
    mChooser.set_selected(value >= 1 && size_t(value) <= texts.size() ? guint(value - 1)
                                                                      : GTK_INVALID_LIST_POSITION);
  }

  void Chosen() {
    const guint position = mChooser.get_selected();
    if (position == GTK_INVALID_LIST_POSITION) return;
    Act([this, position] { UserChoosePopupItem(mControl, uint16_t(position + 1)); });
  }

  Gtk::Box mBox{Gtk::Orientation::HORIZONTAL, 12};  // a label's gap to its field
  Gtk::Label mTitle;
  Gtk::DropDown mChooser;
  Glib::RefPtr<Gtk::StringList> mItems = Gtk::StringList::create({});
  std::set<Gtk::ListItem*> mBoundRows;  // the rows the list shows now
};

}  // namespace

std::unique_ptr<ControlWidget> MakePopupWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<PopupWidget>(control, input);
}
