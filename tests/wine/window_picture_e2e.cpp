// Pictures of real windows and the imaging component's PNG encoder under Wine: a
// window shown and captured at once comes with its first paint and its children,
// whatever covers it and however transparent it is; the PNG file carries its size
// and decodes to the same pixels. The picture is written to the path given as the
// first argument. Prints one line per check and "N passed, N failed".
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "tests/wine/check.h"

namespace {

using namespace kxua;
using wine::Check;

// A window that paints with `paint` and counts its paints.
class Painted final : public platform::WindowHandler {
 public:
  explicit Painted(std::function<void(platform::Canvas&)> paint) : paint_(std::move(paint)) {}
  std::intptr_t HandleMessage(const platform::Message& message) override {
    if (message.id != platform::msg::Paint) return platform::Get().DefaultHandling(message);
    ++paints;
    platform::Get().PaintWindow(message.window, paint_);
    return 0;
  }
  int paints = 0;

 private:
  std::function<void(platform::Canvas&)> paint_;
};

Painted Filled(platform::Color color) {
  return Painted([color](platform::Canvas& canvas) { canvas.FillRect({0, 0, 4096, 4096}, color); });
}

std::uint32_t BigEndian(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (static_cast<int>(end - GetTickCount()) > 0) {
    platform::Get().ProcessPendingMessages();
    Sleep(5);
  }
}

}  // namespace

int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::string path = argc > 1 ? argv[1] : "window_picture_e2e.png";
  platform::Platform& system = platform::Get();
  const std::uint32_t toast = platform::exstyle::TopMost | platform::exstyle::ToolWindow |
                              platform::exstyle::NoActivate;

  // Colours are 0x00BBGGRR in a layout and 0xAARRGGBB in a picture.
  Painted parent([](platform::Canvas& canvas) {
    canvas.FillRect({0, 0, 120, 80}, 0x00336699);
    canvas.FillRect({0, 0, 120, 20}, 0x00000080);
  });
  Painted child = Filled(0x0000FF00);
  const auto top = system.CreateWindow({0, toast, {200, 150, 320, 230}, L"picture"}, &parent);
  const auto inner = system.CreateWindow({top, 0, {60, 40, 100, 70}, L"child"}, &child);
  system.Show(inner);
  system.Show(top);

  const std::optional<platform::Bitmap> shot = system.CaptureWindow(top);  // no pumping first
  Check(parent.paints > 0 && child.paints > 0, "the capture ran the first paints");
  Check(shot && shot->width == 120 && shot->height == 80, "the picture has the window's size");
  const auto at = [&](const std::optional<platform::Bitmap>& b, int x, int y) {
    return b && x < b->width && y < b->height ? b->pixels[static_cast<std::size_t>(y) * b->width + x] : 0u;
  };
  Check(at(shot, 5, 5) == 0xFF800000, "the header band has its colour");
  Check(at(shot, 5, 60) == 0xFF996633, "the body has its colour");
  Check(at(shot, 70, 50) == 0xFF00FF00, "the child window shows in it");
  Check(at(shot, 119, 79) == 0xFF996633, "the far corner is the window's");

  if (shot) {
    const std::vector<std::uint8_t> png = system.EncodePng(*shot);
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Check(png.size() > 33 && std::memcmp(png.data(), signature, 8) == 0 &&
              std::memcmp(png.data() + 12, "IHDR", 4) == 0 && BigEndian(png.data() + 16) == 120 &&
              BigEndian(png.data() + 20) == 80,
          "the imaging component writes a PNG of that size");
    const std::optional<platform::Bitmap> decoded = system.DecodePng(png.data(), png.size());
    Check(decoded && decoded->width == 120 && decoded->height == 80 && decoded->pixels == shot->pixels,
          "the PNG decodes to the captured pixels");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    std::printf("picture: %s\n", path.c_str());
  }

  // Another top-most window over it, and the window half transparent, as a toast
  // is while it fades.
  Painted cover = Filled(0x00FF0000);
  const auto above = system.CreateWindow({0, toast, {180, 140, 260, 200}, L"cover"}, &cover);
  system.Show(above);
  system.SetAlpha(top, true, 128);
  Pump(200);
  const std::optional<platform::Bitmap> covered = system.CaptureWindow(top);
  Check(at(covered, 5, 5) == 0xFF800000 && at(covered, 30, 30) == 0xFF996633,
        "a window above it and its transparency leave the picture as it is");
  system.DestroyWindow(above);

  const platform::Bitmap bad{2, 2, {0, 0, 0}};
  Check(system.EncodePng(bad).empty(), "a bitmap short of pixels is not encoded");
  bool encodedWithoutCom = true;
  std::thread([&] {
    encodedWithoutCom = shot && !system.EncodePng(*shot).empty();
  }).join();
  Check(!encodedWithoutCom, "a thread without COM gets nothing and no crash");

  system.Hide(top);
  Check(!system.CaptureWindow(top), "a hidden window gives nothing");
  system.DestroyWindow(top);
  Check(!system.CaptureWindow(top), "a destroyed window gives nothing");

  CoUninitialize();
  return wine::Summary();
}
