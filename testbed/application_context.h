// The stand-in product's application context: serves service objects by ProgID and
// can be made the process's context class, so that the library's own creation path
// finds it.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "kxua/services.h"
#include "testbed/com_object.h"

namespace kxua::testbed {

class ApplicationContext final : public DispatchObject<IZYMApplicationContext> {
 public:
  // Serves `object` (its own reference is taken) under `progId`.
  void Register(const std::wstring& progId, IDispatch* object);
  void Unregister(const std::wstring& progId);

  std::vector<std::wstring> Lookups() const;
  std::vector<std::wstring> InitializeNames() const;

  HRESULT STDMETHODCALLTYPE Initialize(BSTR name) override;
  HRESULT STDMETHODCALLTYPE Get(BSTR progId, IDispatch** object) override;

 private:
  ~ApplicationContext() override;

  mutable std::mutex mutex_;
  std::map<std::wstring, IDispatch*> objects_;
  std::vector<std::wstring> lookups_;
  std::vector<std::wstring> initializeNames_;
};

// Makes `context` what creating the product's context class yields, while alive.
class ContextClassRegistration {
 public:
  explicit ContextClassRegistration(ApplicationContext* context);
  ~ContextClassRegistration();
  ContextClassRegistration(const ContextClassRegistration&) = delete;
  ContextClassRegistration& operator=(const ContextClassRegistration&) = delete;
  bool Registered() const { return cookie_ != 0; }

 private:
  DWORD cookie_ = 0;
};

}  // namespace kxua::testbed
