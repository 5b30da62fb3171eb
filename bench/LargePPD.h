#pragma once
// Writes a large, well-formed PPD for the parse benchmark: standard PPD content that libcups
// reads, plus the vendor extension lines (pages, scroll panes, roll-downs, flags, groups,
// ranges, job notes, constraints, shortcuts) that the extended parser turns into controls.
#include <cstddef>
#include <filesystem>
#include <string>

struct LargePPDShape {
  int pages = 10;              // property pages, one scroll pane each
  int rollDownsPerPage = 6;    // roll-downs per scroll pane
  int popupsPerRollDown = 16;  // PickOne blocks per roll-down
  int choicesPerPopup = 8;
};

// The PPD text for the given shape.
std::string MakeLargePPD(const LargePPDShape& shape);

// A description that opens one control keyword `blocks` times outside any group: every block
// after the first is a duplicate.
std::string MakeRepeatedBlockPPD(int blocks);

// Writes text to path; false when the file cannot be written.
bool WritePPD(const std::filesystem::path& path, const std::string& text);
