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

bool RequestFileProperties(IZYMApplicationContext* context, IUINotification* notification) {
  auto manager = LookUp<IUAAction>(context, progid::ActionManager);
  if (!manager) return false;
  const std::wstring path = ReadText(notification, key::Path, kLongText);
  auto request = LookUp<IZYMExtendedAction>(context, progid::ExtendedAction);
  if (!request) return false;
  Variant convertedPath;
  SetText(convertedPath, ToWin32Path(path));
  request->SetItem(BString(L"Path").Get(), convertedPath.Get());
  Variant argument;
  SetObject(argument, request.Get());
  Execute(manager.Get(), action_name::ShowFilePropertiesDialog, argument);
  return true;
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
