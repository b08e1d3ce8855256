#include "model/zym_utils.h"

#include <mutex>

#include "model/automation.h"
#include "model/services.h"
#include "platform/platform.h"

namespace kxua {

std::shared_ptr<CZYMUtils> CZYMUtils::Instance() {
  // Held weakly: a static owner would release COM objects at module unload, after
  // the product may have shut COM down.
  static std::mutex mutex;
  static std::weak_ptr<CZYMUtils> instance;
  std::lock_guard<std::mutex> lock(mutex);
  std::shared_ptr<CZYMUtils> shared = instance.lock();
  if (!shared) {
    shared = std::make_shared<CZYMUtils>();
    instance = shared;
  }
  return shared;
}

HRESULT CZYMUtils::Initialize(const std::wstring& name, IUnknown* hostContext) {
  if (initialized_) return S_OK;
  HRESULT hr;
  if (hostContext != nullptr) {
    hr = KXUA_HRCHECK(hostContext->QueryInterface(IidOf<IZYMApplicationContext>(),
                                                  reinterpret_cast<void**>(context_.Receive())));
  } else {
    platform::ComRuntime& com = platform::Get();
    hr = com.CreateInstance(CLSID_ZYMApplicationContext, kClassContextAnyServer,
                            IidOf<IZYMApplicationContext>(),
                            reinterpret_cast<void**>(context_.Receive()));
    if (SUCCEEDED(hr) && context_) hr = com.Run(context_.Get());
    if (SUCCEEDED(hr) && context_) hr = context_->Initialize(BString(name).Get());
    if (SUCCEEDED(hr) && !context_) hr = E_POINTER;
  }
  if (FAILED(hr)) context_.Reset();
  initialized_ = SUCCEEDED(hr);
  return hr;
}

ComPtr<IDispatch> CZYMUtils::GetObject(const std::wstring& progId) const {
  return LookUpObject(context_.Get(), progId);
}

void CZYMUtils::FindDictionary() {
  // The console's translator is preferred; the translator manager is the fallback.
  if (auto console = LookUp<ICCGUIConsole>(context_.Get(), progid::Console)) {
    Variant translator;
    if (SUCCEEDED(console->GetTranslatorObject(translator.Receive()))) {
      const VARIANT& v = translator.Get();
      if (v.vt == VT_DISPATCH)
        dictionary_ = ComPtr<IUADictionary>::Query(v.pdispVal);
      else if (v.vt == VT_UNKNOWN)
        dictionary_ = ComPtr<IUADictionary>::Query(v.punkVal);
      if (dictionary_) return;
    }
  }
  if (auto manager = LookUp<IUATranslationSystem>(context_.Get(), progid::TranslatorManager)) {
    ComPtr<IUADictionary> dictionary;
    if (SUCCEEDED(manager->GetDictionary(dictionary.Receive()))) dictionary_ = dictionary;
  }
}

std::wstring CZYMUtils::Translate(const std::wstring& textId) {
  if (!initialized_) return textId;
  if (!dictionary_) FindDictionary();
  if (!dictionary_) return textId;
  BString id(textId);
  BString text;
  if (FAILED(dictionary_->Translate(id.Get(), text.Receive()))) return textId;
  return text.ToString();
}

}  // namespace kxua
