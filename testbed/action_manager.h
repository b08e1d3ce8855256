// The stand-in product's action manager, which records every request, and the
// action objects that notifications name.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "kxua/services.h"
#include "testbed/com_object.h"

namespace kxua::testbed {

// An action object ("Zym.ExtendedAction", or one registered for an alert).
class ActionObject final : public DispatchObject<IZYMExtendedAction> {
 public:
  explicit ActionObject(std::wstring name = std::wstring()) : name_(std::move(name)) {}
  const std::wstring& Name() const { return name_; }
  // The text items set on it (numbers and objects are recorded as empty text).
  std::map<std::wstring, std::wstring> Items() const;

  HRESULT STDMETHODCALLTYPE SetItem(BSTR name, VARIANT value) override;

 private:
  ~ActionObject() override = default;
  std::wstring name_;
  mutable std::mutex mutex_;
  std::map<std::wstring, std::wstring> items_;
};

class ActionManager final : public DispatchObject<IUAAction> {
 public:
  struct Request {
    std::wstring action;     // the action name
    VARTYPE argumentType;    // of the argument
    std::wstring text;       // a text argument
    std::wstring objectName; // the name of an ActionObject argument
  };
  std::vector<Request> Requests() const;

  HRESULT STDMETHODCALLTYPE ExecuteAction(BSTR actionName, VARIANT argument,
                                          VARIANT* result) override;

 private:
  ~ActionManager() override = default;
  mutable std::mutex mutex_;
  std::vector<Request> requests_;
};

}  // namespace kxua::testbed
