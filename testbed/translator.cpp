#include "testbed/translator.h"

#include "testbed/recorded_value.h"

namespace kxua::testbed {

HRESULT Dictionary::Translate(BSTR textId, BSTR* text) {
  if (text == nullptr) return E_POINTER;
  *text = nullptr;
  ++calls_;
  auto it = texts_.find(ToString(textId));
  if (it == texts_.end()) return E_FAIL;
  *text = SysAllocStringLen(it->second.data(), static_cast<UINT>(it->second.size()));
  return *text != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT TranslatorManager::GetDictionary(IUADictionary** dictionary) {
  if (dictionary == nullptr) return E_POINTER;
  dictionary_->AddRef();
  *dictionary = dictionary_;
  return S_OK;
}

HRESULT Console::GetTranslatorObject(VARIANT* translator) {
  if (translator == nullptr) return E_POINTER;
  VariantInit(translator);
  dictionary_->AddRef();
  translator->vt = VT_DISPATCH;
  translator->pdispVal = dictionary_;
  return S_OK;
}

}  // namespace kxua::testbed
