// The demo on Windows: the real DLL, loaded as the product loads it, in real time
// and real windows.
#include <map>
#include <memory>
#include <stdexcept>

#include "frames/common/find_control.h"
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

  // Called from a sample (a thread timer) that may come right after the toast was
  // shown, before the system got round to painting it: the capture runs the pending
  // paints first, so the picture shows the toast's first paint without a wait.
  std::optional<platform::Bitmap> Picture() override {
    HWND toast = FindToast();
    if (toast == nullptr) return std::nullopt;
    return platform::Get().CaptureWindow(reinterpret_cast<platform::WindowHandle>(toast));
  }

  void PressKey(std::uint32_t key) override {
    if (HWND toast = FindToast()) PostMessageW(toast, WM_KEYDOWN, key, 0);
  }

  std::optional<platform::Point> FindControl(const std::wstring& name) override {
    HWND frame = ShownFrame();
    if (frame == nullptr) return std::nullopt;
    const ATOM atom = GlobalAddAtomW(name.c_str());
    if (atom == 0) return std::nullopt;
    const LRESULT answer = SendMessageW(frame, RegisterWindowMessageW(kFindControlMessage), atom, 0);
    GlobalDeleteAtom(atom);
    return UnpackControlCentre(answer);
  }

  // The mouse messages are posted to the frame's window rather than synthesised with
  // SendInput: they reach that window whatever lies above the toast or has the focus,
  // and never a window of the person at the machine. The cursor is put at the same
  // place first, so that the frame's leave tracking and cursor shape agree with them.
  void Hover(platform::Point at) override {
    if (HWND frame = ShownFrame()) PostMouse(frame, WM_MOUSEMOVE, 0, at);
  }

  void Click(platform::Point at) override {
    HWND frame = ShownFrame();
    if (frame == nullptr) return;
    PostMouse(frame, WM_MOUSEMOVE, 0, at);
    PostMouse(frame, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMouse(frame, WM_LBUTTONUP, 0, at);
  }

  // The system's move loop follows the real mouse, so here the input is real: the
  // cursor goes to the header, the move and the release are queued, and the loop
  // that the posted command starts takes them (posted messages come before input).
  void Drag(platform::Point to) override {
    HWND toast = FindToast();
    if (toast == nullptr) return;
    RECT r{};
    GetWindowRect(toast, &r);
    constexpr int kHeaderOffset = 8;  // a point inside the frame's header
    SetCursorPos(r.left + kHeaderOffset, r.top + kHeaderOffset);
    PostMessageW(toast, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input[0].mi.dx = MulDiv(to.x + kHeaderOffset, 65535, width - 1);
    input[0].mi.dy = MulDiv(to.y + kHeaderOffset, 65535, height - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
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
  static HWND ShownFrame() {
    HWND toast = FindToast();
    if (toast == nullptr) return nullptr;
    HWND shown = nullptr;
    for (HWND child = GetWindow(toast, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child)) shown = child;
    return shown;
  }

  static void PostMouse(HWND window, UINT message, WPARAM buttons, platform::Point at) {
    POINT screen{at.x, at.y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(window, message, buttons, MAKELPARAM(at.x, at.y));
  }

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
