#include "testbed/product.h"

#include "testbed/texts.h"

namespace kxua::testbed {

namespace {

// Registers a new object of the product under `progId`; the context keeps it.
template <class Object>
void Serve(ApplicationContext& context, const wchar_t* progId, Object* object) {
  context.Register(progId, object);
  object->Release();
}

}  // namespace

Product::Product(const std::wstring& language)
    : language_(language),
      context_(new ApplicationContext),
      dictionary_(new Dictionary),
      actions_(new ActionManager),
      tracking_(new TrackingEvents),
      config_(new TrackingConfig) {
  AddProductTexts(*dictionary_, language_);
  Serve(*context_, progid::TranslatorManager, new TranslatorManager(dictionary_));
  context_->Register(progid::ActionManager, actions_);
  Serve(*context_, progid::ExtendedAction, new ActionObject(progid::ExtendedAction));
  context_->Register(progid::TrackingEvents, tracking_);
  config_->SetNumber(kTrackingConfigItem, kTrackingProfile);
  context_->Register(progid::Config, config_);
  Serve(*context_, progid::StringMap, new StringMap);
}

Product::~Product() {
  config_->Release();
  tracking_->Release();
  actions_->Release();
  dictionary_->Release();
  context_->Release();
}

}  // namespace kxua::testbed
