#include "testbed/action_manager.h"

#include "platform/platform.h"

namespace kxua::testbed {

std::vector<ActionManager::Request> ActionManager::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

HRESULT ActionManager::ExecuteAction(BSTR actionName, VARIANT argument, VARIANT* result) {
  Request request{ToString(actionName), actionName == nullptr, Record(argument), {}, {}};
  if (argument.vt == VT_DISPATCH && argument.pdispVal != nullptr) {
    IZYMExtendedAction* action = nullptr;
    if (SUCCEEDED(argument.pdispVal->QueryInterface(IidOf<IZYMExtendedAction>(),
                                                    reinterpret_cast<void**>(&action)))) {
      const auto* object = static_cast<ActionObject*>(action);
      request.objectName = object->Name();
      request.objectItems = object->Items();
      action->Release();
    }
  }
  if (result != nullptr) VariantInit(result);
  if (opensFolders_ && request.action == L"OpenShellFolder" && argument.vt == VT_BSTR)
    platform::Get().ShellOpenFolder(request.argument.text);
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.push_back(std::move(request));
  return S_OK;
}

}  // namespace kxua::testbed
