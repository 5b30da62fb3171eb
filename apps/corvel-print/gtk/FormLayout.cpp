#include "FormLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kLabelGap = 12;        // between a label column and its fields
constexpr int kSameColumnSlack = 4;  // labels this close start "at one x"
constexpr int kRowGap = 6;

struct Pair {
  int label;  // -1: the field's own title is its label
  int field;
  int labelLeft;
  int labelWidth;
};

int CentreY(const FormBox& box) { return box.y + box.height / 2; }
bool OnRowOf(const FormBox& box, const FormBox& row) {
  return CentreY(box) >= row.y && CentreY(box) <= row.Bottom();
}
bool Controls(const FormItem& item) {
  return item.role == FormRole::Field || item.role == FormRole::Button;
}

// Each label with the nearest field or button to its right on its row; each titled field alone.
std::vector<Pair> FindPairs(const std::vector<FormItem>& items) {
  std::vector<Pair> pairs;
  for (int i = 0; i < int(items.size()); ++i) {
    const FormItem& item = items[i];
    if (Controls(item) && item.labelWidth > 0)
      pairs.push_back({-1, i, item.bounds.x, item.labelWidth});
    if (item.role != FormRole::Label) continue;
    int nearest = -1;
    for (int j = 0; j < int(items.size()); ++j) {
      const FormItem& field = items[j];
      if (!Controls(field) || field.labelWidth > 0 || field.bounds.x < item.bounds.Right() - 2 ||
          !(OnRowOf(item.bounds, field.bounds) || OnRowOf(field.bounds, item.bounds)))
        continue;
      if (nearest < 0 || field.bounds.x < items[nearest].bounds.x) nearest = j;
    }
    if (nearest >= 0) pairs.push_back({i, nearest, item.bounds.x, item.labelWidth});
  }
  return pairs;
}

// Moves what follows a field on its row so that it still follows, at its old gap (6 to 12 px).
void MoveRowFollowers(const std::vector<FormItem>& items, std::vector<FormPlace>& places,
                      std::vector<bool>& placed, int field) {
  const FormBox& old = items[field].bounds;
  std::vector<int> followers;
  for (int k = 0; k < int(items.size()); ++k)
    if (!placed[k] && items[k].role != FormRole::Label && items[k].bounds.x >= old.Right() - 1 &&
        OnRowOf(items[k].bounds, old))
      followers.push_back(k);
  std::sort(followers.begin(), followers.end(),
            [&](int a, int b) { return items[a].bounds.x < items[b].bounds.x; });
  int oldRight = old.Right();
  int newRight = places[field].bounds.Right();
  for (int k : followers) {
    const int gap = std::clamp(items[k].bounds.x - oldRight, kRowGap, kLabelGap);
    places[k].bounds.x = std::max(items[k].bounds.x, newRight + gap);
    placed[k] = true;
    oldRight = items[k].bounds.Right();
    newRight = places[k].bounds.Right();
  }
}

// A field starts at the column; a stretching one keeps its right edge, a button its width.
void PlaceAtColumn(const FormItem& item, FormPlace& place, int column) {
  place.bounds.x = column;
  if (item.role != FormRole::Button)
    place.bounds.width = std::max(item.bounds.Right() - column, item.minWidth);
}

void LayOutGroup(const std::vector<FormItem>& items, const std::vector<Pair>& group,
                 std::vector<FormPlace>& places, std::vector<bool>& placed) {
  int labelWidth = 0;
  int top = items[group.front().field].bounds.y;
  int bottom = top;
  std::vector<int> oldColumns;
  for (const Pair& pair : group) {
    labelWidth = std::max(labelWidth, pair.labelWidth);
    top = std::min(top, items[pair.field].bounds.y);
    bottom = std::max(bottom, items[pair.field].bounds.Bottom());
  }
  const int column = group.front().labelLeft + labelWidth + kLabelGap;
  for (const Pair& pair : group) {
    FormPlace& field = places[pair.field];
    placed[pair.field] = true;
    if (pair.label < 0) {
      field.titleWidth = labelWidth;
      continue;
    }
    placed[pair.label] = true;
    oldColumns.push_back(items[pair.field].bounds.x);
    field.label = pair.label;
    places[pair.label].bounds.width = labelWidth;
    PlaceAtColumn(items[pair.field], field, column);
    MoveRowFollowers(items, places, placed, pair.field);
  }
  // What stood at the old field column under or between the rows (a note on a field) moves along.
  for (int k = 0; k < int(items.size()); ++k) {
    const FormBox& old = items[k].bounds;
    const bool atColumn = std::any_of(oldColumns.begin(), oldColumns.end(),
                                      [&](int x) { return std::abs(old.x - x) <= 2; });
    if (placed[k] || items[k].role == FormRole::Label || !atColumn || old.y < top ||
        old.y > bottom + 2 * kLabelGap)
      continue;
    PlaceAtColumn(items[k], places[k], column);
    placed[k] = true;
  }
}

bool Intersect(const FormBox& a, const FormBox& b) {
  return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

// Pushes each item clear of what overlaps it now but did not in the interface file: down below a
// row above, or right of what stands before it on its row, at its old gap up to 6 px.
void ResolveOverlaps(const std::vector<FormItem>& items, std::vector<FormPlace>& places,
                     const std::vector<bool>& pairedLabel) {
  std::vector<int> order;
  for (int i = 0; i < int(items.size()); ++i)
    if (!pairedLabel[i]) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const FormBox &first = items[a].bounds, &second = items[b].bounds;
    return first.y != second.y ? first.y < second.y : first.x < second.x;
  });
  for (size_t n = 0; n < order.size(); ++n) {
    const FormBox& old = items[order[n]].bounds;
    FormBox& below = places[order[n]].bounds;
    for (size_t m = 0; m < n; ++m) {
      const FormBox& above = places[order[m]].bounds;
      const FormBox& oldAbove = items[order[m]].bounds;
      // Boxes the interface file overlaps on purpose (panes shown in turn) are left as they are.
      if (!Intersect(above, below) || Intersect(oldAbove, old)) continue;
      if (CentreY(oldAbove) < old.y)
        below.y = above.Bottom();
      else
        below.x = above.Right() + std::clamp(old.x - oldAbove.Right(), 0, kRowGap);
    }
  }
}

}  // namespace

std::vector<FormPlace> LayOutForm(const std::vector<FormItem>& items) {
  std::vector<FormPlace> places(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const FormBox& old = items[i].bounds;
    places[i].bounds = {old.x, old.y, std::max(old.width, items[i].minWidth),
                        std::max(old.height, items[i].height)};
  }
  std::vector<Pair> pairs = FindPairs(items);
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const Pair& a, const Pair& b) { return a.labelLeft < b.labelLeft; });
  std::vector<bool> placed(items.size(), false);
  for (size_t start = 0; start < pairs.size();) {
    size_t end = start + 1;
    while (end < pairs.size() && pairs[end].labelLeft - pairs[start].labelLeft <= kSameColumnSlack)
      ++end;
    LayOutGroup(items, {pairs.begin() + start, pairs.begin() + end}, places, placed);
    start = end;
  }
  std::vector<bool> pairedLabel(items.size(), false);
  for (const Pair& pair : pairs)
    if (pair.label >= 0) pairedLabel[pair.label] = true;
  ResolveOverlaps(items, places, pairedLabel);
  for (const Pair& pair : pairs) {
    if (pair.label < 0) continue;
    const FormBox& field = places[pair.field].bounds;
    FormBox& label = places[pair.label].bounds;
    if (items[pair.label].height > 0) label.height = items[pair.label].height;
    label.y = field.y + (field.height - label.height) / 2;
  }
  return places;
}
