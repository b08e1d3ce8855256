#include "testbed/action_manager.h"

namespace kxua::testbed {

namespace {
std::wstring ToString(BSTR text) {
  return text == nullptr ? std::wstring() : std::wstring(text, SysStringLen(text));
}
}  // namespace

std::map<std::wstring, std::wstring> ActionObject::Items() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return items_;
}

HRESULT ActionObject::SetItem(BSTR name, VARIANT value) {
  std::lock_guard<std::mutex> lock(mutex_);
  items_[ToString(name)] = value.vt == VT_BSTR ? ToString(value.bstrVal) : std::wstring();
  return S_OK;
}

std::vector<ActionManager::Request> ActionManager::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

HRESULT ActionManager::ExecuteAction(BSTR actionName, VARIANT argument, VARIANT* result) {
  Request request{ToString(actionName), argument.vt, {}, {}};
  if (argument.vt == VT_BSTR) request.text = ToString(argument.bstrVal);
  if (argument.vt == VT_DISPATCH && argument.pdispVal != nullptr) {
    IZYMExtendedAction* action = nullptr;
    if (SUCCEEDED(argument.pdispVal->QueryInterface(IidOf<IZYMExtendedAction>(),
                                                    reinterpret_cast<void**>(&action)))) {
      request.objectName = static_cast<ActionObject*>(action)->Name();
      action->Release();
    }
  }
  if (result != nullptr) VariantInit(result);
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.push_back(std::move(request));
  return S_OK;
}

}  // namespace kxua::testbed
