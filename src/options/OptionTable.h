#pragma once
// The record's numeric options, one row each: the field, its pane and control, the key it is
// stored under (also the PPD main keyword it is written as), its default, and how its value
// becomes the ticket's choice. Defaults, preferences, the pane controls and the ticket all read
// these rows, so an option is added with one row. What does not fit a row (the File and Info
// panes, the media quality, choices that depend on another field) stays with its function.
#include <cstdint>
#include <span>

#include "options/CorvelOptionsData.h"

// How a field's value becomes the PPD choice keyword written into the ticket.
enum class TicketForm : uint8_t {
  None,            // no ticket entry, or one written by its pane's function
  TrueWhenOne,     // "True" when the value is 1, otherwise "False"
  TrueWhenNotOne,  // "True" unless the value is 1
  TrueWhenNonZero,
  TrueWhenTwo,
  Keywords,   // the row's keyword table by menu item
  PPDChoice,  // the n-th choice of the printer's PPD option of the row's key
};

// PPD choice keywords by menu item (from 1). Any other value, 0 included, takes the fallback
// row, so a stored out-of-range value never reads past the table.
struct ChoiceKeywords {
  std::span<const char* const> rows;
  int fallback;

  const char* operator[](int item) const {
    return rows[item >= 1 && item < int(rows.size()) ? item : fallback];
  }
};

struct OptionRow {
  int16_t CorvelOptionsData::*field;
  CorvelOptions pane;
  int32_t control;  // the control on the pane whose value the field is; 0: none
  const char* key;  // preference key, and the PPD main keyword of the ticket entry
  int16_t defaultValue;
  TicketForm form;
  const ChoiceKeywords* keywords = nullptr;  // for TicketForm::Keywords
  bool x3Default = false;                    // reset again whenever PDF/X-3 is chosen
};

// Every row, pane by pane.
std::span<const OptionRow> OptionRows();

// Calls visit(row) for each row of the pane, in table order.
template <class Visit>
void ForEachOptionOf(CorvelOptions pane, Visit visit) {
  for (const OptionRow& row : OptionRows())
    if (row.pane == pane) visit(row);
}
