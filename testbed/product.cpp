#include "testbed/product.h"

#include "testbed/texts.h"

namespace kxua::testbed {

Product::Product(const std::wstring& language)
    : language_(language),
      context_(new ApplicationContext),
      dictionary_(new Dictionary),
      actions_(new ActionManager) {
  AddProductTexts(*dictionary_, language_);
  auto* translator = new TranslatorManager(dictionary_);
  context_->Register(progid::TranslatorManager, translator);
  translator->Release();
  context_->Register(progid::ActionManager, actions_);
}

Product::~Product() {
  actions_->Release();
  dictionary_->Release();
  context_->Release();
}

}  // namespace kxua::testbed
