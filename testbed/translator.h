// The stand-in product's translator: dictionaries of texts by id, one per language.
#pragma once

#include <map>
#include <string>

#include "kxua/services.h"
#include "testbed/com_object.h"

namespace kxua::testbed {

class Dictionary final : public DispatchObject<IUADictionary> {
 public:
  void Add(const std::wstring& id, const std::wstring& text) { texts_[id] = text; }
  int TranslateCalls() const { return calls_; }

  // An unknown id is a failure, so the caller keeps the id.
  HRESULT STDMETHODCALLTYPE Translate(BSTR textId, BSTR* text) override;

 private:
  ~Dictionary() override = default;
  std::map<std::wstring, std::wstring> texts_;
  int calls_ = 0;
};

// "UA.TranslatorManager": hands out the dictionary of the chosen language.
class TranslatorManager final : public DispatchObject<IUATranslationSystem> {
 public:
  explicit TranslatorManager(Dictionary* dictionary) : dictionary_(dictionary) {
    dictionary_->AddRef();
  }
  HRESULT STDMETHODCALLTYPE GetDictionary(IUADictionary** dictionary) override;

 private:
  ~TranslatorManager() override { dictionary_->Release(); }
  Dictionary* dictionary_;
};

// "KXCCGUIUtils.Console": its translator object is the dictionary.
class Console final : public DispatchObject<ICCGUIConsole> {
 public:
  explicit Console(Dictionary* dictionary) : dictionary_(dictionary) { dictionary_->AddRef(); }
  HRESULT STDMETHODCALLTYPE GetTranslatorObject(VARIANT* translator) override;

 private:
  ~Console() override { dictionary_->Release(); }
  Dictionary* dictionary_;
};

}  // namespace kxua::testbed
