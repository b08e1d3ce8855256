// Benchmark, not a test: the host window on a real screen, as the product drives it.
// 1. How long an alert takes from the product's OnNewAlert to its frame's first
//    paint completed (p50, p99 over 200 alerts). A notification stays on screen
//    behind them, as in daily use: each single alert replaces it and gives it back.
// 2. The host's cost per OnAlertsChanged while a paging frame (a test frame with
//    every shared control, standing in for the detection frames) shows 10 and then
//    10,000 notifications: the same figure for both shows that it is O(1).
// Prints figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "host/alert_loop.h"
#include "frames/frame_families.h"
#include "host/product_look.h"
#include "kxua/KXUAAlerts.h"
#include "kxua/values.h"
#include "testbed/alerts_manager.h"
#include "testbed/product.h"
#include "tests/layouts/paging_frame.h"
#include "tests/wine/bench_clock.h"

namespace {

using namespace kxua;

constexpr int kAlerts = 200;
constexpr int kSignals = 2000;

using wine::NowMs;

// Serves the thread's messages, waiting for more, until `done` says so.
void PumpUntil(const std::function<bool()>& done) {
  while (!done()) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  }
}

// The shown frame, once its window has been painted.
const AlertFrame* PaintedFrame() {
  const AlertFrame* frame = RunningHost() != nullptr ? RunningHost()->CurrentFrame() : nullptr;
  if (frame == nullptr) return nullptr;
  const HWND window = reinterpret_cast<HWND>(frame->Handle());
  return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE) ? frame : nullptr;
}

std::shared_ptr<testbed::Notification> Notification(std::int32_t formType) {
  auto notification = std::make_shared<testbed::Notification>();
  notification->SetNumber(key::FormType, formType);
  notification->SetText(key::TitleText, L"IDS_ALERT_UPDATE_FINISHED_TITLE");
  notification->SetText(key::MainText, L"IDS_ALERT_UPDATE_FINISHED_TEXT");
  return notification;
}

void PrintPercentiles(const char* what, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double q) { return samples[static_cast<std::size_t>(q * (samples.size() - 1))]; };
  std::printf("%-58s p50 %7.3f ms   p99 %7.3f ms   max %7.3f ms\n", what, at(0.5), at(0.99),
              samples.back());
}

std::vector<double> NewAlertToFirstPaint(testbed::AlertsManager& manager) {
  std::vector<double> samples;
  PumpUntil([] { return PaintedFrame() != nullptr; });  // the notification behind
  const AlertFrame* behind = PaintedFrame();
  for (int i = 0; i < kAlerts; ++i) {
    const double start = NowMs();
    manager.Add(ListAlerts, Notification(alerts_form::TfrGenericInformative), testbed::Signal::NewAlert);
    PumpUntil([&] {
      const AlertFrame* frame = PaintedFrame();
      return frame != nullptr && frame != behind;
    });
    samples.push_back(NowMs() - start);
    RunningHost()->CurrentFrame()->RequestClose();
    PumpUntil([&] {
      behind = PaintedFrame();
      return behind != nullptr && behind->ClassName() == L"TfrPagingTest";
    });
  }
  return samples;
}

// With `count` notifications in the shown paging frame's list, and one more per signal.
std::vector<double> CostPerAlertsChanged(testbed::AlertsManager& manager, int count) {
  for (int i = 0; i < count; ++i)
    manager.AddNotification(Notification(notifications_form::TfrGenericMalware), testbed::Signal::None);
  std::vector<double> samples;
  IUIAlertsManagerCallBack* callBack = manager.CallBack();
  for (int i = 0; i < kSignals; ++i) {
    // As detections arrive: one more each time, so the toast never fades meanwhile.
    manager.AddNotification(Notification(notifications_form::TfrGenericMalware), testbed::Signal::None);
    callBack->OnAlertsChanged();
    // The host's cost is the handling of the message the signal posted; taking it
    // from the queue is the system's.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      const bool check = message.hwnd == reinterpret_cast<HWND>(RunningHost()->Handle()) &&
                         message.message == kMsgCheckAlerts;
      const double start = NowMs();
      DispatchMessageW(&message);
      if (check) samples.push_back(NowMs() - start);
    }
  }
  const AlertFrame* frame = RunningHost()->CurrentFrame();
  std::printf("     the paging frame counts %u notifications\n", frame != nullptr ? frame->Count() : 0);
  return samples;
}

testbed::Product* product = nullptr;

void CALLBACK RunBenchmarks(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PrintPercentiles("OnNewAlert -> first paint completed (200 alerts)", NewAlertToFirstPaint(product->Manager()));
  PrintPercentiles("host cost per OnAlertsChanged, paging frame from 10", CostPerAlertsChanged(product->Manager(), 10));
  PrintPercentiles("host cost per OnAlertsChanged, paging frame from 10,000",
                   CostPerAlertsChanged(product->Manager(), 10000 - 10 - kSignals));
  KXUA_Finalize();
}

}  // namespace

int main() {
  InstallProductLook();
  Frames().Register(ListNotifications, notifications_form::TfrGenericMalware,
                    [](const FrameInput& input) -> std::unique_ptr<AlertFrame> {
                      return std::make_unique<test::PagingFrame>(input);
                    });
  testbed::Product instance(L"eng");
  product = &instance;
  // A paging frame of notifications stays behind the single alerts.
  instance.Manager().AddNotification(Notification(notifications_form::TfrGenericMalware),
                                     testbed::Signal::None);
  SetTimer(nullptr, 0, 1, RunBenchmarks);
  IUnknown* context = instance.Context();
  context->AddRef();
  const std::int32_t result = KXUA_Initialize(&instance.Manager(), context);
  std::printf("run result %d, %zu alerts removed\n", result, instance.Manager().Removals().size());
  return 0;
}
