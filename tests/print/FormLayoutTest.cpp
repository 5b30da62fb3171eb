// The form rule on boxes alone: where labels, fields and their neighbours go.
#include <gtest/gtest.h>

#include "FormLayout.h"

namespace {

using R = FormRole;

struct Expected {
  int item;
  FormBox bounds;
  int titleWidth = 0;
};

struct Case {
  const char* name;
  std::vector<FormItem> items;
  std::vector<Expected> expected;
};

TEST(FormLayout, LabelsFieldsAndNeighbours) {
  const Case cases[] = {
      {"labels end in one column, fields start 12 px after it and keep their right edge",
       {{R::Label, {20, 18, 130, 18}, 0, 17, 50},
        {R::Field, {160, 16, 260, 22}, 40, 34},
        {R::Label, {20, 58, 130, 18}, 0, 17, 110},
        {R::Field, {160, 56, 120, 22}, 40, 34}},
       {{0, {20, 24, 110, 17}}, {1, {142, 16, 278, 34}}, {3, {142, 56, 138, 34}}}},
      {"popups with their own titles give their titles the widest title's width",
       {{R::Field, {20, 16, 290, 22}, 120, 34, 60}, {R::Field, {20, 48, 290, 22}, 120, 34, 127}},
       {{0, {20, 16, 290, 34}, 127}, {1, {20, 50, 290, 34}, 127}}},
      {"buttons after a label keep their widths and their gap",
       {{R::Label, {20, 114, 100, 18}, 0, 17, 90},
        {R::Button, {120, 110, 90, 24}, 80, 34},
        {R::Button, {216, 110, 94, 24}, 90, 34}},
       {{1, {122, 110, 90, 34}}, {2, {218, 110, 94, 34}}}},
      {"a note under a field moves to the field column",
       {{R::Label, {20, 18, 130, 18}, 0, 17, 60},
        {R::Field, {160, 16, 260, 22}, 40, 34},
        {R::Field, {160, 40, 260, 16}, 40, 16}},
       {{2, {92, 50, 328, 16}}}},
      {"labels at another x form a column of their own",
       {{R::Field, {20, 16, 260, 22}, 120, 34, 60}, {R::Field, {300, 16, 260, 22}, 120, 34, 90}},
       {{0, {20, 16, 260, 34}, 60}, {1, {300, 16, 260, 34}, 90}}},
      {"a taller field pushes what stood below it down, and wider buttons push their row",
       {{R::Field, {20, 50, 260, 22}, 40, 34},
        {R::Field, {20, 78, 260, 32}, 40, 32},
        {R::Button, {24, 150, 40, 28}, 48, 34},
        {R::Button, {70, 150, 40, 28}, 48, 34}},
       {{1, {20, 84, 260, 32}}, {2, {24, 150, 48, 34}}, {3, {78, 150, 48, 34}}}},
      {"boxes the interface file overlaps (panes shown in turn) stay where they are",
       {{R::Other, {0, 32, 580, 508}, 580, 508}, {R::Other, {0, 32, 580, 508}, 600, 508}},
       {{0, {0, 32, 580, 508}}, {1, {0, 32, 600, 508}}}},
  };
  for (const Case& c : cases) {
    const std::vector<FormPlace> places = LayOutForm(c.items);
    ASSERT_EQ(places.size(), c.items.size()) << c.name;
    for (const Expected& e : c.expected) {
      const FormBox& got = places[e.item].bounds;
      EXPECT_EQ(got, e.bounds) << c.name << ", item " << e.item << ": " << got.x << "," << got.y
                               << " " << got.width << "x" << got.height;
      EXPECT_EQ(places[e.item].titleWidth, e.titleWidth) << c.name << ", item " << e.item;
    }
  }
}

}  // namespace
