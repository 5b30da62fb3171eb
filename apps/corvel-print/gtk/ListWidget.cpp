// The list control: a header with the columns' titles over one row per item, one cell per column
// with the text the list's owner gives; clicking a row selects it in the model, which then
// reports the selection to its owner.
#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/listbox.h>
#include <gtkmm/scrolledwindow.h>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/UserActions.h"

namespace {

constexpr int kCellGap = 12;
// What the theme puts before a row's first cell and after its last.
constexpr int kRowPadding = 2;

class ListWidget : public ControlWidget {
 public:
  ListWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    AddColumnTitles();
    mScroller.set_child(mRows);
    mScroller.set_vexpand(true);
    mList.append(mScroller);
    mRows.set_selection_mode(Gtk::SelectionMode::SINGLE);
    mRows.signal_row_selected().connect([this](Gtk::ListBoxRow* row) { RowClicked(row); });
  }
  Gtk::Widget& Outer() override { return mList; }

 private:
  // The titles line up with the cells: both share the width alike, with the same gaps.
  void AddColumnTitles() {
    const std::vector<std::string> titles = GetDataBrowserColumnTitles(mControl);
    if (titles.empty()) return;
    auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, kCellGap);
    header->add_css_class("heading");
    header->set_margin_start(kRowPadding);
    header->set_margin_end(kRowPadding);
    for (const std::string& title : titles) {
      auto* label = Gtk::make_managed<Gtk::Label>(title);
      label->set_xalign(0);
      label->set_hexpand(true);
      header->append(*label);
    }
    mList.append(*header);
  }

  // Rows are made again only when their number changed: a click's own row stays while its
  // selection signal runs, and its cells and selection are written in place.
  void Refresh() override {
    const std::vector<DataBrowserItemID> items = GetDataBrowserItems(mControl);
    const std::vector<DataBrowserPropertyID> columns = GetDataBrowserColumnProperties(mControl);
    if (HasRows(items.size())) {
      WriteRows(items, columns);
      return;
    }
    while (Gtk::ListBoxRow* row = mRows.get_row_at_index(0)) mRows.remove(*row);
    for (size_t i = 0; i < items.size(); ++i) {
      auto* cells = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, kCellGap);
      for (size_t c = 0; c < columns.size(); ++c) {
        auto* cell = Gtk::make_managed<Gtk::Label>();
        cell->set_xalign(0);
        cell->set_hexpand(true);
        cells->append(*cell);
      }
      mRows.append(*cells);
    }
    WriteRows(items, columns);
  }

  bool HasRows(size_t count) {
    const int n = int(count);
    return !mRows.get_row_at_index(n) && (n == 0 || mRows.get_row_at_index(n - 1));
  }

  void WriteRows(const std::vector<DataBrowserItemID>& items,
                 const std::vector<DataBrowserPropertyID>& columns) {
    for (size_t i = 0; i < items.size(); ++i) {
      Gtk::ListBoxRow* row = mRows.get_row_at_index(int(i));
      Gtk::Widget* cell = row->get_child() ? row->get_child()->get_first_child() : nullptr;
      for (size_t c = 0; c < columns.size() && cell; ++c, cell = cell->get_next_sibling())
        if (auto* label = dynamic_cast<Gtk::Label*>(cell))
          label->set_text(GetDataBrowserCellText(mControl, items[i], columns[c]));
      if (IsDataBrowserItemSelected(mControl, items[i]))
        mRows.select_row(*row);
      else if (row->is_selected())
        mRows.unselect_row(row);
    }
  }

  void RowClicked(Gtk::ListBoxRow* row) {
    if (!row) return;
    const std::vector<DataBrowserItemID> items = GetDataBrowserItems(mControl);
    const size_t index = size_t(row->get_index());
    if (index < items.size()) Act([&] { UserSelectListRow(mControl, items[index]); });
  }

  Gtk::Box mList{Gtk::Orientation::VERTICAL, 6};
  Gtk::ScrolledWindow mScroller;
  Gtk::ListBox mRows;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeListWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ListWidget>(control, input);
}
