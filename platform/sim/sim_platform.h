// A deterministic, headless platform for tests. Time is virtual: it moves only when
// the message loop has nothing to do but wait (it then jumps to the next due timer
// or scheduled action) or when a test runs the loop for a span with RunFor. Posted
// messages come first, in order; then WM_QUIT; then timers and scheduled actions by
// due time, ties broken by the order in which they were armed.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace kxua::sim {

using platform::Message;
using platform::Rect;
using platform::WindowHandle;

// One drawing operation recorded by the simulated canvas, in client coordinates.
struct DisplayItem {
  enum class Kind { Fill, Frame, Line, Text, Picture };
  Kind kind = Kind::Fill;
  Rect rect;                  // Line: from (left, top) to (right, bottom)
  platform::Color color = 0;
  platform::Font font;        // Text
  std::wstring text;          // Text: one laid-out line
  const platform::Bitmap* bitmap = nullptr;  // Picture
  std::uint8_t opacity = 255;                // Picture
  int penWidth = 1;                          // Frame
  Rect clip;                  // the clip in force
};

struct SimWindow {
  WindowHandle handle = 0;
  WindowHandle parent = 0;
  platform::WindowHandler* handler = nullptr;
  std::uint32_t exStyle = 0;
  Rect bounds;
  std::wstring title;
  bool visible = false;
  bool destroying = false;
  std::wstring className;
  std::uint32_t processId = 0;
  bool alphaEnabled = false;
  std::uint8_t alpha = 255;
  bool invalid = false;
  bool tracksLeave = false;
  std::vector<DisplayItem> displayList;  // of the latest paint
};

class SimPlatform final : public platform::Platform {
 public:
  // The virtual clock starts at tick 0, which is this moment in Unix time.
  static constexpr std::int64_t kDefaultStartUnixTime = 1796083200;  // 2026-12-01
  // The simulated process, and the class of the windows it creates.
  static constexpr std::uint32_t kProcessId = 1000;
  static constexpr wchar_t kWindowClassName[] = L"KXUAWindow";

  SimPlatform();
  ~SimPlatform() override;
  SimPlatform(const SimPlatform&) = delete;
  SimPlatform& operator=(const SimPlatform&) = delete;

  // --- Test controls ---------------------------------------------------------
  // Runs `action` on the loop's thread once virtual time reaches now + delayMs, as
  // the dispatch of a thread message (kActionMessage).
  void At(std::uint64_t delayMs, std::function<void()> action);
  // Dispatches everything that is due up to now + ms, then sets the clock there.
  void RunFor(std::uint64_t ms);
  // True once GetMessage found nothing posted, due or scheduled: on a real system
  // it would have waited forever. GetMessage then returns 0 to end the loop.
  bool Deadlocked() const { return deadlocked_; }
  void SetStartUnixTime(std::int64_t seconds) { startUnixTime_ = seconds; }

  // The desktop: a 1920 x 1080 screen with a 40-pixel taskbar at the bottom, an
  // empty foreground, a shell that accepts notifications, Windows 7.
  static constexpr platform::Size kDefaultScreen{1920, 1080};
  static constexpr Rect kDefaultTaskbar{0, 1040, 1920, 1080};
  void SetScreen(platform::Size size) { screen_ = size; }
  void SetTaskbar(std::optional<Rect> rect) { taskbar_ = rect; }
  void SetForeground(std::optional<platform::ForegroundWindow> window) { foreground_ = window; }
  void SetNotificationState(std::optional<int> state) { notificationState_ = state; }
  void SetSystemVersion(const platform::SystemVersion& version) { version_ = version; }
  // Positions the user drags the window through in the next system move loop (a
  // WM_SYSCOMMAND move that reaches DefaultHandling), each proposed to the window.
  void ScriptDrag(std::vector<std::pair<int, int>> positions) { drag_ = std::move(positions); }

  const SimWindow* FindWindow(WindowHandle window) const;
  const std::map<WindowHandle, SimWindow>& Windows() const { return windows_; }
  std::size_t WindowCount() const { return windows_.size(); }
  std::size_t TimerCount() const { return timers_.size(); }
  std::size_t PendingMessageCount();

  void SetRegistryString(platform::RegistryRoot root, const std::wstring& key,
                         const std::wstring& name, const std::wstring& value);
  void SetRegistryNumber(platform::RegistryRoot root, const std::wstring& key,
                         const std::wstring& name, std::uint32_t value);
  void SetKnownFolder(platform::KnownFolder folder, const std::wstring& path);

  struct Question {
    std::wstring title;
    std::wstring text;
  };
  const std::vector<Question>& Questions() const { return questions_; }
  void SetAnswer(platform::Answer answer) { answer_ = answer; }
  const std::vector<std::wstring>& DebugLines() const { return debugLines_; }
  int DebuggerBreaks() const { return debuggerBreaks_; }

  // A top-level window that the library did not create: a dialog the system shows
  // for this process, or a window of another process. The system's default handling
  // serves it, so a close message destroys it.
  WindowHandle AddExternalWindow(const std::wstring& className, std::uint32_t processId);
  void SetWindowsDirectory(const std::wstring& path) { windowsDirectory_ = path; }
  void SetCurrentDirectory(const std::wstring& path) { currentDirectory_ = path; }
  // Every folder the shell was asked to show, in order.
  const std::vector<std::wstring>& OpenedFolders() const { return openedFolders_; }
  // Mouse input at client coordinates of `window`, delivered at once as the system
  // would: a leave to the window the mouse left (when it asked for one), the cursor
  // query, then the move or button message. Window 0 moves the mouse off every window.
  void MouseMove(WindowHandle window, int x, int y);
  void MouseDown(WindowHandle window, int x, int y);
  void MouseUp(WindowHandle window, int x, int y);
  void Click(WindowHandle window, int x, int y);
  // Delivers msg::Paint to every invalid window now.
  void PaintPending();
  platform::Cursor CurrentCursor() const { return cursor_; }
  WindowHandle Captured() const { return capture_; }
  // The display list of the latest paint of `window`; empty for an unknown window.
  const std::vector<DisplayItem>& DisplayList(WindowHandle window) const;

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
  // Always true: the window is checked at dispatch, as the window table belongs to
  // the loop's thread and posts may come from any thread.
  bool PostMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  std::intptr_t SendMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  std::uint32_t RegisterMessage(const std::wstring& name) override;
  void PostQuit(int exitCode) override;
  int GetMessage(Message& message) override;
  void TranslateMessage(const Message&) override {}
  std::intptr_t DispatchMessage(const Message& message) override;
  bool SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t intervalMs) override;
  void KillTimer(WindowHandle window, std::uintptr_t id) override;
  // In creation order, the newest on top.
  std::vector<platform::TopLevelWindow> TopLevelWindows() override;
  void MakeTopMost(WindowHandle window) override;
  // Dispatches what is posted or due now; time does not move.
  void ProcessPendingMessages() override { RunFor(0); }
  std::wstring GlobalAtomName(std::uint16_t atom) override;
  // Global atoms as another program adds them: the same atom for the same name
  // (case ignored), counted, gone after as many deletes as adds.
  std::uint16_t AddGlobalAtom(const std::wstring& name);
  void DeleteGlobalAtom(std::uint16_t atom);

  // --- Graphics ------------------------------------------------------------------
  void Invalidate(WindowHandle window) override;
  void RedrawNow(WindowHandle window) override;
  void PaintWindow(WindowHandle window,
                   const std::function<void(platform::Canvas&)>& paint) override;
  void SetAlpha(WindowHandle window, bool enabled, std::uint8_t alpha) override;
  void TrackMouseLeave(WindowHandle window) override;
  void SetCursor(platform::Cursor cursor) override { cursor_ = cursor; }
  void SetCapture(WindowHandle window) override;
  void ReleaseCapture() override { SetCapture(0); }
  platform::Point ClientToScreen(WindowHandle window, platform::Point point) override;
  // The simulation has no pixels, so the capture draws the display lists of the
  // window and its shown children, children above their parent, on white: fills,
  // frames, lines and pictures as a screen would show them, and each character of
  // a text as a block of its colour in its cell (there are no glyphs). Enough to
  // see a layout and to check colours at known places; not what Windows draws.
  std::optional<platform::Bitmap> CaptureWindow(WindowHandle window) override;

  // --- Clock ---------------------------------------------------------------------
  std::uint64_t TickCount() override { return now_; }
  std::int64_t UnixTime() override {
    return startUnixTime_ + static_cast<std::int64_t>(now_ / 1000);
  }
  // Moves the clock on by `ms`. Scheduled actions falling due meanwhile run, as they
  // stand for what other threads and processes do while this one sleeps; timers and
  // posted messages wait for the loop.
  void Sleep(std::uint32_t ms) override;

  // --- Text metrics --------------------------------------------------------------
  // Fixed metrics, so that layouts come out exact in tests: every character is
  // half the font's pixel height wide (rounded up, one more when bold), and a
  // line is the pixel height plus a quarter for leading (rounded up).
  platform::Size MeasureText(const platform::Font& font, const std::wstring& text) override;
  static int CharWidth(const platform::Font& font);
  static int LineHeight(const platform::Font& font);

  // --- Desktop -------------------------------------------------------------------
  platform::Size ScreenSize() override { return screen_; }
  std::optional<Rect> TaskbarRect() override { return taskbar_; }
  std::optional<platform::ForegroundWindow> GetForegroundWindow() override { return foreground_; }
  std::optional<int> QueryUserNotificationState() override { return notificationState_; }
  platform::SystemVersion GetSystemVersion() override { return version_; }

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
  void DebugOutput(const std::wstring& text) override { debugLines_.push_back(text); }
  platform::Answer AskQuestion(const std::wstring& title, const std::wstring& text) override;
  void BreakIntoDebugger() override { ++debuggerBreaks_; }
  std::optional<std::wstring> DescribeError(HRESULT code) override;
  std::uint32_t ProcessId() override { return kProcessId; }
  std::wstring WindowsDirectory() override { return windowsDirectory_; }
  std::wstring CurrentDirectory() override { return currentDirectory_; }
  // Records the request; the shell always obliges.
  bool ShellOpenFolder(const std::wstring& path) override;

  // --- Modules and images -----------------------------------------------------
  // Resources of a simulated module by type (upper case, such as L"PNG") and id.
  using Resources = std::map<std::pair<std::wstring, std::uint32_t>, std::vector<std::uint8_t>>;
  // Makes `resources` loadable as the module `name`: a bare file name or a full
  // path, matched case-insensitively against what LoadModule is given. Adding a
  // name again replaces its resources.
  void AddModule(const std::wstring& name, Resources resources);
  // Loads not yet matched by an unload, over all modules.
  int LoadedModuleCount() const;
  // Every successful load of the module `name` so far, unloaded or not.
  int ModuleLoads(const std::wstring& name) const;
  platform::ModuleHandle LoadModule(const std::wstring& path) override;
  void UnloadModule(platform::ModuleHandle module) override;
  std::optional<std::vector<std::uint8_t>> ReadResource(platform::ModuleHandle module,
                                                        std::uint32_t id,
                                                        const std::wstring& type) override;
  // Makes `function` the export `name` of the module `module` (named as for
  // AddModule), adding the module without resources when it is not known yet.
  void AddModuleFunction(const std::wstring& module, const std::string& name, void* function);
  void* FindFunction(platform::ModuleHandle module, const char* name) override;
  // libpng, with the same refusals as the system's decoder.
  std::optional<platform::Bitmap> DecodePng(const std::uint8_t* data, std::size_t size) override;
  // libpng as well.
  std::vector<std::uint8_t> EncodePng(const platform::Bitmap& bitmap) override;

  // --- Files ---------------------------------------------------------------------
  // An in-memory file system. Paths compare as on Windows: letter case ignored and
  // "/" the same as "\\".
  void SetFile(const std::wstring& path, std::vector<std::uint8_t> content);
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::wstring& path) override;
  // How many reads were asked for `path`, found or not.
  int FileReads(const std::wstring& path) const;

 private:
  // When a timer or action is due; the earlier due time first, then the earlier
  // armed. Orders are unique, so this orders everything waiting strictly.
  struct Due {
    std::uint64_t due;
    std::uint64_t order;
    friend bool operator<(const Due& a, const Due& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    }
  };
  using TimerKey = std::pair<WindowHandle, std::uintptr_t>;  // window, timer id
  struct Timer {
    std::uint32_t interval;
    Due due;
  };
  struct ClassEntry {
    CLSID clsid;
    IUnknown* factory;
  };
  using RegistryKey = std::pair<int, std::wstring>;  // root, lower-case "key\name"
  struct RegistryValue {
    std::optional<std::wstring> text;
    std::optional<std::uint32_t> number;
  };

  static constexpr std::uint32_t kActionMessage = 0xBFFF;  // top of the WM_APP range

  // Takes the next posted message or WM_QUIT; false when there is neither.
  bool TakePosted(Message& message);
  // Moves time to the next timer or action due no later than `limit` and fills
  // `message` with its message. False when none is due.
  bool TakeDue(std::uint64_t limit, Message& message);
  void RemoveTimer(std::map<TimerKey, Timer>::iterator timer);
  void DestroyTree(WindowHandle window);
  // Takes the paint message of the first invalid window; false when none is.
  bool TakePaint(Message& message);
  void MouseMessage(WindowHandle window, std::uint32_t id, int x, int y);
  SimWindow* Live(WindowHandle window);
  static RegistryKey MakeRegistryKey(platform::RegistryRoot root, const std::wstring& key,
                                     const std::wstring& name);

  std::uint64_t now_ = 0;
  std::int64_t startUnixTime_ = kDefaultStartUnixTime;
  std::uint64_t nextOrder_ = 0;
  WindowHandle nextHandle_ = 0x10000;
  bool deadlocked_ = false;

  std::map<WindowHandle, SimWindow> windows_;
  // Timers by window and id, and the same in the order they fall due; actions in
  // that order too. Ordered containers keep each step of the loop logarithmic
  // however much is scheduled.
  std::map<TimerKey, Timer> timers_;
  std::map<Due, TimerKey> timerQueue_;
  std::map<Due, std::function<void()>> actions_;
  std::deque<std::function<void()>> ready_;  // due actions waiting for their dispatch

  std::mutex queueMutex_;  // posted messages may come from any thread
  std::deque<Message> posted_;
  std::optional<int> quitCode_;

  platform::Size screen_ = kDefaultScreen;
  std::optional<Rect> taskbar_ = kDefaultTaskbar;
  std::optional<platform::ForegroundWindow> foreground_;
  std::optional<int> notificationState_ = 5;
  platform::SystemVersion version_;
  std::vector<std::pair<int, int>> drag_;

  std::map<std::wstring, std::uint32_t> registeredMessages_;
  std::vector<ClassEntry> classes_;  // index + 1 is the cookie; revoked entries are null
  std::map<RegistryKey, RegistryValue> registry_;
  std::map<int, std::wstring> knownFolders_;
  std::vector<Question> questions_;
  platform::Answer answer_ = platform::Answer::No;
  std::vector<std::wstring> debugLines_;
  int debuggerBreaks_ = 0;
  struct SimModule {
    platform::ModuleHandle handle;
    Resources resources;
    int loads = 0;
    std::map<std::string, void*> functions;
    int totalLoads = 0;
  };
  std::map<std::wstring, SimModule> modules_;  // by lower-case name
  SimModule& ModuleEntry(const std::wstring& name);
  std::wstring windowsDirectory_ = L"C:\\Windows";
  std::wstring currentDirectory_ = L"C:\\Users\\Public";
  std::vector<std::wstring> openedFolders_;
  static std::wstring FileKey(const std::wstring& path);
  std::map<std::wstring, std::vector<std::uint8_t>> files_;  // by FileKey
  std::map<std::wstring, int> fileReads_;

  platform::Cursor cursor_ = platform::Cursor::Arrow;
  WindowHandle capture_ = 0;
  WindowHandle mouseWindow_ = 0;
  struct GlobalAtom {
    std::wstring name;
    int references = 0;
  };
  std::map<std::uint16_t, GlobalAtom> globalAtoms_;
};

// Installs a fresh simulation as the current platform for the lifetime of a test.
class ScopedSimPlatform {
 public:
  ScopedSimPlatform() { platform::Install(&sim_); }
  ~ScopedSimPlatform() { platform::Install(nullptr); }
  SimPlatform& operator*() { return sim_; }
  SimPlatform* operator->() { return &sim_; }

 private:
  SimPlatform sim_;
};

}  // namespace kxua::sim
