#include "testbed/application_context.h"

#include "platform/platform.h"
#include "testbed/recorded_value.h"

namespace kxua::testbed {

namespace {

// Every creation of the context class hands out the one context.
class ContextFactory final : public ComObject<IClassFactory> {
 public:
  explicit ContextFactory(ApplicationContext* context) : context_(context) { context_->AddRef(); }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return context_->QueryInterface(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  ~ContextFactory() override { context_->Release(); }
  ApplicationContext* context_;
};

}  // namespace

ApplicationContext::~ApplicationContext() {
  for (auto& [progId, object] : objects_) object->Release();
}

void ApplicationContext::Register(const std::wstring& progId, IDispatch* object) {
  if (object == nullptr) return;
  object->AddRef();
  std::lock_guard<std::mutex> lock(mutex_);
  IDispatch*& slot = objects_[progId];
  if (slot != nullptr) slot->Release();
  slot = object;
}

void ApplicationContext::Unregister(const std::wstring& progId) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = objects_.find(progId);
  if (it == objects_.end()) return;
  it->second->Release();
  objects_.erase(it);
}

std::vector<std::wstring> ApplicationContext::Lookups() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return lookups_;
}

std::vector<std::wstring> ApplicationContext::InitializeNames() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return initializeNames_;
}

HRESULT ApplicationContext::Initialize(BSTR name) {
  std::lock_guard<std::mutex> lock(mutex_);
  initializeNames_.push_back(ToString(name));
  return S_OK;
}

HRESULT ApplicationContext::Get(BSTR progId, IDispatch** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  std::lock_guard<std::mutex> lock(mutex_);
  const std::wstring name = ToString(progId);
  lookups_.push_back(name);
  auto it = objects_.find(name);
  if (it == objects_.end()) return REGDB_E_CLASSNOTREG;
  *object = it->second;
  (*object)->AddRef();
  return S_OK;
}

ContextClassRegistration::ContextClassRegistration(ApplicationContext* context) {
  auto* factory = new ContextFactory(context);
  if (FAILED(platform::Get().RegisterClassObject(CLSID_ZYMApplicationContext, factory, cookie_)))
    cookie_ = 0;
  factory->Release();  // the class table holds it while registered
}

ContextClassRegistration::~ContextClassRegistration() {
  if (cookie_ != 0) platform::Get().RevokeClassObject(cookie_);
}

}  // namespace kxua::testbed
