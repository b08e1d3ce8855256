// The platform on Windows: thin forwarding to the system, with the few adaptations
// the interface asks for (hidden-at-creation popups, non-activating show, a stable
// 64-bit tick count, registry values read defensively).
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kxua::win32 {

// A GDI font for `font`; the caller deletes it.
HFONT CreateGdiFont(const platform::Font& font);
// A GDI font for `font` kept for the life of the process (a layout uses a handful),
// so painting does not create and delete fonts on every paint.
HFONT SharedGdiFont(const platform::Font& font);

using platform::Message;
using platform::Rect;
using platform::WindowHandle;

class Win32Platform final : public platform::Platform {
 public:
  Win32Platform() = default;
  // Unregisters the window class: the library lives in a DLL that may be unloaded
  // and loaded again, and a class left behind would point at unmapped code.
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // --- Windowing ---------------------------------------------------------------
  WindowHandle CreateWindow(const platform::WindowSpec& params,
                            platform::WindowHandler* handler) override;
  void DestroyWindow(WindowHandle window) override;
  bool IsWindow(WindowHandle window) override;
  std::intptr_t DefaultHandling(const Message& message) override;
  std::uint32_t GetExStyle(WindowHandle window) override;
  void SetExStyle(WindowHandle window, std::uint32_t exStyle) override;
  Rect GetBounds(WindowHandle window) override;
  void SetBounds(WindowHandle window, const Rect& bounds) override;
  bool IsVisible(WindowHandle window) override;
  void Show(WindowHandle window) override;
  void Hide(WindowHandle window) override;
  bool PostMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  std::intptr_t SendMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  std::uint32_t RegisterMessage(const std::wstring& name) override;
  void PostQuit(int exitCode) override;
  int GetMessage(Message& message) override;
  void TranslateMessage(const Message& message) override;
  std::intptr_t DispatchMessage(const Message& message) override;
  bool SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t intervalMs) override;
  void KillTimer(WindowHandle window, std::uintptr_t id) override;
  std::vector<platform::TopLevelWindow> TopLevelWindows() override;
  void MakeTopMost(WindowHandle window) override;
  void ProcessPendingMessages() override;
  std::wstring GlobalAtomName(std::uint16_t atom) override;

  // --- Graphics ------------------------------------------------------------------
  void Invalidate(WindowHandle window) override;
  void RedrawNow(WindowHandle window) override;
  void PaintWindow(WindowHandle window,
                   const std::function<void(platform::Canvas&)>& paint) override;
  void SetAlpha(WindowHandle window, bool enabled, std::uint8_t alpha) override;
  void TrackMouseLeave(WindowHandle window) override;
  void SetCursor(platform::Cursor cursor) override;
  void SetCapture(WindowHandle window) override;
  void ReleaseCapture() override;
  platform::Point ClientToScreen(WindowHandle window, platform::Point point) override;
  // The window's pixels read back from its device context (not from the screen, so
  // windows above it do not show), after RedrawWindow has run its pending paints.
  std::optional<platform::Bitmap> CaptureWindow(WindowHandle window) override;

  // --- Clock ---------------------------------------------------------------------
  std::uint64_t TickCount() override;
  std::int64_t UnixTime() override;
  void Sleep(std::uint32_t ms) override;

  // --- Text metrics --------------------------------------------------------------
  platform::Size MeasureText(const platform::Font& font, const std::wstring& text) override;

  // --- Desktop -------------------------------------------------------------------
  platform::Size ScreenSize() override;
  std::optional<Rect> TaskbarRect() override;
  std::optional<platform::ForegroundWindow> GetForegroundWindow() override;
  std::optional<int> QueryUserNotificationState() override;
  platform::SystemVersion GetSystemVersion() override;

  // --- COM -----------------------------------------------------------------------
  HRESULT CreateInstance(const CLSID& clsid, DWORD classContext, const IID& iid,
                         void** object) override;
  HRESULT Run(IUnknown* object) override;
  HRESULT RegisterClassObject(const CLSID& clsid, IUnknown* factory, DWORD& cookie) override;
  HRESULT RevokeClassObject(DWORD cookie) override;

  // --- Registry and system -------------------------------------------------------
  std::optional<std::wstring> ReadString(platform::RegistryRoot root, const std::wstring& key,
                                         const std::wstring& name,
                                         std::size_t maxChars) override;
  std::optional<std::uint32_t> ReadNumber(platform::RegistryRoot root, const std::wstring& key,
                                          const std::wstring& name) override;
  std::wstring GetKnownFolder(platform::KnownFolder folder) override;
  void DebugOutput(const std::wstring& text) override;
  platform::Answer AskQuestion(const std::wstring& title, const std::wstring& text) override;
  void BreakIntoDebugger() override;
  std::optional<std::wstring> DescribeError(HRESULT code) override;
  std::uint32_t ProcessId() override;
  std::wstring WindowsDirectory() override;
  std::wstring CurrentDirectory() override;
  bool ShellOpenFolder(const std::wstring& path) override;

  // --- Modules, images and files -----------------------------------------------
  platform::ModuleHandle LoadModule(const std::wstring& path) override;
  void UnloadModule(platform::ModuleHandle module) override;
  std::optional<std::vector<std::uint8_t>> ReadResource(platform::ModuleHandle module,
                                                        std::uint32_t id,
                                                        const std::wstring& type) override;
  void* FindFunction(platform::ModuleHandle module, const char* name) override;
  // Through the Windows Imaging Component, on a thread where COM is initialised.
  std::optional<platform::Bitmap> DecodePng(const std::uint8_t* data, std::size_t size) override;
  // Through the Windows Imaging Component's PNG encoder, with COM initialised as for
  // decoding.
  std::vector<std::uint8_t> EncodePng(const platform::Bitmap& bitmap) override;

  // --- Files ---------------------------------------------------------------------
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::wstring& path) override;

 private:
  // Registers the window class on first use; 0 when the system refuses.
  ATOM WindowClass();
  // The native form of `message`: the one GetMessage last retrieved when it is the
  // same message, so its time and cursor position reach the system intact.
  MSG ToNative(const Message& message);

  std::mutex classMutex_;  // windows may be created on more than one thread
  HINSTANCE module_ = nullptr;
  ATOM windowClass_ = 0;

  std::mutex lastMutex_;
  MSG last_{};

  std::mutex measureMutex_;
  HDC measureDc_ = nullptr;  // for MeasureText, made on first use

  // Where GetTickCount64 is missing (before Vista), GetTickCount widened by
  // counting its wraps, which it does every 49.7 days.
  std::mutex tickMutex_;
  DWORD lastTick_ = 0;
  std::uint64_t tickWraps_ = 0;
};

}  // namespace kxua::win32
