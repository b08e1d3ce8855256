// The library's two exports. No exception leaves them.
#include <exception>
#include <memory>
#include <utility>

#include "host/alert_loop.h"
#include "host/product_look.h"
#include "kxua/KXUAAlerts.h"

namespace kxua {

namespace {

// The run in progress; doubles as the guard against a second run.
TToastMainForm* runningHost = nullptr;

std::int32_t Run(IUIAlertsManager* manager, IUnknown* context) {
  InstallProductLook();
  ComPtr<IZYMApplicationContext> appContext = ComPtr<IZYMApplicationContext>::Query(context);
  auto host = std::make_unique<TToastMainForm>(manager, appContext.Get());
  runningHost = host.get();
  RunAlertLoop(*host);
  if (runningHost == host.get()) runningHost = nullptr;
  return 0;
}

}  // namespace

TToastMainForm* RunningHost() { return runningHost; }

}  // namespace kxua

extern "C" std::int32_t KXUA_EXPORT_CALL KXUA_Initialize(kxua::IUIAlertsManager* manager,
                                                         IUnknown* context) {
  if (context == nullptr) return 1;
  std::int32_t result = 1;
  if (kxua::runningHost == nullptr) {
    try {
      result = kxua::Run(manager, context);
    } catch (const std::exception&) {
      // Only creation can get here (handlers keep their failures): nothing was run.
      kxua::runningHost = nullptr;
    }
  }
  context->Release();  // the call's reference, on every path
  return result;
}

extern "C" std::int32_t KXUA_EXPORT_CALL KXUA_Finalize() {
  // Finalize comes from a handler inside the run's loop, with the window's own code
  // possibly further up the stack: the window is hidden and cut off from the
  // product now, and destroyed as soon as that handler has returned.
  if (kxua::runningHost != nullptr) std::exchange(kxua::runningHost, nullptr)->Finalize();
  return 1;
}
