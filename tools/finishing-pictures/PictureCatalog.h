#pragma once
// The finishing pictures the Output pane shows, by file name: what each one depicts and on
// which shape of canvas. Staple and punch pictures come in a portrait and a landscape set (the
// landscape file has "_Landscape" before ".png"); the booklet and fold pictures in one set.
#include <string>
#include <variant>
#include <vector>

// Where staples go: a corner (one staple) or an edge (two staples along it).
enum class StaplePlace {
  None,
  TopLeft,
  BottomLeft,
  TopRight,
  BottomRight,
  Top,
  Bottom,
  Left,
  Right
};
enum class SheetEdge { Left, Right, Top };
enum class FoldKind { None, Saddle, TriFoldZ, Z, TriFoldC };

struct StapleFinishing {
  StaplePlace place;
  int count;  // 0 for none
};
struct PunchFinishing {
  int holes;  // 0 for none
  SheetEdge edge;
};
struct BookletFinishing {
  bool stapled;  // fold and staple, or fold only
};
using Finishing = std::variant<StapleFinishing, PunchFinishing, BookletFinishing, FoldKind>;

enum class CanvasShape { Portrait, Landscape };

struct Picture {
  std::string fileName;
  CanvasShape shape;
  Finishing finishing;
};

// Every picture, each file name once.
std::vector<Picture> PictureCatalog();
