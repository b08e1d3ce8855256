// The real DLL under Wine, loaded the way the product loads it: by file, with its
// exports found by their cdecl names, and run on this thread with the testbed as
// the product. Prints one line per check and "N passed, N failed".
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "kxua/KXUAAlerts.h"
#include "kxua/values.h"
#include "model/zym_utils.h"
#include "testbed/alerts_manager.h"
#include "testbed/application_context.h"
#include "tests/wine/check.h"

namespace {

using namespace kxua;

using wine::Check;

// The testbed's manager with a hook in the check the host makes first in every run,
// so that a test can act from inside a run, on its thread.
class HookedManager final : public IUIAlertsManager {
 public:
  testbed::AlertsManager inner;
  std::function<void()> onFirstCheck;

  std::int32_t KXUA_PRODUCT_CALL GetTotalCount(std::uint32_t& count) override {
    if (auto hook = std::exchange(onFirstCheck, nullptr)) hook();
    return inner.GetTotalCount(count);
  }
  std::int32_t KXUA_PRODUCT_CALL GetCount(const std::int32_t& list, std::uint32_t& count) override {
    return inner.GetCount(list, count);
  }
  std::int32_t KXUA_PRODUCT_CALL GetAlert(const std::int32_t& list, const std::int32_t& index,
                                          IUIAlertSource*& source) override {
    return inner.GetAlert(list, index, source);
  }
  std::int32_t KXUA_PRODUCT_CALL Reserved3() override { return -1; }
  std::int32_t KXUA_PRODUCT_CALL RemoveAlert(const std::int32_t& list,
                                             const std::int32_t& index) override {
    return inner.RemoveAlert(list, index);
  }
  std::int32_t KXUA_PRODUCT_CALL SetCallBack(IUIAlertsManagerCallBack* callback) override {
    return inner.SetCallBack(callback);
  }
};

BOOL CALLBACK CountLibraryWindow(HWND window, LPARAM counter) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) == L"KXUAWindow") ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

// The library's windows still alive on this thread.
int LibraryWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountLibraryWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// GetProcAddress's result as the export's own type.
template <class Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool RegisteredThenCleared(const testbed::AlertsManager& manager) {
  auto history = manager.CallBackHistory();
  return history.size() == 2 && history[0] != nullptr && history[1] == nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::string path = argc > 1 ? argv[1] : "KXUAAlerts.dll";
  HMODULE dll = LoadLibraryA(path.c_str());
  Check(dll != nullptr, "the DLL loads");
  if (dll == nullptr) return 1;
  auto initialize = Export<KXUA_InitializeFn>(dll, "_KXUA_Initialize");
  auto finalize = Export<KXUA_FinalizeFn>(dll, "_KXUA_Finalize");
  Check(initialize != nullptr && finalize != nullptr, "both exports found by their underscored names");
  if (initialize == nullptr || finalize == nullptr) return 1;

  auto* context = new testbed::ApplicationContext;
  testbed::ContextClassRegistration registration(context);
  // A run as the product makes it: one reference added for the call.
  auto run = [&](IUIAlertsManager* manager, IUnknown* runContext) {
    if (runContext != nullptr) runContext->AddRef();
    return initialize(manager, runContext);
  };

  {
    testbed::AlertsManager manager;
    const ULONGLONG start = GetTickCount64();
    const std::int32_t result = run(&manager, context);
    std::printf("     a run with nothing pending took %llu ms\n", GetTickCount64() - start);
    Check(result == 0, "nothing pending: the run returns 0");
    Check(RegisteredThenCleared(manager), "nothing pending: callback registered, then cleared");
    Check(LibraryWindows() == 0, "nothing pending: no window left behind");
  }
  {
    HookedManager manager;
    std::int32_t nested = -1;
    manager.onFirstCheck = [&] { nested = run(&manager, context); };
    Check(run(&manager, context) == 0 && nested == 1, "a second call during a run returns 1");
    Check(RegisteredThenCleared(manager.inner), "the second call did not disturb the run");
  }
  Check(finalize() == 1 && LibraryWindows() == 0, "Finalize when idle returns 1");
  {
    HookedManager manager;
    manager.onFirstCheck = [] { PostQuitMessage(5); };
    const std::int32_t result = run(&manager, context);
    MSG quit{};
    const bool reposted = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE &&
                          quit.wParam == 5;
    Check(result == 0 && LibraryWindows() == 0, "WM_QUIT during a run ends it with 0, window gone");
    Check(reposted, "the WM_QUIT reaches the product's own loop afterwards");
    Check(RegisteredThenCleared(manager.inner), "WM_QUIT: callback cleared");
  }
  {
    HookedManager manager;
    std::int32_t finalized = 0;
    manager.onFirstCheck = [&] { finalized = finalize(); };
    Check(run(&manager, context) == 0 && finalized == 1, "Finalize inside a run ends it with 0");
    Check(LibraryWindows() == 0 && manager.inner.CallBack() == nullptr,
          "Finalize inside a run: window gone, callback cleared");
  }
  {
    testbed::AlertsManager manager;
    Check(initialize(&manager, nullptr) == 1 && manager.CallBackHistory().empty(),
          "a null context returns 1 and runs nothing");
  }
  {
    testbed::AlertsManager manager;
    auto alert = std::make_shared<testbed::Notification>();
    alert->SetNumber(key::FormType, alerts_form::TfrFirewallAsk);
    manager.Add(ListAlerts, alert, testbed::Signal::None);
    manager.SetDeliverNothing(true);
    Check(run(&manager, context) == 0 && manager.Pending(ListAlerts) == 1,
          "a manager that counts alerts but delivers none: the run ends, the alert stays");
  }
  {
    // The library's own way to a context when the product hands none: creating the
    // context class, which the testbed registered for this process.
    CZYMUtils utils;
    const HRESULT hr = utils.Initialize(CZYMUtils::kAlertClient, nullptr);
    const auto names = context->InitializeNames();
    Check(SUCCEEDED(hr) && utils.Context() != nullptr && !names.empty() &&
              names.back() == CZYMUtils::kAlertClient,
          "the context class is created (class context 0x17) and initialised with the client name");
  }
  Check(context->References() == 2, "every context reference given back (registration holds one)");

  context->Release();
  FreeLibrary(dll);
  return wine::Summary();
}
