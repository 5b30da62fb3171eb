#include "ImagePainting.h"

#include <cairomm/surface.h>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Windows.h"

namespace {

// Cairo wants premultiplied pixels in native-endian ARGB words.
Cairo::RefPtr<Cairo::ImageSurface> SurfaceOf(const CGImage& image) {
  auto surface = Cairo::ImageSurface::create(Cairo::Surface::Format::ARGB32, int(image.Width()),
                                             int(image.Height()));
  surface->flush();
  unsigned char* data = surface->get_data();
  const int stride = surface->get_stride();
  const std::vector<uint8_t>& rgba = image.Pixels();
  for (uint32_t row = 0; row < image.Height(); ++row) {
    auto* out = reinterpret_cast<uint32_t*>(data + size_t(row) * size_t(stride));
    for (uint32_t column = 0; column < image.Width(); ++column) {
      const uint8_t* p = &rgba[(size_t(row) * image.Width() + column) * 4];
      const uint32_t alpha = p[3];
      const auto premultiply = [alpha](uint8_t c) { return uint32_t(c) * alpha / 255; };
      out[column] =
          alpha << 24 | premultiply(p[0]) << 16 | premultiply(p[1]) << 8 | premultiply(p[2]);
    }
  }
  surface->mark_dirty();
  return surface;
}

}  // namespace

void PaintImage(const Cairo::RefPtr<Cairo::Context>& cr, const CGImage& picture, double x, double y,
                double width, double height) {
  // GTK records this drawing and rasterises it at the display's scale, so the sharper copy of
  // the picture, where the bundle has one, serves every scale.
  const std::shared_ptr<const CGImage> sharper = picture.DoubleResolution();
  const CGImage& image = sharper && !sharper->Pixels().empty() ? *sharper : picture;
  // A picture whose pixel data turned out unreadable is left out.
  if (image.Pixels().size() < size_t(image.Width()) * image.Height() * 4 || image.Width() == 0)
    return;
  cr->save();
  cr->rectangle(x, y, width, height);
  cr->clip();
  cr->translate(x, y);
  cr->scale(width / image.Width(), height / image.Height());
  cr->set_source(SurfaceOf(image), 0, 0);
  cr->paint();
  cr->restore();
}

void ReplayDrawing(const Cairo::RefPtr<Cairo::Context>& cr, ControlRef control) {
  Rect window;
  Rect bounds;
  if (GetWindowBounds(GetControlOwner(control), &window) != noErr ||
      GetControlBounds(control, &bounds) != noErr)
    return;
  const double portHeight = RectHeight(window);
  for (const DrawOperation& op : GetControlLastDrawing(control)) {
    const CGRect& r = op.deviceRect;
    const double x = r.origin.x - bounds.left;
    const double y = portHeight - r.origin.y - r.size.height - bounds.top;
    switch (op.kind) {
      case DrawOperation::Kind::ClearRect:
        cr->save();
        cr->set_operator(Cairo::Context::Operator::CLEAR);
        cr->rectangle(x, y, r.size.width, r.size.height);
        cr->fill();
        cr->restore();
        break;
      case DrawOperation::Kind::FillRect:
        cr->set_source_rgba(op.color.red, op.color.green, op.color.blue, op.color.alpha);
        cr->rectangle(x, y, r.size.width, r.size.height);
        cr->fill();
        break;
      case DrawOperation::Kind::DrawImage:
        if (op.image) PaintImage(cr, *op.image, x, y, r.size.width, r.size.height);
        break;
    }
  }
}
