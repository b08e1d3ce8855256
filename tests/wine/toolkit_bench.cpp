// Benchmark, not a test: how long creating, laying out and first painting the
// largest frame takes (446 x 305, the sample toast), and whether GDI and USER
// objects come back after 1,000 frames were created and destroyed. Prints figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/wine/bench_clock.h"
#include "tests/wine/sample_toast.h"

namespace {

using namespace kxua;

using wine::NowMs;

void DrainMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// One frame: created from its layout, laid out, shown and painted once.
void MakeFrame(ui::Form& form) {
  auto* frame = new sample::SampleFrame(&form, form.Handle());
  ui::LoadLayout(TestLayout("sample_toast.layout.json"), *frame,
                 [](const std::string&) -> ui::EventHandler { return [](const ui::Event&) {}; });
  frame->Find<ui::KXUAResourcePath>(L"ResourcePath")->SetPathResource(L"KXUAResources.dll");
  frame->SetBounds(sample::kEdge, sample::kEdge, frame->Width(), frame->Height());
  UpdateWindow(reinterpret_cast<HWND>(frame->Handle()));
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

unsigned NextGdiHandle() {
  HBRUSH probe = CreateSolidBrush(0);
  const auto slot = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(probe) & 0xFFFF);
  DeleteObject(probe);
  return slot;
}

void DestroyFrames(ui::Form& form) {
  while (!form.Components().empty()) delete form.Components().back();
}

}  // namespace

int main() {
  sample::InstallSources();
  ui::Form form(nullptr, platform::exstyle::TopMost | platform::exstyle::ToolWindow |
                             platform::exstyle::NoActivate);
  form.SetBounds(50, 50, 448, 307);
  form.SetVisible(true);
  DrainMessages();

  // Warm-up: the first frame also loads fonts and classes.
  MakeFrame(form);
  DestroyFrames(form);
  DrainMessages();

  const int samples = 200;
  std::vector<double> times;
  for (int i = 0; i < samples; ++i) {
    const double start = NowMs();
    MakeFrame(form);
    times.push_back(NowMs() - start);
    DestroyFrames(form);
    DrainMessages();
  }
  std::sort(times.begin(), times.end());
  std::printf("create + lay out + first paint of a 446 x 305 frame, %d samples:\n", samples);
  std::printf("  p50 %.2f ms   p99 %.2f ms   max %.2f ms\n", times[samples / 2],
              times[samples * 99 / 100], times.back());

  HANDLE process = GetCurrentProcess();
  const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
  const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
  const int windowsBefore = ThreadWindows();
  const unsigned handleBefore = NextGdiHandle();
  for (int i = 0; i < 1000; ++i) {
    MakeFrame(form);
    DestroyFrames(form);
    DrainMessages();
  }
  const DWORD gdiAfter = GetGuiResources(process, GR_GDIOBJECTS);
  const DWORD userAfter = GetGuiResources(process, GR_USEROBJECTS);
  const int windowsAfter = ThreadWindows();
  const unsigned handleAfter = NextGdiHandle();
  std::printf("1,000 frames created and destroyed:\n");
  std::printf("  GDI objects  %lu -> %lu\n", static_cast<unsigned long>(gdiBefore),
              static_cast<unsigned long>(gdiAfter));
  std::printf("  USER objects %lu -> %lu\n", static_cast<unsigned long>(userBefore),
              static_cast<unsigned long>(userAfter));
  if (gdiBefore == 0 && userBefore == 0)
    std::printf("  (this system does not count them: Wine reports 0; see below)\n");
  std::printf("  windows of the thread        %d -> %d\n", windowsBefore, windowsAfter);
  // A handle table that leaks hands out ever higher slots; one that does not reuses them.
  std::printf("  slot of a new GDI object     %u -> %u", handleBefore, handleAfter);
  for (int i = 0; i < 1000; ++i) {
    MakeFrame(form);
    DestroyFrames(form);
    DrainMessages();
  }
  std::printf(" -> %u after 1,000 more\n", NextGdiHandle());
  return 0;
}
