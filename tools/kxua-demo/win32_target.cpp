// The demo on Windows: the real DLL, loaded as the product loads it, in real time
// and real windows.
#include <map>
#include <memory>
#include <stdexcept>

#include "kxua/KXUAAlerts.h"
#include "tools/kxua-demo/target.h"

namespace kxua::demo {

namespace {

// Thread timers of the demo, served by the library's loop while it runs.
std::map<UINT_PTR, std::function<void()>> pending;

void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto it = pending.find(id);
  if (it == pending.end()) return;
  std::function<void()> action = std::move(it->second);
  pending.erase(it);
  action();
}

BOOL CALLBACK MatchToast(HWND window, LPARAM result) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (std::wstring(title) != L"TToastMainForm") return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

// The library's host window, by the name it gives it.
HWND FindToast() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchToast, reinterpret_cast<LPARAM>(&found));
  return found;
}

template <class Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Win32Target final : public Target {
 public:
  explicit Win32Target(const std::string& dllPath) : start_(GetTickCount64()) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    dll_ = LoadLibraryA(dllPath.c_str());
    if (dll_ == nullptr) throw std::runtime_error("cannot load " + dllPath);
    initialize_ = Export<KXUA_InitializeFn>(dll_, "_KXUA_Initialize");
    finalize_ = Export<KXUA_FinalizeFn>(dll_, "_KXUA_Finalize");
    if (initialize_ == nullptr || finalize_ == nullptr)
      throw std::runtime_error(dllPath + " lacks the entry points");
  }
  ~Win32Target() override {
    for (const auto& [id, action] : pending) KillTimer(nullptr, id);
    pending.clear();
    FreeLibrary(dll_);
    CoUninitialize();
  }

  const char* Name() const override { return "windows"; }
  void At(std::uint64_t ms, std::function<void()> action) override {
    const std::uint64_t delay = ms > Now() ? ms - Now() : 0;
    const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(delay), RunPending);
    if (id != 0) pending[id] = std::move(action);
  }
  std::uint64_t Now() override { return GetTickCount64() - start_; }
  std::int64_t UnixTime() override {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000ULL) - 11644473600LL;
  }

  std::optional<ToastState> Toast() override {
    HWND toast = FindToast();
    if (toast == nullptr) return std::nullopt;
    RECT r{};
    GetWindowRect(toast, &r);
    ToastState state{IsWindowVisible(toast) != FALSE, {}, {r.left, r.top, r.right, r.bottom}};
    for (HWND child = GetWindow(toast, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      wchar_t title[128] = {};
      GetWindowTextW(child, title, 128);
      state.frame = title;
    }
    return state;
  }

  void PressKey(std::uint32_t key) override {
    if (HWND toast = FindToast()) PostMessageW(toast, WM_KEYDOWN, key, 0);
  }

  void WaitUntil(std::uint64_t ms) override {
    while (Now() < ms) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms - Now()), QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }

  std::int32_t Initialize(IUIAlertsManager* manager, IUnknown* context) override {
    return initialize_(manager, context);
  }
  std::int32_t Finalize() override { return finalize_(); }

 private:
  ULONGLONG start_;
  HMODULE dll_ = nullptr;
  KXUA_InitializeFn initialize_ = nullptr;
  KXUA_FinalizeFn finalize_ = nullptr;
};

}  // namespace

std::unique_ptr<Target> MakeTarget(const std::string& dllPath) {
  return std::make_unique<Win32Target>(dllPath.empty() ? "KXUAAlerts.dll" : dllPath);
}

}  // namespace kxua::demo
