#include "model/actions.h"

#include "kxua/values.h"
#include "model/com_ptr.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/services.h"
#include "model/variants.h"

namespace kxua {

namespace {

// The result is created empty and released unread: the product reports nothing
// back to alerts.
void Execute(IUAAction* manager, const wchar_t* action, const Variant& argument) {
  Variant result;
  manager->ExecuteAction(BString(action).Get(), argument.Get(), result.Receive());
}

void Request(IZYMApplicationContext* context, const wchar_t* action, const Variant& argument) {
  if (auto manager = LookUp<IUAAction>(context, progid::ActionManager))
    Execute(manager.Get(), action, argument);
}

// The first dialog of this process among the top-level windows; 0 when none.
platform::WindowHandle FindOwnDialog(platform::Platform& system) {
  const std::uint32_t process = system.ProcessId();
  for (const platform::TopLevelWindow& window : system.TopLevelWindows())
    if (window.className == kDialogClassName && window.processId == process) return window.handle;
  return 0;
}

// Holds the picture disabled and the hourglass up for the length of a request, on
// every way out of it.
class PropertiesRequestScope {
 public:
  explicit PropertiesRequestScope(PropertiesOwner& owner) : owner_(owner) {
    owner_.EnablePropertiesPicture(false);
  }
  ~PropertiesRequestScope() {
    platform::Get().SetCursor(platform::Cursor::Arrow);
    owner_.EnablePropertiesPicture(true);
  }
  PropertiesRequestScope(const PropertiesRequestScope&) = delete;
  PropertiesRequestScope& operator=(const PropertiesRequestScope&) = delete;

 private:
  PropertiesOwner& owner_;
};

}  // namespace

void OpenShellFolder(IZYMApplicationContext* context, const std::wstring& path) {
  Variant argument;
  SetText(argument, path);
  Request(context, action_name::OpenShellFolder, argument);
}

void RestartSystem(IZYMApplicationContext* context, RestartArgument kind) {
  Variant argument;
  if (kind == RestartArgument::Zero)
    SetInt(argument, 0);
  else
    SetText(argument, std::wstring());
  Request(context, action_name::RestartSystem, argument);
}

void ShowFileProperties(IZYMApplicationContext* context, IUINotification* notification,
                        PropertiesOwner& owner) {
  if (context == nullptr) return;
  platform::Platform& system = platform::Get();
  PropertiesRequestScope scope(owner);
  if (owner.propertiesWindow != 0) {
    system.SendMessage(owner.propertiesWindow, platform::msg::Close, 0, 0);
    owner.propertiesWindow = 0;
  }
  system.SetCursor(platform::Cursor::HourGlass);

  auto manager = LookUp<IUAAction>(context, progid::ActionManager);
  if (!manager) return;
  const std::wstring path = ReadText(notification, key::Path, kLongText);
  // Without the object that carries the path there is nothing to show, and no
  // dialog to wait for.
  auto request = LookUp<IZYMExtendedAction>(context, progid::ExtendedAction);
  if (!request) return;
  Variant convertedPath;
  SetText(convertedPath, ToWin32Path(path));
  request->SetItem(BString(L"Path").Get(), convertedPath.Get());
  Variant argument;
  SetObject(argument, request.Get());
  Execute(manager.Get(), action_name::ShowFilePropertiesDialog, argument);

  // The dialog comes up asynchronously, from another thread of this process.
  const std::uint64_t start = system.TickCount();
  system.ProcessPendingMessages();
  for (;;) {
    if (platform::WindowHandle dialog = FindOwnDialog(system)) {
      owner.propertiesWindow = dialog;
      // Issued three times over, as alerts always have; repeating it is harmless.
      for (int i = 0; i < 3; ++i) system.MakeTopMost(dialog);
      return;
    }
    if (system.TickCount() - start >= kPropertiesWaitMs) return;
    system.Sleep(kPropertiesPollMs);
  }
}

void RunPreparedAction(IZYMApplicationContext* context, const std::wstring& objectName,
                       PreparedObject kind) {
  if (objectName.empty()) return;
  ComPtr<IDispatch> object = LookUpObject(context, objectName);
  if (!object) return;
  if (kind == PreparedObject::ExtendedAction) {
    auto action = ComPtr<IZYMExtendedAction>::Query(object.Get());
    if (!action) return;
    object = ComPtr<IDispatch>(action.Get());
  }
  Variant argument;
  SetObject(argument, object.Get());
  Request(context, L"", argument);
}

}  // namespace kxua
