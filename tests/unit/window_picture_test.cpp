// Pictures of simulated windows, drawn from their display lists, and the PNG
// encoder, whose output the decoder must read back exactly.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/sim/sim_platform.h"

namespace kxua {
namespace {

using platform::Bitmap;
using platform::Canvas;

// A window that paints with `paint` and counts its paints.
class Painted final : public platform::WindowHandler {
 public:
  Painted(sim::SimPlatform& sim, std::function<void(Canvas&)> paint)
      : sim_(sim), paint_(std::move(paint)) {}
  std::intptr_t HandleMessage(const platform::Message& message) override {
    if (message.id != platform::msg::Paint) return sim_.DefaultHandling(message);
    ++paints;
    sim_.PaintWindow(message.window, paint_);
    return 0;
  }
  int paints = 0;

 private:
  sim::SimPlatform& sim_;
  std::function<void(Canvas&)> paint_;
};

TEST(SimCaptureWindow, DrawsTheWindowAndItsShownChildrenAfterTheirPendingPaints) {
  sim::SimPlatform sim;
  const int cell = sim::SimPlatform::CharWidth(platform::Font{});
  const int line = sim::SimPlatform::LineHeight(platform::Font{});
  const Bitmap picture{2, 1, {0xFFFF0000, 0x00FF0000}};  // opaque red, then transparent
  Painted parent(sim, [&](Canvas& canvas) {
    canvas.FillRect({0, 0, 60, 40}, 0x00336699);
    canvas.PushClip({0, 0, 10, 40});
    canvas.FillRect({0, 0, 60, 40}, 0x00000080);
    canvas.PopClip();
    canvas.FrameRect({40, 0, 60, 10}, 0x00FF0000, 2);
    canvas.Line({12, 30}, {20, 30}, 0x0000FFFF);
    canvas.DrawBitmap({30, 30, 34, 32}, picture, 255);
    canvas.DrawText({12, 12, 44, 12 + line}, platform::Font{}, 0, L"A B", 0);
  });
  Painted child(sim, [](Canvas& canvas) { canvas.FillRect({0, 0, 30, 30}, 0x0000FF00); });
  Painted hidden(sim, [](Canvas& canvas) { canvas.FillRect({0, 0, 30, 30}, 0x000000FF); });
  const auto top = sim.CreateWindow({0, 0, {100, 50, 160, 90}, L"top"}, &parent);
  // Partly outside its parent, which cuts it.
  const auto inner = sim.CreateWindow({top, 0, {48, 30, 70, 50}, L"child"}, &child);
  sim.CreateWindow({top, 0, {0, 0, 5, 5}, L"hidden"}, &hidden);  // never shown
  sim.Show(inner);
  sim.Show(top);  // shown windows need painting, as on the system

  const std::optional<Bitmap> shot = sim.CaptureWindow(top);
  ASSERT_TRUE(shot);
  EXPECT_EQ(1, parent.paints) << "the pending paint ran first";
  EXPECT_EQ(1, child.paints);
  EXPECT_EQ(0, hidden.paints);
  ASSERT_EQ(60, shot->width);
  ASSERT_EQ(40, shot->height);
  const auto at = [&](int x, int y) { return shot->pixels[static_cast<std::size_t>(y) * 60 + x]; };
  const std::uint32_t back = 0xFF996633;  // 0x00336699 as a pixel
  const struct {
    int x, y;
    std::uint32_t pixel;
    const char* what;
  } cases[] = {
      {30, 20, back, "the fill"},
      {0, 0, 0xFF800000, "a fill inside its clip"},
      {9, 39, 0xFF800000, "the clip's far corner"},
      {10, 20, back, "nothing outside the clip"},
      {41, 1, 0xFF0000FF, "the frame's border"},
      {45, 5, back, "inside the frame"},
      {12, 30, 0xFFFFFF00, "the line's start"},
      {19, 30, 0xFFFFFF00, "the line's last point"},
      {20, 30, back, "not the line's end"},
      {31, 31, 0xFFFF0000, "an opaque picture pixel, scaled"},
      {33, 31, back, "a transparent one"},
      {12, 12 + line / 2, 0xFF000000, "a character's block"},
      {12 + cell + 1, 12 + line / 2, back, "a space"},
      {12 + 2 * cell, 12 + line / 2, 0xFF000000, "the next character"},
      {12, 12, back, "above the blocks"},
      {50, 32, 0xFF00FF00, "the child, above its parent"},
      {59, 39, 0xFF00FF00, "the child up to the parent's edge"},
      {2, 2, 0xFF800000, "not the hidden child"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.pixel, at(c.x, c.y)) << c.what << " at " << c.x << "," << c.y;

  sim.SetBounds(top, {100, 50, 170, 90});
  ASSERT_TRUE(sim.CaptureWindow(top));
  EXPECT_EQ(2, parent.paints) << "a window that grew paints again";
  EXPECT_EQ(1, child.paints);

  sim.Hide(top);
  EXPECT_FALSE(sim.CaptureWindow(top)) << "hidden";
  EXPECT_FALSE(sim.CaptureWindow(inner)) << "inside a hidden window";
  sim.Show(top);
  sim.SetBounds(top, {100, 50, 100, 90});
  EXPECT_FALSE(sim.CaptureWindow(top)) << "empty";
  sim.DestroyWindow(top);
  EXPECT_FALSE(sim.CaptureWindow(top)) << "gone";
}

TEST(SimEncodePng, DecodesToTheSamePixelsAndRefusesWhatIsNotAPicture) {
  sim::SimPlatform sim;
  const Bitmap bitmap{3, 2, {0xFF102030, 0x80FFFFFF, 0x00000000, 0xFF0000FF, 0x01020304, 0xFFFFFFFF}};
  const std::vector<std::uint8_t> png = sim.EncodePng(bitmap);
  const std::optional<Bitmap> back = sim.DecodePng(png.data(), png.size());
  ASSERT_TRUE(back);
  EXPECT_EQ(3, back->width);
  EXPECT_EQ(2, back->height);
  EXPECT_EQ(bitmap.pixels, back->pixels);

  const Bitmap refused[] = {
      {0, 2, {}},
      {2, 2, {0, 0, 0}},  // a pixel short
      {platform::Images::kLargestSide + 1, 1,
       std::vector<std::uint32_t>(platform::Images::kLargestSide + 1)},
  };
  for (const Bitmap& b : refused) EXPECT_TRUE(sim.EncodePng(b).empty()) << b.width << "x" << b.height;
}

}  // namespace
}  // namespace kxua
