// The Win32 platform operations behind path conversion and the properties-dialog
// wait, on the real system: system directories, the search of top-level windows,
// the top-most request, message pumping, and a properties request whose dialog
// comes up from another thread, as the shell's does. Prints one line per check and
// "N passed, N failed".
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "kxua/values.h"
#include "frames/common/file_properties.h"
#include "model/actions.h"
#include "model/path_conversion.h"
#include "platform/platform.h"
#include "testbed/action_manager.h"
#include "testbed/application_context.h"
#include "testbed/com_object.h"
#include "testbed/notification.h"
#include "tests/wine/check.h"

namespace {

using namespace kxua;

using wine::Check;

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A standard dialog shown by a thread of its own after a delay, which notes the
// close message it gets and then goes.
class DialogThread {
 public:
  explicit DialogThread(DWORD delayMs) : thread_([this, delayMs] { Run(delayMs); }) {}
  ~DialogThread() {
    stop_ = true;
    // The thread may not have a queue yet: ask until it is gone.
    while (!finished_) {
      PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
      Sleep(10);
    }
    thread_.join();
  }
  DWORD ThreadId() const { return threadId_; }
  bool Closed() const { return closed_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DialogThread*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (id == WM_CLOSE) {
      self->closed_ = true;
      DestroyWindow(window);
      return 0;
    }
    return CallWindowProcW(self->dialogProcedure_, window, id, wParam, lParam);
  }

  void Run(DWORD delayMs) {
    threadId_ = GetCurrentThreadId();
    Sleep(delayMs);
    if (!stop_) {
      HWND window = CreateWindowExW(0, L"#32770", L"Properties", WS_POPUP | WS_VISIBLE, 10, 10,
                                    200, 100, nullptr, nullptr, nullptr, nullptr);
      if (window != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        dialogProcedure_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
      }
    }
    finished_ = true;
  }

  std::atomic<DWORD> threadId_{0};
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> closed_{false};
  WNDPROC dialogProcedure_ = nullptr;
  std::thread thread_;
};

// An action manager that, like the product's, has the shell show a properties
// dialog some time after the request.
class DialogActionManager final : public testbed::DispatchObject<IUAAction> {
 public:
  std::vector<std::unique_ptr<DialogThread>> dialogs;

  HRESULT STDMETHODCALLTYPE ExecuteAction(BSTR, VARIANT, VARIANT* result) override {
    if (result != nullptr) VariantInit(result);
    dialogs.push_back(std::make_unique<DialogThread>(100));
    return S_OK;
  }
};

class PictureFrame final : public PropertiesOwner {
 public:
  void EnablePropertiesPicture(bool enabled) override { enabledAtEnd = enabled; }
  bool enabledAtEnd = false;
};

void CheckDirectories() {
  platform::Platform& system = platform::Get();
  const std::wstring windows = system.WindowsDirectory();
  Check(IsDirectory(windows), "the Windows directory is a directory");
  Check(IsDirectory(ToWin32Path(L"\\SystemRoot\\system32")), "\\SystemRoot\\system32 converts to a directory");
  Check(IsDirectory(ToWin32Path(L"System32")), "System32 converts to a directory");
  SetCurrentDirectoryW(windows.c_str());
  Check(system.CurrentDirectory() == windows, "the current directory is read whole");
  Check(ToWin32Path(L"\\Device\\x") == windows.substr(0, 2) + L"\\Device\\x",
        "a device-relative path goes on the current drive");
}

void CheckMessagePumping() {
  PostQuitMessage(7);
  platform::Get().ProcessPendingMessages();
  MSG message{};
  const bool quit = PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
  Check(quit && message.wParam == 7, "a quit met while pumping is left for the loop");
}

bool OfThread(platform::WindowHandle window, const DialogThread& dialog) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  return window != 0 && GetWindowThreadProcessId(hwnd, nullptr) == dialog.ThreadId();
}

bool TopMost(platform::WindowHandle window) {
  return (GetWindowLongPtrW(reinterpret_cast<HWND>(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void CheckPropertiesWait() {
  auto* context = new testbed::ApplicationContext;
  auto* actions = new DialogActionManager;
  auto* extended = new testbed::ActionObject(L"extended");
  context->Register(progid::ActionManager, actions);
  context->Register(progid::ExtendedAction, extended);
  testbed::Notification notification;
  notification.SetText(key::Path, L"\\??\\C:\\windows\\notepad.exe");
  PictureFrame frame;

  ShowFileProperties(context, &notification, frame);
  const bool one = actions->dialogs.size() == 1;
  Check(one && OfThread(frame.propertiesWindow, *actions->dialogs[0]),
        "the dialog that came up from another thread is remembered");
  Check(TopMost(frame.propertiesWindow), "and made top-most");
  Check(frame.enabledAtEnd, "the picture is enabled again");
  Check(extended->Items()[L"Path"].text == L"C:\\windows\\notepad.exe", "the path went converted");

  ShowFileProperties(context, &notification, frame);
  Check(one && actions->dialogs[0]->Closed(), "the next request closes the first dialog");
  Check(actions->dialogs.size() == 2 && OfThread(frame.propertiesWindow, *actions->dialogs[1]),
        "and remembers the second");

  context->Release();
  extended->Release();
  actions->Release();  // its dialogs go with it
}

}  // namespace

int main() {
  CheckDirectories();
  CheckMessagePumping();
  CheckPropertiesWait();
  return wine::Summary();
}
