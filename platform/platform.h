// What the operating system provides, reached only through this interface. Two
// implementations exist: platform/win32 (the real thing) and platform/sim (a
// deterministic simulation with a virtual clock, for tests). The core never
// includes either; the composition root picks one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kxua/com.h"

namespace kxua::platform {

// An opaque window handle (the HWND on Windows); 0 is no window.
using WindowHandle = std::uintptr_t;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// The part two rectangles share; empty (at the first one's corner) when none.
inline Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

// The window messages the core uses, with their system values.
namespace msg {
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t WindowPosChanging = 0x0046;
inline constexpr std::uint32_t WindowPosChanged = 0x0047;
inline constexpr std::uint32_t Quit = 0x0012;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t Timer = 0x0113;
inline constexpr std::uint32_t SysCommand = 0x0112;
inline constexpr std::uint32_t Sizing = 0x0214;
inline constexpr std::uint32_t Moving = 0x0216;
inline constexpr std::uint32_t User = 0x0400;
inline constexpr std::uint32_t Paint = 0x000F;
inline constexpr std::uint32_t EraseBackground = 0x0014;
inline constexpr std::uint32_t SetCursor = 0x0020;
inline constexpr std::uint32_t MouseMove = 0x0200;
inline constexpr std::uint32_t LeftButtonDown = 0x0201;
inline constexpr std::uint32_t LeftButtonUp = 0x0202;
inline constexpr std::uint32_t RightButtonDown = 0x0204;
inline constexpr std::uint32_t RightButtonUp = 0x0205;
inline constexpr std::uint32_t MouseLeave = 0x02A3;
inline constexpr std::uint32_t CaptureChanged = 0x0215;
}  // namespace msg

// Extended window styles.
namespace exstyle {
inline constexpr std::uint32_t TopMost = 0x00000008;
inline constexpr std::uint32_t ToolWindow = 0x00000080;
inline constexpr std::uint32_t Layered = 0x00080000;
inline constexpr std::uint32_t Composited = 0x02000000;
inline constexpr std::uint32_t NoActivate = 0x08000000;
}  // namespace exstyle

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size& a, const Size& b) {
    return a.width == b.width && a.height == b.height;
  }
};

// A decoded picture: 32-bit pixels 0xAARRGGBB (straight, not premultiplied alpha),
// rows top-down.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// A font as the layouts describe it: a face name and a height in pixels (negative
// for the character height without internal leading, as the runtime stores it).
struct Font {
  std::wstring name = L"Tahoma";
  int height = -11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// What WindowPosChanging's lParam points at, laid out as the system's WINDOWPOS;
// handlers may change the proposed position and size.
struct WindowPos {
  std::uintptr_t window;
  std::uintptr_t insertAfter;
  int x;
  int y;
  int cx;
  int cy;
  std::uint32_t flags;
};

namespace swp {
inline constexpr std::uint32_t NoSize = 0x0001;
inline constexpr std::uint32_t NoMove = 0x0002;
}  // namespace swp

// WM_SYSCOMMAND commands (the low four bits are the system's own).
namespace syscommand {
inline constexpr std::uint32_t Move = 0xF010;
inline constexpr std::uint32_t DragMove = 0xF012;  // move with the mouse, as a caption drag
}  // namespace syscommand

// The mouse cursor: the arrow, the hand over links and buttons, the hourglass
// while the product opens something slow.
enum class Cursor { Arrow, Hand, HourGlass };

struct Message {
  WindowHandle window = 0;
  std::uint32_t id = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

// Receives every message of one window, creation messages included: what it does not
// handle must go to Windowing::DefaultHandling. It may destroy its own window, and
// must not let an exception out (the system's code is on the stack).
class WindowHandler {
 public:
  virtual std::intptr_t HandleMessage(const Message& message) = 0;

 protected:
  ~WindowHandler() = default;
};

// A top-level window of the session, as a search of them sees it.
struct TopLevelWindow {
  WindowHandle handle = 0;
  std::wstring className;
  std::uint32_t processId = 0;
};


struct WindowSpec {
  WindowHandle parent = 0;
  std::uint32_t exStyle = 0;
  Rect bounds;
  std::wstring title;  // not shown (no caption); names the window for tools
};

// Top-level and child windows, messages, timers and the thread's message loop.
// Everything but PostMessage belongs to the thread that created the window.
class Windowing {
 public:
  // A borderless popup (or a child when `params.parent` is set), created hidden.
  // Returns 0 on failure. `handler` must outlive the window.
  virtual WindowHandle CreateWindow(const WindowSpec& params, WindowHandler* handler) = 0;
  // The handler sees Destroy before this returns and no message afterwards.
  virtual void DestroyWindow(WindowHandle window) = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  // The system's own handling of a message the handler does not take.
  virtual std::intptr_t DefaultHandling(const Message& message) = 0;

  virtual std::uint32_t GetExStyle(WindowHandle window) = 0;
  virtual void SetExStyle(WindowHandle window, std::uint32_t exStyle) = 0;
  virtual Rect GetBounds(WindowHandle window) = 0;
  virtual void SetBounds(WindowHandle window, const Rect& bounds) = 0;
  virtual bool IsVisible(WindowHandle window) = 0;
  // Shows without activating; top-most windows stay above the others.
  virtual void Show(WindowHandle window) = 0;
  virtual void Hide(WindowHandle window) = 0;

  // Safe from any thread. False when the window is gone or the queue refused.
  virtual bool PostMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;
  virtual std::intptr_t SendMessage(WindowHandle window, std::uint32_t id,
                                    std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // The same id for the same name within the session; 0 on failure.
  virtual std::uint32_t RegisterMessage(const std::wstring& name) = 0;
  virtual void PostQuit(int exitCode) = 0;

  // Waits for the next message of the calling thread: posted messages first, then
  // timers that are due. Returns 0 for WM_QUIT, -1 on failure, otherwise nonzero.
  virtual int GetMessage(Message& message) = 0;
  virtual void TranslateMessage(const Message& message) = 0;
  virtual std::intptr_t DispatchMessage(const Message& message) = 0;

  // Delivers msg::Timer with wParam `id` to the window every `intervalMs`;
  // setting an existing id restarts it.
  virtual bool SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t intervalMs) = 0;
  virtual void KillTimer(WindowHandle window, std::uintptr_t id) = 0;

  // Every top-level window of the session, other processes' included, from the top
  // of the z-order down.
  virtual std::vector<TopLevelWindow> TopLevelWindows() = 0;
  // Moves `window` (of any thread of this process) into the top-most band without
  // moving or sizing it; the system may activate it.
  virtual void MakeTopMost(WindowHandle window) = 0;
  // Dispatches what is waiting for the calling thread, without waiting for more. A
  // WM_QUIT found ends the pass and is posted again for the loop that owns it.
  virtual void ProcessPendingMessages() = 0;
  // The name of a global atom (which another process may have added); empty when
  // there is no such atom.
  virtual std::wstring GlobalAtomName(std::uint16_t atom) = 0;

 protected:
  ~Windowing() = default;
};

class Clock {
 public:
  // Milliseconds since an arbitrary start; never goes back.
  virtual std::uint64_t TickCount() = 0;
  // Whole seconds since 1970-01-01 UTC.
  virtual std::int64_t UnixTime() = 0;
  // Blocks the calling thread for `ms`; its messages and timers wait.
  virtual void Sleep(std::uint32_t ms) = 0;

 protected:
  ~Clock() = default;
};

// COM object creation and class-object registration.
class ComRuntime {
 public:
  virtual HRESULT CreateInstance(const CLSID& clsid, DWORD classContext, const IID& iid,
                                 void** object) = 0;
  // Runs an object that was created here (OleRun).
  virtual HRESULT Run(IUnknown* object) = 0;
  // Makes `factory` (an IClassFactory) the source of `clsid` for this process.
  virtual HRESULT RegisterClassObject(const CLSID& clsid, IUnknown* factory,
                                      DWORD& cookie) = 0;
  virtual HRESULT RevokeClassObject(DWORD cookie) = 0;

 protected:
  ~ComRuntime() = default;
};

class TextMetrics {
 public:
  // The extent of `text` on one line in `font`.
  virtual Size MeasureText(const Font& font, const std::wstring& text) = 0;

 protected:
  ~TextMetrics() = default;
};

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  // A REG_SZ value, at most `maxChars` characters (longer values are cut);
  // nothing when the key or value is missing or not a string.
  virtual std::optional<std::wstring> ReadString(RegistryRoot root, const std::wstring& key,
                                                 const std::wstring& name,
                                                 std::size_t maxChars) = 0;
  // A REG_DWORD value.
  virtual std::optional<std::uint32_t> ReadNumber(RegistryRoot root, const std::wstring& key,
                                                  const std::wstring& name) = 0;

 protected:
  ~Registry() = default;
};

enum class KnownFolder { CommonAppData };

enum class Answer { Yes, No, Cancel };

class System {
 public:
  // Without a trailing separator; empty when unknown.
  virtual std::wstring GetKnownFolder(KnownFolder folder) = 0;
  virtual void DebugOutput(const std::wstring& text) = 0;
  // A system-modal Yes/No/Cancel question box.
  virtual Answer AskQuestion(const std::wstring& title, const std::wstring& text) = 0;
  // Stops in an attached debugger; nothing without one.
  virtual void BreakIntoDebugger() = 0;
  // The system's description of a result code, if it has one.
  virtual std::optional<std::wstring> DescribeError(HRESULT code) = 0;
  // The id of the calling process.
  virtual std::uint32_t ProcessId() = 0;
  // The system's Windows directory (for instance C:\Windows); empty when unknown.
  virtual std::wstring WindowsDirectory() = 0;
  // The process's current directory; empty when unknown.
  virtual std::wstring CurrentDirectory() = 0;
  // Shows in the shell's file browser the folder `path` names, or the folder holding
  // it when it names a file. False when the shell refused.
  virtual bool ShellOpenFolder(const std::wstring& path) = 0;

 protected:
  ~System() = default;
};

// An opaque module handle (the HMODULE on Windows); 0 is no module.
using ModuleHandle = std::uintptr_t;

// Modules (libraries) and the resources they carry.
class Modules {
 public:
  // Loads a module by full path, or by bare file name with the system's search.
  // Returns 0 when it cannot be loaded. Every load needs one UnloadModule.
  virtual ModuleHandle LoadModule(const std::wstring& path) = 0;
  virtual void UnloadModule(ModuleHandle module) = 0;
  // The bytes of the resource `id` of type `type` (such as L"PNG"); nothing when the
  // module or the resource is missing.
  virtual std::optional<std::vector<std::uint8_t>> ReadResource(ModuleHandle module,
                                                                std::uint32_t id,
                                                                const std::wstring& type) = 0;
  // The address of the export `name` (case-sensitive) of a loaded module; null when
  // the module or the export is missing.
  virtual void* FindFunction(ModuleHandle module, const char* name) = 0;

 protected:
  ~Modules() = default;
};

class Images {
 public:
  // Pictures wider or higher than this are refused, so that a hostile header
  // cannot make the decoder allocate without bound.
  static constexpr int kLargestSide = 4096;

  // Decodes a PNG picture of any colour type and bit depth; nothing when the data
  // is not a complete, valid PNG or a side is above kLargestSide.
  virtual std::optional<Bitmap> DecodePng(const std::uint8_t* data, std::size_t size) = 0;
  // `bitmap` as a PNG file of 8-bit RGBA; empty when the bitmap has no pixels, a side
  // above kLargestSide, fewer pixels than its size needs, or the encoder fails.
  virtual std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) = 0;

 protected:
  // What both encoders refuse, tested once.
  static bool Encodable(const Bitmap& bitmap) {
    return bitmap.width > 0 && bitmap.height > 0 && bitmap.width <= kLargestSide &&
           bitmap.height <= kLargestSide &&
           bitmap.pixels.size() >= static_cast<std::size_t>(bitmap.width) * bitmap.height;
  }
  ~Images() = default;
};

// Files of the product's installation.
class Files {
 public:
  // Larger files are refused: nothing the library reads from disk comes near it.
  static constexpr std::size_t kLargestFile = 16 * 1024 * 1024;

  // The whole content of the file at `path` (a Windows path; "\" separates folders);
  // nothing when it is missing, unreadable or larger than kLargestFile.
  virtual std::optional<std::vector<std::uint8_t>> ReadFile(const std::wstring& path) = 0;

 protected:
  ~Files() = default;
};

}  // namespace kxua::platform

#include "platform/desktop.h"

namespace kxua::platform {

// A colour as the layouts store it: 0x00BBGGRR.
using Color = std::uint32_t;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
};

// How DrawText places text in its rectangle (the system's DT_ values).
namespace text_format {
inline constexpr std::uint32_t Left = 0x0000;
inline constexpr std::uint32_t Center = 0x0001;
inline constexpr std::uint32_t Right = 0x0002;
inline constexpr std::uint32_t VCenter = 0x0004;
inline constexpr std::uint32_t Bottom = 0x0008;
inline constexpr std::uint32_t WordBreak = 0x0010;
inline constexpr std::uint32_t SingleLine = 0x0020;
inline constexpr std::uint32_t PathEllipsis = 0x4000;
inline constexpr std::uint32_t EndEllipsis = 0x8000;
}  // namespace text_format

// Drawing into a window's client area during painting. Coordinates are client
// coordinates; everything drawn is clipped to the innermost pushed clip rectangle.
class Canvas {
 public:
  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A border `width` pixels wide inside `rect`.
  virtual void FrameRect(const Rect& rect, Color color, int width) = 0;
  // From `from` up to, but not including, `to`.
  virtual void Line(Point from, Point to, Color color) = 0;
  // Lays `text` out in `rect` with the text_format flags (see LayoutText) and draws it.
  virtual void DrawText(const Rect& rect, const Font& font, Color color, const std::wstring& text,
                        std::uint32_t format) = 0;
  // `bitmap` scaled to `rect`, its own alpha multiplied by `opacity` (255: as is).
  virtual void DrawBitmap(const Rect& rect, const Bitmap& bitmap, std::uint8_t opacity) = 0;
  // Narrows the clip to its intersection with `rect` until the matching PopClip.
  virtual void PushClip(const Rect& rect) = 0;
  virtual void PopClip() = 0;

 protected:
  ~Canvas() = default;
};

// Painting, transparency and the mouse.
class Graphics {
 public:
  // Asks for a msg::Paint of the whole window.
  virtual void Invalidate(WindowHandle window) = 0;
  // Paints the window and its child windows now, before this call returns.
  virtual void RedrawNow(WindowHandle window) = 0;
  // Only while handling msg::Paint: runs `paint` on a canvas of the whole client
  // area and shows the result at once (drawn off-screen first, so nothing flickers).
  virtual void PaintWindow(WindowHandle window, const std::function<void(Canvas&)>& paint) = 0;
  // Whole-window transparency: `alpha` 0 is invisible, 255 opaque; off draws opaque.
  virtual void SetAlpha(WindowHandle window, bool enabled, std::uint8_t alpha) = 0;
  // Asks for one msg::MouseLeave when the mouse next leaves the window.
  virtual void TrackMouseLeave(WindowHandle window) = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // The window that loses the mouse hears msg::CaptureChanged.
  virtual void SetCapture(WindowHandle window) = 0;
  virtual void ReleaseCapture() = 0;
  virtual Point ClientToScreen(WindowHandle window, Point point) = 0;
  // What `window` and its children show, opaque (whole-window transparency left
  // out), once the paints they have pending are done: a window just shown comes
  // with its first paint. Nothing when the window is gone, hidden, empty or larger
  // than Images::kLargestSide on a side. Each implementation says where its pixels
  // come from.
  virtual std::optional<Bitmap> CaptureWindow(WindowHandle window) = 0;

 protected:
  ~Graphics() = default;
};

class Platform : public Windowing,
                 public Graphics,
                 public Clock,
                 public TextMetrics,
                 public Desktop,
                 public ComRuntime,
                 public Registry,
                 public System,
                 public Modules,
                 public Images,
                 public Files {
 public:
  virtual ~Platform() = default;
};

// The platform in use: the one installed last, else the implementation's default.
Platform& Get();

// Makes `platform` current until another is installed; null returns to the default.
void Install(Platform* platform);

// Defined by each implementation library.
Platform& DefaultPlatform();

}  // namespace kxua::platform
