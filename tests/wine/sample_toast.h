// The sample toast of tests/layouts on the real platform: synthetic pictures drawn
// in code (no image files), a button colour for the colour ids, and a top-most
// form holding the frame, as the host shows an alert.
#pragma once

#include <cmath>
#include <memory>
#include <string>

#include "tests/layouts/layouts.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/kxua_resources.h"

namespace kxua::sample {

constexpr platform::Color kButtonColor = 0x00B07A1F;  // 0x00BBGGRR

// Pictures by id: a round risk badge (500), arrows (505-512) and an "i" (3174).
class SyntheticPictures final : public ui::PictureSource {
 public:
  std::shared_ptr<const platform::Bitmap> Png(int id) override {
    auto picture = std::make_shared<platform::Bitmap>();
    if (id >= 505 && id <= 512) {
      Arrow(*picture, id <= 508, id);
    } else {
      Disc(*picture, id == 3174 ? 18 : 40, id == 3174 ? 0xFF1F7AB0u : 0xFF2EB872u, id == 3174);
    }
    return picture;
  }

 private:
  static void Disc(platform::Bitmap& b, int size, std::uint32_t colour, bool info) {
    b.width = b.height = size;
    b.pixels.assign(static_cast<std::size_t>(size) * size, 0);
    const double r = size / 2.0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const double d = std::hypot(x + 0.5 - r, y + 0.5 - r);
        const double cover = std::clamp(r - d, 0.0, 1.0);  // smooth edge
        // A white mark: an "i" on the info disc, a shield-like bar and dot on the badge.
        const double cx = std::abs(x + 0.5 - r), fy = (y + 0.5) / size;
        const bool stem = cx < size / 10.0 && fy > (info ? 0.42 : 0.22) && fy < (info ? 0.78 : 0.62);
        const bool dot = cx < size / 10.0 && fy > (info ? 0.2 : 0.7) && fy < (info ? 0.32 : 0.8);
        const std::uint32_t c = stem || dot ? 0xFFFFFFFFu : colour;
        const auto alpha = static_cast<std::uint32_t>(cover * 255.0 + 0.5);
        b.pixels[static_cast<std::size_t>(y) * size + x] = (alpha << 24) | (c & 0x00FFFFFF);
      }
  }

  static void Arrow(platform::Bitmap& b, bool left, int id) {
    b.width = 12;
    b.height = 13;
    b.pixels.assign(12 * 13, 0);
    const int state = (id - 505) % 4;  // up, over, clicked, disabled
    const std::uint32_t colours[] = {0xFF2B5F8Au, 0xFF1F7AB0u, 0xFF0F4F80u, 0xFFB8C2CCu};
    const std::uint32_t colour = colours[state];
    for (int y = 0; y < 13; ++y) {
      const int half = 6 - std::abs(y - 6);
      for (int x = 0; x < 12; ++x) {
        const int from = left ? 9 - half : 2;
        const int to = left ? 9 : 2 + half;
        if (x >= from && x <= to) b.pixels[static_cast<std::size_t>(y) * 12 + x] = colour;
      }
    }
  }
};

inline void InstallSources() {
  ui::KXUAResourcePath::SetPictureSourceFactory(
      [](const std::wstring&) -> std::shared_ptr<ui::PictureSource> {
        return std::make_shared<SyntheticPictures>();
      });
  ui::KXUAColors::SetColorLookup([](const std::wstring& id) -> std::optional<platform::Color> {
    if (id == L"IDS_ALERT_BUTTON_COLOR") return kButtonColor;
    return std::nullopt;
  });
}

class SampleFrame final : public ui::Frame {
 public:
  SampleFrame(ui::Component* owner, platform::WindowHandle host) : ui::Frame(owner, host) {}
  std::wstring ClassName() const override { return L"TfrSampleToast"; }
};

// The host's one-pixel edge around the frame.
constexpr int kEdge = 1;

}  // namespace kxua::sample
