// The host window on the real system: a single alert with a test frame appears at
// the place computed from the screen and the taskbar, with the toast's styles and
// the frame's size plus the edge; a real click answers it; the alert is removed and
// the run ends. Prints one line per check and "N passed, N failed".
#include <windows.h>

#include <memory>

#include "host/alert_loop.h"
#include "frames/frame_families.h"
#include "host/placement.h"
#include "kxua/KXUAAlerts.h"
#include "kxua/values.h"
#include "testbed/product.h"
#include "tests/wine/check.h"
#include "tests/wine/real_input.h"
#include "ui/panel.h"

namespace {

using namespace kxua;
using wine::Check;

constexpr int kWidth = 300, kHeight = 100;

// An ask frame reduced to its answer: a button that writes "allow" and closes.
class AnswerFrame final : public AlertFrame {
 public:
  explicit AnswerFrame(const FrameInput& input)
      : AlertFrame(input.host, kWidth, kHeight), notification_(input.notification) {
    auto* button = new ui::Panel(this);
    button->SetName(L"AllowButton");
    button->SetParent(this);
    button->SetBounds(200, 60, 80, 25);
    button->SetColor(0x00B07A1F);
    button->OnClick = [this](const ui::Event&) {
      std::int32_t allow = ResponseAllow;
      notification_->SetResponse(allow);
      RequestClose();
    };
    CreateFrameWindow();
  }
  void InitAlert() override {}
  void RefreshAlerts() override {}
  std::wstring ClassName() const override { return L"TfrAnswerTest"; }

 private:
  IUINotification* notification_;
};

HWND HostWindow() { return FindWindowW(nullptr, L"TToastMainForm"); }

// Where the toast must be: above the taskbar, 5 pixels inside the work area.
RECT ExpectedPlace() {
  RECT taskbarRect{};
  std::optional<platform::Rect> taskbar;
  if (HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr); tray != nullptr && GetWindowRect(tray, &taskbarRect))
    taskbar = platform::Rect{taskbarRect.left, taskbarRect.top, taskbarRect.right, taskbarRect.bottom};
  const platform::Rect place =
      PlaceToast(WorkArea({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, taskbar),
                 {kWidth + 2, kHeight + 2});
  return {place.left, place.top, place.right, place.bottom};
}

void CALLBACK LookAndAnswer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND host = HostWindow();
  Check(host != nullptr && IsWindowVisible(host), "the toast is on screen");
  RECT bounds{};
  GetWindowRect(host, &bounds);
  const RECT expected = ExpectedPlace();
  Check(EqualRect(&bounds, &expected) != FALSE, "at the computed place, the frame's size plus the edge");
  std::printf("     toast at (%ld, %ld), %ld x %ld\n", bounds.left, bounds.top, bounds.right - bounds.left,
              bounds.bottom - bounds.top);
  const LONG_PTR exStyle = GetWindowLongPtrW(host, GWL_EXSTYLE);
  const LONG_PTR toast = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_COMPOSITED;
  Check((exStyle & toast) == toast, "top-most tool window, not activated, composited");
  Check(GetForegroundWindow() != host, "it did not take the focus");

  const HWND frame = FindWindowExW(host, nullptr, nullptr, L"TfrAnswerTest");
  RECT frameBounds{};
  GetWindowRect(frame, &frameBounds);
  Check(frame != nullptr && frameBounds.left == bounds.left + 1 && frameBounds.top == bounds.top + 1 &&
            frameBounds.right - frameBounds.left == kWidth,
        "the frame sits inside a one-pixel edge");
  // Activatable after a second.
  wine::Pump(1200);
  Check((GetWindowLongPtrW(host, GWL_EXSTYLE) & WS_EX_NOACTIVATE) == 0, "activatable after a second");
  wine::ClickAt({frameBounds.left + 240, frameBounds.top + 72});
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  KXUA_Finalize();
}

}  // namespace

int main() {
  Frames().Register(ListAlerts, alerts_form::TfrGenericInformative,
                    [](const FrameInput& input) -> std::unique_ptr<AlertFrame> {
                      return std::make_unique<AnswerFrame>(input);
                    });
  testbed::Product product(L"eng");
  auto alert = std::make_shared<testbed::Notification>();
  alert->SetNumber(key::FormType, alerts_form::TfrGenericInformative);
  product.Manager().Add(ListAlerts, alert, testbed::Signal::None);

  SetTimer(nullptr, 0, 300, LookAndAnswer);
  // Ends the run should the click not arrive.
  SetTimer(nullptr, 0, 10000, GiveUp);
  IUnknown* context = product.Context();
  context->AddRef();
  const std::int32_t result = KXUA_Initialize(&product.Manager(), context);

  Check(result == 0, "the run ends when the answered alert is gone");
  Check(alert->Responses() == std::vector<std::int32_t>{ResponseAllow}, "a real click wrote the answer");
  Check(product.Manager().Removals().size() == 1 && product.Manager().Pending(ListAlerts) == 0,
        "the alert was removed");
  Check(HostWindow() == nullptr, "the toast is gone");
  return wine::Summary();
}
