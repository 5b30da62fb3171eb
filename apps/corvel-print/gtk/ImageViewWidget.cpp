// Image views: the view's image scaled to fit, centred, keeping its proportions.
#include <gtkmm/drawingarea.h>

#include <algorithm>

#include "ControlWidgetKinds.h"
#include "ImagePainting.h"
#include "platform/toolkit/Controls.h"

namespace {

class ImageViewWidget : public ControlWidget {
 public:
  ImageViewWidget(ControlRef control, MirrorInput& input) : ControlWidget(control, input) {
    mArea.set_draw_func([this](const Cairo::RefPtr<Cairo::Context>& cr, int width, int height) {
      const CGImageRef image = HIImageViewCopyImage(mControl);
      if (!image || image->Width() == 0 || image->Height() == 0) return;
      const double scale =
          std::min(double(width) / image->Width(), double(height) / image->Height());
      const double w = image->Width() * scale;
      const double h = image->Height() * scale;
      PaintImage(cr, *image, (width - w) / 2, (height - h) / 2, w, h);
    });
  }
  Gtk::Widget& Outer() override { return mArea; }
  void Redraw() override { mArea.queue_draw(); }

 private:
  void Refresh() override { mArea.queue_draw(); }

  Gtk::DrawingArea mArea;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeImageViewWidget(ControlRef control, MirrorInput& input) {
  return std::make_unique<ImageViewWidget>(control, input);
}
