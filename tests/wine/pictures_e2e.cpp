// The stand-in product's resource library under Wine: loaded by its bare name from
// the program's folder as the frames load it, its pictures read and decoded by the
// Windows Imaging Component to exactly the pixels they were drawn with (which the
// native tests hold the libpng decoder to as well). Prints one line per check and
// "N passed, N failed". Usage: kxua_pictures_e2e PICTURES_DIR
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "ui/pictures.h"

namespace {

using namespace kxua;

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  (ok ? passed : failed)++;
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The pixels the artwork was drawn with, as the generator wrote them beside the PNG.
std::optional<platform::Bitmap> DrawnPixels(const std::wstring& folder, const std::wstring& name) {
  auto bytes = platform::Get().ReadFile(folder + L"\\" + name + L".argb");
  if (!bytes || bytes->size() < 8) return std::nullopt;
  platform::Bitmap bitmap;
  std::uint32_t size[2];
  std::memcpy(size, bytes->data(), 8);
  bitmap.width = static_cast<int>(size[0]);
  bitmap.height = static_cast<int>(size[1]);
  bitmap.pixels.resize((bytes->size() - 8) / 4);
  std::memcpy(bitmap.pixels.data(), bytes->data() + 8, bitmap.pixels.size() * 4);
  return bitmap;
}

bool Same(const std::optional<platform::Bitmap>& a, const std::optional<platform::Bitmap>& b) {
  return a && b && a->width == b->width && a->height == b->height && a->pixels == b->pixels;
}

std::optional<platform::Bitmap> Decode(const std::vector<std::uint8_t>& bytes) {
  return platform::Get().DecodePng(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring folder = Widen(argc > 1 ? argv[1] : ".");
  platform::Platform& system = platform::Get();

  const platform::ModuleHandle module = system.LoadModule(L"KXUAResources.dll");
  Check(module != 0, "KXUAResources.dll loads by its bare name from the program's folder");

  const std::uint32_t ids[] = {500, 501, 502, 503, 504, 505, 506, 507, 508, 509,
                               510, 511, 512, 513, 519, 520, 621, 622, 623, 624,
                               625, 626, 627, 628, 3146, 3148, 3173, 3174};
  for (std::uint32_t id : ids) {
    auto bytes = system.ReadResource(module, id, L"PNG");
    Check(bytes && Same(Decode(*bytes), DrawnPixels(folder, std::to_wstring(id))),
          "resource " + std::to_string(id) + " decodes through WIC to the drawn pixels");
  }
  Check(!system.ReadResource(module, 9999, L"PNG"), "a missing id gives nothing");
  Check(!system.ReadResource(module, 500, L"BMP"), "another type gives nothing");

  auto metro = system.ReadFile(folder + L"\\MetroAlert.png");
  Check(metro && Same(Decode(*metro), DrawnPixels(folder, L"MetroAlert")),
        "MetroAlert.png is read from its folder and decodes to the drawn pixels");
  Check(!system.ReadFile(folder + L"\\missing.png"), "a missing file gives nothing");

  if (auto png = system.ReadResource(module, 3173, L"PNG")) {
    bool none = true;
    for (std::size_t length : {std::size_t{0}, std::size_t{8}, std::size_t{33}, png->size() / 2,
                               png->size() - 13})
      none = none && !Decode(std::vector<std::uint8_t>(png->begin(), png->begin() + length));
    Check(none, "truncated pictures give nothing");
    std::vector<std::uint8_t> huge = *png;
    huge[16] = 0x7F;  // width of 2^30 and more, with the header's checksum now wrong
    Check(!Decode(huge), "a damaged header gives nothing");
  }

  // Without COM on the thread, decoding fails quietly.
  bool decodedWithoutCom = true;
  std::thread([&] {
    auto png = system.ReadResource(module, 500, L"PNG");
    decodedWithoutCom = png && Decode(*png).has_value();
  }).join();
  Check(!decodedWithoutCom, "a thread without COM gets nothing and no crash");

  system.UnloadModule(module);
  {
    ui::PictureModule frame(L"KXUAResources.dll");
    ui::Picture risk = frame.FromResource(504);
    Check(risk && risk->width == 31 && risk->height == 23 && frame.FromResource(504) == risk,
          "a frame's picture module decodes once and keeps the picture");
  }
  Check(GetModuleHandleW(L"KXUAResources.dll") == nullptr,
        "the library is unloaded once its holders are gone");

  std::printf("%d passed, %d failed\n", passed, failed);
  CoUninitialize();
  return failed == 0 ? 0 : 1;
}
