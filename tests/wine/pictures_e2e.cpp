// The stand-in product's resource library under Wine: loaded by its bare name from
// the program's folder as the frames load it, its pictures read and decoded by the
// Windows Imaging Component to exactly the pixels they were drawn with (which the
// native tests hold the libpng decoder to as well). Prints one line per check and
// "N passed, N failed". Usage: kxua_pictures_e2e PICTURES_DIR
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "ui/pictures.h"
#include "tests/wine/check.h"

namespace {

using namespace kxua;

void Check(bool ok, const std::string& what) { wine::Check(ok, what.c_str()); }

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

// A PNG chunk with its checksum.
std::vector<std::uint8_t> Chunk(const char* type, std::vector<std::uint8_t> data) {
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::uint8_t byte : body) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320 : 0);
  }
  crc = ~crc;
  std::vector<std::uint8_t> chunk;
  for (std::uint32_t value : {static_cast<std::uint32_t>(data.size()), crc}) {
    for (int shift = 24; shift >= 0; shift -= 8) chunk.push_back(static_cast<std::uint8_t>(value >> shift));
    if (chunk.size() == 4) chunk.insert(chunk.end(), body.begin(), body.end());
  }
  return chunk;
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
  if (auto png = system.ReadResource(module, 3173, L"PNG")) {
    // The picture with its header chunk rebuilt here: first as it was, then
    // claiming 100000 x 100000 pixels over the same few bytes of data.
    auto withHeader = [&](std::vector<std::uint8_t> header) {
      std::vector<std::uint8_t> out(png->begin(), png->begin() + 8);
      auto chunk = Chunk("IHDR", std::move(header));
      out.insert(out.end(), chunk.begin(), chunk.end());
      out.insert(out.end(), png->begin() + 33, png->end());
      return out;
    };
    std::vector<std::uint8_t> header(png->begin() + 16, png->begin() + 29);
    Check(Decode(withHeader(header)).has_value(), "a rebuilt header decodes as before");
    const std::uint8_t side[4] = {0x00, 0x01, 0x86, 0xA0};  // 100000, big-endian
    std::copy(side, side + 4, header.begin());      // width
    std::copy(side, side + 4, header.begin() + 4);  // height
    Check(!Decode(withHeader(header)), "a header beyond the size limit gives nothing");
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

  CoUninitialize();
  return wine::Summary();
}
