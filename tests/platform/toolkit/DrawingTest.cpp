#include <png.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "TestSupport/TemporaryFiles.h"
#include "ToolkitFixture.h"

namespace {

// Writes a small RGBA PNG.
bool WriteTestPng(const std::filesystem::path& file, uint32_t width, uint32_t height,
                  const std::vector<uint8_t>& rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, file.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}

// Paints a red square into the drawn control's bounds, flipped to window coordinates.
OSStatus PaintBounds(EventRef event, void* count) {
  ++*static_cast<int*>(count);
  CGContextRef context = GetEventDrawingContext(event);
  Rect r;
  GetControlBounds(GetEventControl(event), &r);
  CGContextTranslateCTM(context, 0, context->Height());
  CGContextScaleCTM(context, 1, -1);
  CGContextSetRGBFillColor(context, 1, 0, 0, 1);
  CGContextFillRect(context, CGRectMake(r.left, r.top, RectWidth(r), RectHeight(r)));
  return noErr;
}

const EventTypeSpec kDraw{kEventClassControl, kEventControlDraw};

using DrawingTest = ToolkitTest;

TEST_F(DrawingTest, RedrawCountsTheNamedControlAndDrawsShownContents) {
  WindowRef window = Open("Panel");
  ControlRef pane = Find(window, "crvl", 129);
  ControlRef label = Find(window, "pane", 11);
  ControlRef hiddenPane = Find(window, "crvl", 130);
  int labelDraws = 0, hiddenDraws = 0;
  InstallControlEventHandler(label, PaintBounds, 1, &kDraw, &labelDraws, nullptr);
  InstallControlEventHandler(hiddenPane, PaintBounds, 1, &kDraw, &hiddenDraws, nullptr);

  Draw1Control(pane);
  EXPECT_EQ(GetControlRedrawCount(pane), 1u);
  EXPECT_EQ(GetControlRedrawCount(label), 0u);  // drawn, but not asked for by name
  EXPECT_EQ(labelDraws, 1);

  DrawControls(window);
  EXPECT_EQ(GetControlRedrawCount(label), 1u);
  EXPECT_EQ(labelDraws, 2);
  EXPECT_EQ(hiddenDraws, 0);  // hidden controls are not drawn

  SetControlVisibility(label, false, false);  // hide without redrawing
  EXPECT_EQ(GetControlRedrawCount(label), 1u);

  // The label sits at window rect (top 197, left 15, 150 x 20); device space is bottom-up, 300
  // high.
  const std::vector<DrawOperation> ops = GetControlLastDrawing(label);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].kind, DrawOperation::Kind::FillRect);
  EXPECT_EQ(ops[0].deviceRect, CGRectMake(15, 300 - 217, 150, 20));
}

TEST_F(DrawingTest, TransformsComposeAndInvert) {
  CGContext context(100, 50);
  context.Translate(10, 20);
  context.Scale(2, -1);
  const CGPoint p = CGPointApplyAffineTransform({3, 4}, context.CTM());
  EXPECT_DOUBLE_EQ(p.x, 16);
  EXPECT_DOUBLE_EQ(p.y, 16);
  const CGPoint back = CGPointApplyAffineTransform(p, CGAffineTransformInvert(context.CTM()));
  EXPECT_DOUBLE_EQ(back.x, 3);
  EXPECT_DOUBLE_EQ(back.y, 4);
}

TEST_F(DrawingTest, DecodesPngFilesAndRefusesOthers) {
  TemporaryFolder folder;
  const auto file = folder.path() / "test.png";
  std::vector<uint8_t> pixels(3 * 2 * 4, 0);
  pixels[4 * 5] = 255;  // last pixel red
  pixels[4 * 5 + 3] = 255;
  ASSERT_TRUE(WriteTestPng(file, 3, 2, pixels));

  CGImageRef decoded = CGImageCreateWithPNGFile(file, true, kCGRenderingIntentDefault);
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(decoded->Width(), 3u);
  EXPECT_EQ(decoded->Height(), 2u);
  EXPECT_EQ(decoded->Pixels(), pixels);
  EXPECT_TRUE(decoded->ShouldInterpolate());

  // Beyond 4096 pixels a side an image is refused rather than decoded into up to a gigabyte.
  const auto wide = folder.path() / "wide.png", tall = folder.path() / "tall.png";
  ASSERT_TRUE(WriteTestPng(wide, 4097, 1, std::vector<uint8_t>(4097 * 4)));
  ASSERT_TRUE(WriteTestPng(tall, 1, 4097, std::vector<uint8_t>(4097 * 4)));
  for (const std::filesystem::path& refused :
       {std::filesystem::path(CORVEL_SOURCE_DIR "/tests/platform/toolkit/data/Sample.xml"),
        std::filesystem::path("/nonexistent.png"), folder.path(), wide, tall})
    EXPECT_EQ(CGImageCreateWithPNGFile(refused, true, kCGRenderingIntentDefault), nullptr)
        << refused;
  ASSERT_TRUE(WriteTestPng(wide, 4096, 1, std::vector<uint8_t>(4096 * 4)));
  EXPECT_NE(CGImageCreateWithPNGFile(wide, true, kCGRenderingIntentDefault), nullptr);

  // Pixels are decoded when first asked for: a file cut short after its header gives none.
  std::filesystem::resize_file(file, 60);
  CGImageRef cut = CGImageCreateWithPNGFile(file, true, kCGRenderingIntentDefault);
  ASSERT_NE(cut, nullptr);
  EXPECT_TRUE(cut->Pixels().empty());
  EXPECT_EQ(decoded->Pixels(), pixels) << "decoded before the file was cut";
}

TEST_F(DrawingTest, TextMeasurementFollowsTextSizeAndWeight) {
  const int32_t normal = MeasureTextWidth("Staple position", kSystemFontSize);
  EXPECT_GT(normal, 40);
  EXPECT_LT(MeasureTextWidth("Staple position", kSmallSystemFontSize), normal);
  EXPECT_GT(MeasureTextWidth("Staple position", kSystemFontSize, true), normal);
  EXPECT_GT(MeasureTextWidth("Staple positions", kSystemFontSize), normal);
  EXPECT_EQ(MeasureTextWidth("", kSystemFontSize), 0);
  EXPECT_GT(MeasureTextWidth("\xff\xfe broken", kSystemFontSize), 0);  // invalid UTF-8 is measured

  WindowRef window = Open("Panel");
  MenuRef menu = GetControlPopupMenuHandle(Find(window, "pane", 3));
  EXPECT_EQ(GetMenuWidth(menu, kSystemFontSize),
            std::max({MeasureTextWidth("Alpha", kSystemFontSize),
                      MeasureTextWidth("Beta", kSystemFontSize),
                      MeasureTextWidth("Gamma", kSystemFontSize)}) +
                kMenuHorizontalMargins);
}

}  // namespace
