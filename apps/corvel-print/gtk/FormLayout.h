#pragma once
// Where the controls of one container go on screen, as a form: pure geometry on boxes, no widgets.
// The interface file places each control by pixels, but the toolkit's widgets have their own
// sizes and fonts, so labels and fields drawn at those pixels start at a different x on every
// row. The rule: a label and the field to its right (a popup's own title counts as its label) are
// a pair; pairs whose labels start at one x form a column group, whose labels all get the width of
// the widest one and whose fields all start 12 px after it. A label is centred on its field's row.
// What follows a field on its row keeps its gap, what stood at the old field column moves to the
// new one, and anything a taller or wider widget would now cover moves down or along just enough.
#include <vector>

struct FormBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Right() const { return x + width; }
  int Bottom() const { return y + height; }
  friend bool operator==(const FormBox&, const FormBox&) = default;
};

enum class FormRole {
  Label,   // a static text ending in a colon: names what stands to its right
  Field,   // popup, text field, clock, a shown value: stretches to the column
  Button,  // push or bevel button: keeps its width
  Other,   // check boxes, radio buttons, pictures, lists: stay where they are unless overlapped
};

struct FormItem {
  FormRole role = FormRole::Other;
  FormBox bounds;      // where the interface file puts it, in the container
  int minWidth = 0;    // the least width its widget needs
  int height = 0;      // its height on screen
  int labelWidth = 0;  // a label's text width, or the width of a field's own title (0: none)
};

struct FormPlace {
  FormBox bounds;
  int titleWidth = 0;  // for a field with its own title: the width its title is given
  int label = -1;      // for a field: the index of its label, or -1
};

// Places each item (same order as given). Items keep their order and never shrink below their
// minimum width or on-screen height.
std::vector<FormPlace> LayOutForm(const std::vector<FormItem>& items);
