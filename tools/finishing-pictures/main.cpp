// finishing-pictures FOLDER: draws every finishing picture of the Output pane as a PNG file into
// FOLDER (made when missing), and a twice-as-large "@2x" copy for displays that scale by 2,
// replacing only the files whose pictures changed. Exits 0 when all are in place, 1 on a usage
// error, 2 when a picture could not be drawn or written.
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <type_traits>

#include "CairoOwners.h"
#include "CommandLineOptions.h"
#include "FoldDrawing.h"
#include "PictureCatalog.h"
#include "PngFile.h"
#include "SheetDrawing.h"

namespace {

constexpr int kUsage = 1;
constexpr const char* kUsageText =
    "usage: finishing-pictures FOLDER\n"
    "Draws the Output pane's finishing pictures as PNG files into FOLDER, each also at twice the\n"
    "size (\"@2x\"), rewriting only the pictures that changed.\n";

constexpr int kShortSide = 64;
constexpr int kLongSide = 80;
constexpr double kSheetMargin = 4;
// Each picture is drawn for ordinary displays and, twice as sharp, for those that scale by 2.
constexpr int kScales[] = {1, 2};
constexpr double kProfileHeight = 16;  // the edge-on view under a fold picture's sheet

void DrawFinishing(cairo_t* cr, int width, int height, const Finishing& finishing) {
  const Box sheet{kSheetMargin, kSheetMargin, width - 2 * kSheetMargin, height - 2 * kSheetMargin};
  std::visit(
      [&](const auto& f) {
        using Kind = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<Kind, FoldKind>) {
          const double frontHeight = sheet.height - kProfileHeight - 6;
          DrawFold(cr, Box{sheet.x, sheet.y, sheet.width, frontHeight},
                   Box{sheet.x, sheet.y + frontHeight + 6, sheet.width, kProfileHeight}, f);
        } else if constexpr (std::is_same_v<Kind, BookletFinishing>) {
          DrawBooklet(cr, sheet, f);
        } else {
          DrawSheet(cr, sheet);
          DrawTextLines(cr, sheet, kSheetTextInset);
          if constexpr (std::is_same_v<Kind, StapleFinishing>)
            DrawStaples(cr, sheet, f);
          else
            DrawPunchHoles(cr, sheet, f);
        }
      },
      finishing);
}

// The picture's file for a display scale: "Name.png" at 1, "Name@2x.png" at 2.
std::string FileNameAtScale(const std::string& fileName, int scale) {
  if (scale == 1) return fileName;
  const std::filesystem::path name = fileName;
  return name.stem().string() + "@" + std::to_string(scale) + "x" + name.extension().string();
}

// Draws one picture on a transparent canvas of `scale` pixels per picture pixel and writes it; a
// description of the failure, or null.
const char* WritePicture(const Picture& picture, int scale, const std::filesystem::path& folder) {
  const bool portrait = picture.shape == CanvasShape::Portrait;
  const int width = portrait ? kShortSide : kLongSide;
  const int height = portrait ? kLongSide : kShortSide;
  const SurfaceOwner surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * scale, height * scale));
  const ContextOwner cr(cairo_create(surface.get()));
  cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_BEST);
  cairo_scale(cr.get(), scale, scale);
  DrawFinishing(cr.get(), width, height, picture.finishing);
  cairo_surface_flush(surface.get());
  std::string png;
  cairo_status_t status = cairo_status(cr.get());
  if (status == CAIRO_STATUS_SUCCESS) status = EncodePng(surface.get(), png);
  if (status != CAIRO_STATUS_SUCCESS) return cairo_status_to_string(status);
  return WriteFileIfChanged(folder / FileNameAtScale(picture.fileName, scale), png)
             ? nullptr
             : "the file cannot be written";
}

}  // namespace

int main(int argc, char** argv) {
  const ScannedCommandLine line = ScanCommandLine(argc, argv, {});
  if (const std::optional<int> end =
          EndAtHelpOrMistake("finishing-pictures", kUsageText, line.outcome,
                             OneOperandMistake(line, "FOLDER"), kUsage))
    return *end;
  const std::filesystem::path folder = line.operands.front();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "finishing-pictures: cannot make %s: %s\n", folder.c_str(),
                 error.message().c_str());
    return 2;
  }
  for (const Picture& picture : PictureCatalog()) {
    for (int scale : kScales) {
      if (const char* failure = WritePicture(picture, scale, folder)) {
        std::fprintf(stderr, "finishing-pictures: %s: %s\n",
                     (folder / FileNameAtScale(picture.fileName, scale)).c_str(), failure);
        return 2;
      }
    }
  }
  return 0;
}
