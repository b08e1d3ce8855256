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

ComPtr<IUADictionary> FindDictionary(IZYMApplicationContext* context, DictionarySource source) {
  if (source == DictionarySource::ConsoleFirst) {
    if (auto console = LookUp<ICCGUIConsole>(context, progid::Console)) {
      Variant translator;
      if (SUCCEEDED(console->GetTranslatorObject(translator.Receive()))) {
        const VARIANT& v = translator.Get();
        ComPtr<IUADictionary> dictionary;
        if (v.vt == VT_DISPATCH)
          dictionary = ComPtr<IUADictionary>::Query(v.pdispVal);
        else if (v.vt == VT_UNKNOWN)
          dictionary = ComPtr<IUADictionary>::Query(v.punkVal);
        if (dictionary) return dictionary;
      }
    }
  }
  ComPtr<IUADictionary> dictionary;
  if (auto manager = LookUp<IUATranslationSystem>(context, progid::TranslatorManager))
    if (FAILED(manager->GetDictionary(dictionary.Receive()))) dictionary.Reset();
  return dictionary;
}

DictionaryAnswer AskDictionary(IUADictionary& dictionary, const std::wstring& textId) {
  BString id(textId);
  BString text;
  const HRESULT result = dictionary.Translate(id.Get(), text.Receive());
  return {result, text.ToString()};
}

std::wstring CZYMUtils::Translate(const std::wstring& textId) {
  if (!initialized_) return textId;
  if (!dictionary_) dictionary_ = FindDictionary(context_.Get(), DictionarySource::ConsoleFirst);
  if (!dictionary_) return textId;
  DictionaryAnswer answer = AskDictionary(*dictionary_.Get(), textId);
  return FAILED(answer.result) ? textId : std::move(answer.text);
}

}  // namespace kxua
