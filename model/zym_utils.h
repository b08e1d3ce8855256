// The per-module door to the product: the application context it looks services up
// in, and the text dictionary it caches for translations.
#pragma once

#include <memory>
#include <string>

#include "kxua/services.h"
#include "model/com_ptr.h"

namespace kxua {

// Where a text dictionary is looked up: the console's translator first, with the
// translator manager as the fallback; or the translator manager alone, as frames
// look it up.
enum class DictionarySource { ConsoleFirst, TranslatorManagerOnly };
// Empty when the context or the source has none.
ComPtr<IUADictionary> FindDictionary(IZYMApplicationContext* context, DictionarySource source);

// What a dictionary answered for a text id: its result code, and the text it left.
struct DictionaryAnswer {
  HRESULT result;
  std::wstring text;
};
// The one way texts are asked of the product's translator.
DictionaryAnswer AskDictionary(IUADictionary& dictionary, const std::wstring& textId);

class CZYMUtils {
 public:
  // Client names that modules pass to Initialize.
  static constexpr wchar_t kAlertClient[] = L"KXUAAlert.dat";
  static constexpr wchar_t kConsoleClient[] = L"KXUAConsole.dat";

  // The process-wide instance, created on first use and kept while anyone holds it.
  static std::shared_ptr<CZYMUtils> Instance();

  // Does nothing once initialised. With a host context, attaches it; without one,
  // creates and runs the product's context class and initialises it with `name`.
  // Returns the result code of the step that decided.
  HRESULT Initialize(const std::wstring& name, IUnknown* hostContext);
  bool IsInitialized() const { return initialized_; }
  IZYMApplicationContext* Context() const { return context_.Get(); }

  // The service object registered under `progId`; empty when there is none.
  ComPtr<IDispatch> GetObject(const std::wstring& progId) const;

  // The text of `textId`, or the id itself when there is no translation.
  std::wstring Translate(const std::wstring& textId);

 private:
  ComPtr<IZYMApplicationContext> context_;
  ComPtr<IUADictionary> dictionary_;
  bool initialized_ = false;
};

}  // namespace kxua
