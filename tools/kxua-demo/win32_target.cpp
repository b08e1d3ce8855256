// The demo on Windows: the real DLL, loaded as the product loads it, in real time
// and real windows.
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "frames/common/find_control.h"
#include "kxua/KXUAAlerts.h"
#include "kxua/companion.h"
#include "tools/kxua-demo/target.h"
#include "tools/kxua-demo/win32_brand.h"

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

// The folder of the demo's own program, with a trailing separator.
std::wstring DemoFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// The screen point of a point in `window`'s client area.
POINT ScreenPoint(HWND window, platform::Point at) {
  POINT screen{at.x, at.y};
  ClientToScreen(window, &screen);
  return screen;
}

// Real mouse input: the pointer moves to `screen`, then the left button does what
// `buttons` say, in order.
void SendMouse(POINT screen, std::initializer_list<DWORD> buttons = {}) {
  std::vector<INPUT> inputs(1 + buttons.size());
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  inputs[0].mi.dx = MulDiv(screen.x, 65535, width - 1);
  inputs[0].mi.dy = MulDiv(screen.y, 65535, height - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  std::size_t i = 1;
  for (DWORD flags : buttons) inputs[i++].mi.dwFlags = flags;
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The pause between the steps of a click or a drag: the pointer arrives, the
// button goes down, the pointer moves on.
constexpr std::uint64_t kInputStepMs = 50;

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
  // The brand goes last: nothing may hold its libraries loaded by then.
  ~Win32Target() override {
    for (const auto& [id, action] : pending) KillTimer(nullptr, id);
    pending.clear();
    FreeLibrary(dll_);
    if (companion_ != nullptr) FreeLibrary(companion_);
    if (brand_) SetDllDirectoryW(nullptr);
    brand_.reset();
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

  // Real input at the screen point, as a person's mouse: the toast is top-most, so
  // the point is on it. A click comes a moment after the move, so that the control
  // has seen the pointer arrive (hover state, leave tracking) before the button
  // goes down, as it would with a hand on the mouse.
  void Hover(platform::Point at) override {
    if (HWND frame = ShownFrame()) SendMouse(ScreenPoint(frame, at));
  }

  void Click(platform::Point at) override {
    HWND frame = ShownFrame();
    if (frame == nullptr) return;
    const POINT screen = ScreenPoint(frame, at);
    SendMouse(screen);
    At(Now() + kInputStepMs,
       [screen] { SendMouse(screen, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}); });
  }

  // A person's drag: the button goes down on the frame's header, whose handler runs
  // the system's move loop; the pointer then goes to its place and the button comes
  // up. The loop serves the thread's timers, which play the rest of the drag. One
  // move: under Wine the loop takes the first move after the press, and not always
  // a second.
  void Drag(platform::Point to) override {
    HWND toast = FindToast();
    if (toast == nullptr) return;
    RECT r{};
    GetWindowRect(toast, &r);
    constexpr int kHeaderOffset = 8;  // a point inside the frame's header
    const POINT grip{r.left + kHeaderOffset, r.top + kHeaderOffset};
    const POINT drop{to.x + kHeaderOffset, to.y + kHeaderOffset};
    SendMouse(grip);
    At(Now() + kInputStepMs, [grip] { SendMouse(grip, {MOUSEEVENTF_LEFTDOWN}); });
    At(Now() + 2 * kInputStepMs, [drop] { SendMouse(drop); });
    At(Now() + 3 * kInputStepMs, [drop] { SendMouse(drop, {MOUSEEVENTF_LEFTUP}); });
  }

  void InstallDemoBrand(const std::wstring& language) override {
    brand_ = std::make_unique<Win32Brand>(DemoFolder() + Win32Brand::kSourceFolder + L"\\", language);
    // The product runs from its installation folder, so the library's loads by bare
    // file name find the product's libraries there.
    SetDllDirectoryW(brand_->InstallFolder().c_str());
    // Held for the whole run: the library loads and frees the stand-in for each
    // toast, and its record of the calls lasts only while it is loaded.
    companion_ = LoadLibraryW((brand_->InstallFolder() + kCompanionLibraryName).c_str());
    companionCalls_ = Export<const wchar_t* (*)()>(companion_, "kxua_w8_calls");
    if (companionCalls_ == nullptr)
      throw std::runtime_error("the installed KXW8Utils.dll is not the testbed's stand-in");
  }

  std::vector<std::wstring> CompanionCalls() override {
    std::vector<std::wstring> calls;
    if (companionCalls_ == nullptr) return calls;
    const std::wstring text = companionCalls_();
    for (std::size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
      calls.push_back(text.substr(start, end - start));
    return calls;
  }

  // The system's answer about full-screen programs cannot be staged on a real desktop.
  bool SetFullScreen(bool) override { return false; }

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

  ULONGLONG start_;
  HMODULE dll_ = nullptr;
  std::unique_ptr<Win32Brand> brand_;
  HMODULE companion_ = nullptr;
  const wchar_t* (*companionCalls_)() = nullptr;
  KXUA_InitializeFn initialize_ = nullptr;
  KXUA_FinalizeFn finalize_ = nullptr;
};

}  // namespace

std::unique_ptr<Target> MakeTarget(const std::string& dllPath) {
  return std::make_unique<Win32Target>(dllPath.empty() ? "KXUAAlerts.dll" : dllPath);
}

}  // namespace kxua::demo
