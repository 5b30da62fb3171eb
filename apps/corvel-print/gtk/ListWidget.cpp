// The list control: one row per item, one cell per column with the text the list's owner gives;
// clicking a row selects it in the model, which then reports the selection to its owner.
#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/listbox.h>
#include <gtkmm/scrolledwindow.h>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/UserActions.h"

namespace {

class ListWidget : public ControlWidget {
 public:
  ListWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mScroller.set_child(mRows);
    mRows.set_selection_mode(Gtk::SelectionMode::SINGLE);
    mRows.signal_row_selected().connect([this](Gtk::ListBoxRow* row) { RowClicked(row); });
  }
  Gtk::Widget& Outer() override { return mScroller; }

 private:
  void Refresh() override {
    while (Gtk::ListBoxRow* row = mRows.get_row_at_index(0)) mRows.remove(*row);
    const std::vector<DataBrowserPropertyID> columns = GetDataBrowserColumnProperties(mControl);
    int index = 0;
    for (DataBrowserItemID item : GetDataBrowserItems(mControl)) {
      auto* cells = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
      for (DataBrowserPropertyID column : columns) {
        auto* cell = Gtk::make_managed<Gtk::Label>(GetDataBrowserCellText(mControl, item, column));
        cell->set_xalign(0);
        cell->set_hexpand(true);
        cells->append(*cell);
      }
      mRows.append(*cells);
      if (IsDataBrowserItemSelected(mControl, item))
        mRows.select_row(*mRows.get_row_at_index(index));
      ++index;
    }
  }

  void RowClicked(Gtk::ListBoxRow* row) {
    if (!row) return;
    const std::vector<DataBrowserItemID> items = GetDataBrowserItems(mControl);
    const size_t index = size_t(row->get_index());
    if (index < items.size()) Act([&] { UserSelectListRow(mControl, items[index]); });
  }

  Gtk::ScrolledWindow mScroller;
  Gtk::ListBox mRows;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeListWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ListWidget>(control, input);
}
