// The library's two exports. No exception leaves them.
#include <exception>
#include <utility>

#include "host/alert_loop.h"
#include "kxua/KXUAAlerts.h"

namespace kxua {

namespace {

// The run in progress; doubles as the guard against a second run.
TToastMainForm* runningHost = nullptr;

// Destroys the host window of the run and forgets it. The callback goes first, so
// the product can no longer reach the window.
void DestroyRunningHost() {
  TToastMainForm* host = std::exchange(runningHost, nullptr);
  if (host->Manager() != nullptr) host->Manager()->SetCallBack(nullptr);
  delete host;
}

std::int32_t Run(IUIAlertsManager* manager, IUnknown* context) {
  ComPtr<IZYMApplicationContext> appContext = ComPtr<IZYMApplicationContext>::Query(context);
  runningHost = new TToastMainForm(manager, appContext.Get());
  TToastMainForm& host = *runningHost;
  RunAlertLoop(host);
  if (runningHost == &host) {
    delete runningHost;
    runningHost = nullptr;
  }
  return 0;
}

}  // namespace

TToastMainForm* RunningHost() { return runningHost; }

}  // namespace kxua

extern "C" std::int32_t KXUA_EXPORT_CALL KXUA_Initialize(kxua::IUIAlertsManager* manager,
                                                         IUnknown* context) {
  using namespace kxua;
  if (context == nullptr) return 1;
  std::int32_t result = 1;
  if (runningHost == nullptr) {
    try {
      result = Run(manager, context);
    } catch (const std::exception&) {
      // Only creation can get here (handlers keep their failures): nothing was run.
      if (runningHost != nullptr) DestroyRunningHost();
    }
  }
  context->Release();  // the call's reference, on every path
  return result;
}

extern "C" std::int32_t KXUA_EXPORT_CALL KXUA_Finalize() {
  if (kxua::runningHost != nullptr) kxua::DestroyRunningHost();
  return 1;
}
