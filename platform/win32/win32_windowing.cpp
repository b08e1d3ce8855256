// Windows, messages, timers and the message loop on Win32.
#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

namespace {

constexpr wchar_t kWindowClassName[] = L"KXUAWindow";

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

platform::WindowHandler* HandlerOf(HWND window) {
  return reinterpret_cast<platform::WindowHandler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The handler comes in through CreateWindowExW and is kept in the window itself, so
// no table of windows is needed. A few messages may precede WM_NCCREATE; they get
// the system's handling.
LRESULT CALLBACK WindowProcedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  platform::WindowHandler* handler = HandlerOf(window);
  if (handler == nullptr) return DefWindowProcW(window, id, wParam, lParam);
  // Detached before the last message, so nothing reaches a handler that is gone.
  if (id == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return handler->HandleMessage({ToHandle(window), id, wParam, lParam});
}

BOOL CALLBACK CollectTopLevelWindow(HWND window, LPARAM list) {
  wchar_t className[256] = {};
  const int length = GetClassNameW(window, className, 256);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  try {
    reinterpret_cast<std::vector<platform::TopLevelWindow>*>(list)->push_back(
        {ToHandle(window), std::wstring(className, length > 0 ? length : 0), processId});
  } catch (...) {
    return FALSE;  // out of memory: the search sees the windows collected so far
  }
  return TRUE;
}

}  // namespace

Win32Platform::~Win32Platform() {
  if (measureDc_ != nullptr) DeleteDC(measureDc_);
  if (windowClass_ != 0) UnregisterClassW(MAKEINTATOM(windowClass_), module_);
}

ATOM Win32Platform::WindowClass() {
  std::lock_guard<std::mutex> lock(classMutex_);
  if (windowClass_ != 0) return windowClass_;
  // The class belongs to the module holding the window procedure (the DLL), not to
  // the process that loaded it.
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&WindowProcedure), &module))
    return 0;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = module;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClassName;
  ATOM atom = RegisterClassExW(&windowClass);
  if (atom == 0 && GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
    // Left behind by an earlier load of the DLL at the same address, still naming
    // that load's window procedure.
    UnregisterClassW(kWindowClassName, module);
    atom = RegisterClassExW(&windowClass);
  }
  if (atom == 0) return 0;
  module_ = module;
  windowClass_ = atom;
  return atom;
}

WindowHandle Win32Platform::CreateWindow(const platform::WindowSpec& params,
                                         platform::WindowHandler* handler) {
  if (handler == nullptr) return 0;
  const ATOM windowClass = WindowClass();
  if (windowClass == 0) return 0;
  const DWORD style = params.parent != 0 ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP | WS_CLIPCHILDREN;
  HWND window = CreateWindowExW(params.exStyle, MAKEINTATOM(windowClass), params.title.c_str(), style,
                                params.bounds.left, params.bounds.top, params.bounds.Width(),
                                params.bounds.Height(), ToHwnd(params.parent), nullptr, module_,
                                handler);
  return ToHandle(window);
}

void Win32Platform::DestroyWindow(WindowHandle window) { ::DestroyWindow(ToHwnd(window)); }

bool Win32Platform::IsWindow(WindowHandle window) { return ::IsWindow(ToHwnd(window)) != FALSE; }

std::intptr_t Win32Platform::DefaultHandling(const Message& message) {
  return DefWindowProcW(ToHwnd(message.window), message.id, message.wParam, message.lParam);
}

std::uint32_t Win32Platform::GetExStyle(WindowHandle window) {
  return static_cast<std::uint32_t>(GetWindowLongPtrW(ToHwnd(window), GWL_EXSTYLE));
}

void Win32Platform::SetExStyle(WindowHandle window, std::uint32_t exStyle) {
  HWND hwnd = ToHwnd(window);
  const auto previous = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  // The system keeps the top-most bit out of reach of SetWindowLongPtr; only a
  // z-order change moves the window into or out of the top-most band.
  UINT flags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND insertAfter = nullptr;
  if (((previous ^ exStyle) & WS_EX_TOPMOST) != 0)
    insertAfter = (exStyle & WS_EX_TOPMOST) != 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
  else
    flags |= SWP_NOZORDER;
  SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, flags);
}

Rect Win32Platform::GetBounds(WindowHandle window) {
  HWND hwnd = ToHwnd(window);
  RECT rect{};
  if (!GetWindowRect(hwnd, &rect)) return Rect{};
  // Children are placed in their parent's client coordinates; report them the same way.
  if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0)
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Platform::SetBounds(WindowHandle window, const Rect& bounds) {
  SetWindowPos(ToHwnd(window), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Platform::IsVisible(WindowHandle window) {
  // The window's own state: IsWindowVisible would also answer for its ancestors.
  return (GetWindowLongPtrW(ToHwnd(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Platform::Show(WindowHandle window) { ShowWindow(ToHwnd(window), SW_SHOWNOACTIVATE); }

void Win32Platform::Hide(WindowHandle window) { ShowWindow(ToHwnd(window), SW_HIDE); }

bool Win32Platform::PostMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  return PostMessageW(ToHwnd(window), id, wParam, lParam) != FALSE;
}

std::intptr_t Win32Platform::SendMessage(WindowHandle window, std::uint32_t id,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  return SendMessageW(ToHwnd(window), id, wParam, lParam);
}

std::uint32_t Win32Platform::RegisterMessage(const std::wstring& name) {
  if (name.empty()) return 0;
  return RegisterWindowMessageW(name.c_str());
}

void Win32Platform::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

int Win32Platform::GetMessage(Message& message) {
  MSG native{};
  const BOOL result = GetMessageW(&native, nullptr, 0, 0);
  if (result == -1) return -1;
  {
    std::lock_guard<std::mutex> lock(lastMutex_);
    last_ = native;
  }
  message = {ToHandle(native.hwnd), native.message, native.wParam, native.lParam};
  return result != 0 ? 1 : 0;
}

MSG Win32Platform::ToNative(const Message& message) {
  {
    std::lock_guard<std::mutex> lock(lastMutex_);
    if (ToHandle(last_.hwnd) == message.window && last_.message == message.id &&
        last_.wParam == message.wParam && last_.lParam == message.lParam)
      return last_;
  }
  // A message the loop did not retrieve: the thread's latest time and cursor
  // position are the closest there is.
  MSG native{};
  native.hwnd = ToHwnd(message.window);
  native.message = message.id;
  native.wParam = message.wParam;
  native.lParam = message.lParam;
  native.time = static_cast<DWORD>(GetMessageTime());
  const DWORD position = GetMessagePos();
  native.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  return native;
}

void Win32Platform::TranslateMessage(const Message& message) {
  const MSG native = ToNative(message);
  ::TranslateMessage(&native);
}

std::intptr_t Win32Platform::DispatchMessage(const Message& message) {
  // Thread messages go to the system too: it runs the timer procedures of the
  // product's own timers, whose thread this loop is pumping.
  const MSG native = ToNative(message);
  return DispatchMessageW(&native);
}

bool Win32Platform::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t intervalMs) {
  // Without a window the system would pick the id itself and ignore `id`.
  if (window == 0) return false;
  return ::SetTimer(ToHwnd(window), id, intervalMs, nullptr) != 0;
}

void Win32Platform::KillTimer(WindowHandle window, std::uintptr_t id) {
  ::KillTimer(ToHwnd(window), id);
}

std::vector<platform::TopLevelWindow> Win32Platform::TopLevelWindows() {
  std::vector<platform::TopLevelWindow> windows;
  EnumWindows(CollectTopLevelWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void Win32Platform::MakeTopMost(WindowHandle window) {
  SetWindowPos(ToHwnd(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Platform::ProcessPendingMessages() {
  MSG native{};
  while (PeekMessageW(&native, nullptr, 0, 0, PM_REMOVE)) {
    if (native.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(native.wParam));
      break;
    }
    ::TranslateMessage(&native);
    DispatchMessageW(&native);
  }
}

std::wstring Win32Platform::GlobalAtomName(std::uint16_t atom) {
  wchar_t name[256] = {};
  const UINT length = GlobalGetAtomNameW(atom, name, 256);
  return std::wstring(name, length);
}

}  // namespace kxua::win32
