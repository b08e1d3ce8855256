// The toolkit on a real screen: the sample toast in a top-most window, its link and
// a button clicked with real mouse input, and a screenshot of the result written
// to the path given as the first argument (a BMP). Prints one line per check and
// "N passed, N failed".
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/wine/check.h"
#include "tests/wine/real_input.h"
#include "tests/wine/sample_toast.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"

namespace {

using namespace kxua;

using wine::Check;
using wine::ClickAt;
using wine::Pump;
using wine::PumpUntil;

POINT ScreenPoint(ui::Control& control, int x, int y) {
  const platform::Point origin = control.OriginInWindow();
  POINT point{origin.x + x, origin.y + y};
  ClientToScreen(reinterpret_cast<HWND>(control.HostWindow()->Handle()), &point);
  return point;
}

// The window's pixels as the screen shows them, saved as a 24-bit BMP.
std::vector<std::uint32_t> Capture(HWND window, const std::string& path, int& width, int& height) {
  RECT rect{};
  GetWindowRect(window, &rect);
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, section);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + width * height);
  SelectObject(memory, previous);
  DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + stride * height;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  std::vector<char> row(static_cast<std::size_t>(stride), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      row[x * 3] = static_cast<char>(p & 0xFF);
      row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
    }
    out.write(row.data(), stride);
  }
  return pixels;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string shot = argc > 1 ? argv[1] : "toolkit_e2e.bmp";
  sample::InstallSources();

  ui::Form form(nullptr, platform::exstyle::TopMost | platform::exstyle::ToolWindow |
                             platform::exstyle::NoActivate);
  form.SetColor(0x00C0C0C0);
  form.SetBounds(120, 100, 446 + 2 * sample::kEdge, 305 + 2 * sample::kEdge);
  auto* frame = new sample::SampleFrame(&form, form.Handle());
  std::vector<std::string> calls;
  std::vector<std::wstring> anchors;
  ui::LoadLayout(TestLayout("sample_toast.layout.json"), *frame, [&](const std::string& name) -> ui::EventHandler {
    return [&calls, &anchors, name](const ui::Event& event) {
      calls.push_back(name);
      anchors.push_back(event.anchor);
    };
  });
  frame->SetBounds(sample::kEdge, sample::kEdge, frame->Width(), frame->Height());
  frame->Find<ui::KXUAResourcePath>(L"ResourcePath")->SetPathResource(L"KXUAResources.dll");
  form.SetVisible(true);
  HWND window = reinterpret_cast<HWND>(form.Handle());
  Pump(500);

  Check((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, "the window is top-most");
  Check(IsWindowVisible(reinterpret_cast<HWND>(frame->Handle())) != FALSE, "the frame is shown in it");

  auto called = [&](const char* name) {
    return [&calls, name] {
      for (const std::string& call : calls)
        if (call == name) return true;
      return false;
    };
  };

  // The link: the middle of the anchor's first run.
  auto& text1 = *frame->Find<ui::HtmlLabel>(L"Text1");
  const ui::HtmlLayout layout = text1.Layout();
  platform::Rect link{};
  for (const ui::HtmlFragment& fragment : layout.fragments)
    if (fragment.anchor == 0) {
      link = fragment.rect;
      break;
    }
  Check(link.Width() > 0, "the text has a link");
  ClickAt(ScreenPoint(text1, (link.left + link.right) / 2, (link.top + link.bottom) / 2));
  Check(PumpUntil(called("Text1AnchorClick"), 5000), "a real click on the link reaches OnAnchorClick");
  Check(called("Text1AnchorEnter")(), "the mouse entering the link raised OnAnchorEnter");
  bool anchorTarget = false;
  for (std::size_t i = 0; i < calls.size(); ++i)
    if (calls[i] == "Text1AnchorClick") anchorTarget = anchors[i] == L"#";
  Check(anchorTarget, "the click carries the anchor's target");

  auto& allow = *frame->Find<ui::KXUAButtonLuxEx>(L"BtnAllow");
  ClickAt(ScreenPoint(allow, allow.Width() / 2, allow.Height() / 2));
  Check(PumpUntil(called("BtnAllowClick"), 5000), "a real click on a button reaches its OnClick");

  // Move away so that the shot shows the resting state, then let it paint.
  ClickAt({5, 5});
  Pump(300);
  int width = 0, height = 0;
  const std::vector<std::uint32_t> pixels = Capture(window, shot, width, height);
  auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x] & 0x00FFFFFF; };
  // Screen pixels are 0x00RRGGBB.
  Check(width == 448 && height == 307, "the window is the frame plus its edge");
  Check(at(200, 5) == 0x1A5583, "the header band has its colour");
  Check(at(0, 150) == 0xC0C0C0, "the edge shows the form around the frame");
  const platform::Point button = allow.OriginInWindow();
  Check(at(sample::kEdge + button.x + 3, sample::kEdge + button.y + 3) == 0x1F7AB0,
        "the button has the colour of its colour id");
  auto& icon = *frame->Find<ui::Control>(L"MainIcon");
  const platform::Point iconOrigin = icon.OriginInWindow();
  Check(at(sample::kEdge + iconOrigin.x + icon.Width() / 2 - 12, sample::kEdge + iconOrigin.y + icon.Height() / 2) ==
            0x2EB872,
        "the picture from the resource path is drawn");
  bool dark = false;
  const platform::Point textOrigin = text1.OriginInWindow();
  for (int x = textOrigin.x; x < textOrigin.x + 100 && !dark; ++x)
    for (int y = textOrigin.y; y < textOrigin.y + 16 && !dark; ++y)
      dark = at(sample::kEdge + x, sample::kEdge + y) != 0xFFFFFF;
  Check(dark, "the text is drawn");
  std::printf("screenshot: %s\n", shot.c_str());

  return wine::Summary();
}
