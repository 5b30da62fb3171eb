// The pictures' names follow the Output pane's menus item by item.
#include "PictureCatalog.h"

namespace {

constexpr struct {
  const char* name;
  StapleFinishing finishing;
} kStaples[] = {
    {"StapleNone", {StaplePlace::None, 0}},
    {"StapleSingleTopLeft", {StaplePlace::TopLeft, 1}},
    {"StapleSingleBottomLeft", {StaplePlace::BottomLeft, 1}},
    {"StapleSingleTopRight", {StaplePlace::TopRight, 1}},
    {"StapleSingleBottomRight", {StaplePlace::BottomRight, 1}},
    {"StapleDoubleTop", {StaplePlace::Top, 2}},
    {"StapleDoubleBottom", {StaplePlace::Bottom, 2}},
    {"StapleDoubleLeft", {StaplePlace::Left, 2}},
    {"StapleDoubleRight", {StaplePlace::Right, 2}},
};

constexpr struct {
  const char* name;
  PunchFinishing finishing;
} kPunches[] = {
    {"Punch_None", {0, SheetEdge::Left}},           {"Punch_2Hole70_Left", {2, SheetEdge::Left}},
    {"Punch_2Hole70_Right", {2, SheetEdge::Right}}, {"Punch_2Hole70_Top", {2, SheetEdge::Top}},
    {"Punch_3Hole_Left", {3, SheetEdge::Left}},     {"Punch_3Hole_Right", {3, SheetEdge::Right}},
    {"Punch_3Hole_Top", {3, SheetEdge::Top}},       {"Punch_4Hole_Left", {4, SheetEdge::Left}},
    {"Punch_4Hole_Right", {4, SheetEdge::Right}},   {"Punch_4Hole_Top", {4, SheetEdge::Top}},
};

constexpr struct {
  const char* name;
  BookletFinishing finishing;
} kBooklets[] = {{"BookletFoldStaple", {true}}, {"BookletFold", {false}}};

constexpr struct {
  const char* name;
  FoldKind fold;
} kFolds[] = {{"Fold_None", FoldKind::None},
              {"Fold_Saddle", FoldKind::Saddle},
              {"Fold_TriFoldZ", FoldKind::TriFoldZ},
              {"Fold_Z", FoldKind::Z},
              {"Fold_TriFoldC", FoldKind::TriFoldC}};

void AddBothOrientations(std::vector<Picture>& out, const std::string& name, Finishing finishing) {
  out.push_back({name + ".png", CanvasShape::Portrait, finishing});
  out.push_back({name + "_Landscape.png", CanvasShape::Landscape, finishing});
}

}  // namespace

std::vector<Picture> PictureCatalog() {
  std::vector<Picture> pictures;
  for (const auto& staple : kStaples) AddBothOrientations(pictures, staple.name, staple.finishing);
  for (const auto& punch : kPunches) AddBothOrientations(pictures, punch.name, punch.finishing);
  // An open booklet shows both its pages side by side.
  for (const auto& booklet : kBooklets)
    pictures.push_back(
        {std::string(booklet.name) + ".png", CanvasShape::Landscape, booklet.finishing});
  for (const auto& fold : kFolds)
    pictures.push_back({std::string(fold.name) + ".png", CanvasShape::Portrait, fold.fold});
  return pictures;
}
