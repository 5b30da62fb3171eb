#pragma once
// The fixed tables of the Output pane's rules: what each installed finisher model can do, and
// which staple positions and punch edges exclude each other. Every look-up takes a menu value as
// read from a control and answers the fallback row for a value outside the table.
#include <array>
#include <cstdint>
#include <string_view>

struct FinisherCapabilities {
  bool installed = false;
  bool makesBooklets = false;
  bool folds = false;
};

// Capabilities by the choice name of KTFinisher; any other name is no finisher.
struct FinisherModel {
  std::string_view name;
  FinisherCapabilities capabilities;
};
inline constexpr FinisherModel kFinisherModels[] = {
    {"Finisher", {true, false, false}}, {"Finisher3", {true, false, false}},
    {"Finisher2", {true, true, false}}, {"Finisher4", {true, true, false}},
    {"Finisher5", {true, true, false}}, {"Finisher7", {true, true, false}},
    {"Finisher6", {true, true, true}},  {"Finisher8", {true, true, true}},
};

constexpr FinisherCapabilities FinisherModelCapabilities(std::string_view choiceName) {
  for (const FinisherModel& model : kFinisherModels)
    if (model.name == choiceName) return model.capabilities;
  return {};
}

// Staple items (outp/11) a punch on an edge (outp/15: 1 left, 2 right, 3 top) leaves no room
// for; row 0, for a value outside 1 to 3, excludes none. 0 ends a row.
inline constexpr std::array<std::array<int8_t, 5>, 4> kStaplesExcludedByPunchEdge = {{
    {0, 0, 0, 0, 0},
    {5, 4, 9, 7, 6},
    {3, 2, 8, 7, 6},
    {3, 5, 8, 9, 7},
}};

constexpr const std::array<int8_t, 5>& StaplesExcludedByPunchEdge(int32_t edge) {
  return kStaplesExcludedByPunchEdge[edge >= 1 && edge <= 3 ? edge : 0];
}

// Punch edges a staple position excludes, and the edge a punch on an excluded edge moves to
// (0: it stays). Row 0 and row 1 (no staple) exclude none.
struct PunchEdgesForStaple {
  std::array<bool, 4> excluded;  // by edge 1 to 3; slot 0 unused
  int8_t movesTo;
};
inline constexpr std::array<PunchEdgesForStaple, 10> kPunchEdgesForStaple = {{
    {{false, false, false, false}, 0},  // outside the menu
    {{false, false, false, false}, 0},  // no staple
    {{false, false, true, false}, 3},   // 1UpLeftS
    {{false, false, true, true}, 1},    // 1LowLeftS
    {{false, true, false, false}, 3},   // 1UpRightS
    {{false, true, false, true}, 2},    // 1LowRightS
    {{false, true, true, false}, 3},    // 2Up
    {{false, true, true, true}, 0},     // 2Low
    {{false, false, true, true}, 1},    // 2Left
    {{false, true, false, true}, 2},    // 2Right
}};

constexpr const PunchEdgesForStaple& PunchEdgesFor(int32_t staple) {
  return kPunchEdgesForStaple[staple >= 1 && staple <= 9 ? staple : 0];
}
